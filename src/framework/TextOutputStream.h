#pragma once

#include <memory>
#include <string>
#include <string_view>

// The line end WriteLine appends.
inline constexpr std::string_view EndOfLine = "\n";
// The classic Macintosh line end, used inside note texts.
inline constexpr std::string_view EndOfLineMacintosh = "\r";

// A buffered text file being written. A default-constructed stream is nil: every call on it
// raises NilObjectException. Texts are written as they are (CR characters inside them stay).
// A failed write raises IOException.
class TextOutputStream {
 public:
  TextOutputStream() = default;

  bool IsNil() const { return !file_; }

  void Write(std::string_view text);
  void WriteLine(std::string_view text);
  // Flushes and closes; later calls are ignored. Raises IOException when the data could not be
  // written out.
  void Close();

  static TextOutputStream Create(const std::string& path);

 private:
  struct File;
  std::shared_ptr<File> file_;
  File& Open();
};
