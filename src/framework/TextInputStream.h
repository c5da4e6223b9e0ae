#pragma once

#include <memory>
#include <string>

// A text file being read. A default-constructed stream is nil: every call on it raises
// NilObjectException.
class TextInputStream {
 public:
  TextInputStream() = default;

  bool IsNil() const { return !file_; }

  // The rest of the file, bytes unchanged.
  std::string ReadAll();
  // The next line without its line end (LF, CR or CRLF); empty at the end.
  std::string ReadLine();
  bool AtEndOfFile() const;
  void Close();

  static TextInputStream Open(const std::string& path);

 private:
  struct File;
  std::shared_ptr<File> file_;
  File& Opened() const;
};
