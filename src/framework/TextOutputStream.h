#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "framework/FileDescriptor.h"

// The line end WriteLine appends.
inline constexpr std::string_view EndOfLine = "\n";
// The classic Macintosh line end, used inside note texts.
inline constexpr std::string_view EndOfLineMacintosh = "\r";

// A buffered text file being written. A default-constructed stream is nil: every call on it
// raises NilObjectException. Texts are written as they are (CR characters inside them stay).
// A failed write raises IOException; copies of a stream share one file.
class TextOutputStream {
 public:
  // Texts are collected up to this many bytes before they are written out.
  static constexpr std::size_t kBufferSize = 64 * 1024;

  TextOutputStream() = default;

  bool IsNil() const { return !file_; }

  // Raise IOException when the data cannot be written, or when the stream is closed.
  void Write(std::string_view text);
  void WriteLine(std::string_view text);
  // Flushes and closes; closing again does nothing. Raises IOException when the data could not
  // all be written out, including after an earlier failed Write. When the last copy of an open
  // stream goes away it is closed the same way, without raising.
  void Close();

  // A stream writing to a new or truncated file at path; nil (with errno telling why) when the
  // file cannot be created. A link in the last part of the path is never followed (ELOOP), and
  // a pipe or socket is refused (ENXIO or EINVAL) rather than waited for.
  static TextOutputStream Create(const std::string& path);
  // A stream writing to the file open as fd, named path in its messages.
  static TextOutputStream OnDescriptor(FileDescriptor fd, const std::string& path);

  // Sets the creator code in the Finder info of the file being written, on its descriptor,
  // keeping the rest of the block; skipped where the file system keeps no extended attributes.
  // 0, or the errno when it could not be set; a nil stream raises NilObjectException.
  int SetMacCreator(std::string_view code);

 private:
  struct File;
  std::shared_ptr<File> file_;
  File& Open();
};
