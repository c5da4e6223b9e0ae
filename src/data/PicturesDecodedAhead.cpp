#include "data/PicturesDecodedAhead.h"

#include <utility>

PicturesDecodedAhead::PicturesDecodedAhead(std::vector<Accessor> accessors)
    : thread_([accessors = std::move(accessors)] {
        for (const Accessor accessor : accessors) {
          try {
            accessor();
          } catch (...) {
            // The accessor's caller meets the failure on its own call.
          }
        }
      }) {}

PicturesDecodedAhead::~PicturesDecodedAhead() { thread_.join(); }
