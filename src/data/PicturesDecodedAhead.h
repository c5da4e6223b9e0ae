#pragma once

#include <thread>
#include <vector>

#include "framework/Picture.h"

// Decodes pictures of the resource catalogue on a thread of its own, in the order given, so that
// they are at hand when the program first asks for them; an accessor asked for a picture while
// the thread decodes it waits for it. A picture that cannot be read is left to the accessor's
// next call, which looks for it again as always. The thread has ended when the object has.
class PicturesDecodedAhead {
 public:
  using Accessor = Picture (*)();

  explicit PicturesDecodedAhead(std::vector<Accessor> accessors);
  ~PicturesDecodedAhead();
  PicturesDecodedAhead(const PicturesDecodedAhead&) = delete;
  PicturesDecodedAhead& operator=(const PicturesDecodedAhead&) = delete;

 private:
  std::thread thread_;
};
