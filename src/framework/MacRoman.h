#pragma once

#include <string>
#include <string_view>

// Conversion between UTF-8 text and the MacRoman character set, one byte per character. The
// lower half (0x00-0x7F) is ASCII; the upper half maps to the characters of the classic Mac.

// MacRoman bytes of UTF-8 text. A character with no MacRoman form, or a byte that is not part of
// valid UTF-8, becomes '?'.
std::string MacRomanFromUtf8(std::string_view utf8);

// UTF-8 text of MacRoman bytes.
std::string Utf8FromMacRoman(std::string_view macRoman);
