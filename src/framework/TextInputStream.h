#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "framework/FileDescriptor.h"

// A text file being read. A default-constructed stream is nil: every call on it raises
// NilObjectException. A failed read, or a read after Close, raises IOException.
class TextInputStream {
 public:
  // The file is read in pieces of this many bytes.
  static constexpr std::size_t kBufferSize = 64 * 1024;

  TextInputStream() = default;

  bool IsNil() const { return !file_; }

  // The rest of the file, bytes unchanged.
  std::string ReadAll();
  // The next count bytes, unchanged; fewer at the end of the file.
  std::string Read(std::size_t count);
  // The next line without its line end (LF, CR or CRLF); empty at the end.
  std::string ReadLine();
  // True when nothing is left to read, and after Close.
  bool AtEndOfFile() const;
  // Closes the file; closing again does nothing.
  void Close();

  // A stream reading the file at path; nil (with errno telling why) when it cannot be opened or
  // is not a plain file (a folder, a pipe, a device). Opening never waits.
  static TextInputStream Open(const std::string& path);
  // A stream reading the file open as fd, named path in its messages; nil (with errno telling
  // why) when it is not a plain file.
  static TextInputStream Open(FileDescriptor fd, const std::string& path);

 private:
  struct File;
  std::shared_ptr<File> file_;
  File& Opened() const;
};
