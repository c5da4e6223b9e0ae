#include <string>
#include <string_view>

#include "notes/threadClass.h"

// The folder's POSIX path in the form a POSIX shell reads as one word: every character other
// than an ASCII letter, a digit, "/" or "." gets one backslash in front of it. A character is a
// whole UTF-8 sequence, so "é" becomes "\é"; a byte that starts no valid sequence counts as one
// character.

namespace {

bool IsPlainPathCharacter(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' || c == '.';
}

// Length of the UTF-8 character that starts at text[at]: its lead byte and the continuation
// bytes that follow, at most as many as the lead byte announces.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  const std::size_t announced = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t length = 1;
  while (length < announced && at + length < text.size() &&
         (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

std::string ShellEscaped(std::string_view path) {
  std::string escaped;
  for (std::size_t at = 0; at < path.size();) {
    const std::size_t length = CharacterLength(path, at);
    if (!IsPlainPathCharacter(static_cast<unsigned char>(path[at]))) escaped += '\\';
    escaped += path.substr(at, length);
    at += length;
  }
  return escaped;
}

}  // namespace

std::string threadClass::unusedFolderPath(const FolderItem& folder) const {
  if (folder.IsNil() || !folder.Exists()) return "";
  return ShellEscaped(folder.ShellPath());
}
