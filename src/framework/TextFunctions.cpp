#include "framework/TextFunctions.h"

#include <cctype>
#include <cstdlib>
#include <string>

std::string NthField(std::string_view text, std::string_view separator, int n) {
  if (n < 1 || separator.empty()) return {};
  std::size_t start = 0;
  for (int field = 1; field < n; ++field) {
    std::size_t at = text.find(separator, start);
    if (at == std::string_view::npos) return {};
    start = at + separator.size();
  }
  std::size_t end = text.find(separator, start);
  return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

int CountFields(std::string_view text, std::string_view separator) {
  if (text.empty()) return 0;
  if (separator.empty()) return 1;
  int count = 1;
  for (std::size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, at + separator.size())) {
    ++count;
  }
  return count;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the number at the start of text (after its sign), 0 when there is none.
std::size_t LeadingNumberLength(std::string_view text) {
  std::size_t i = 0;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

}  // namespace

double Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t length = LeadingNumberLength(text.substr(i));
  if (length == 0) return 0.0;
  std::string number(text.substr(start, i - start + length));
  return std::strtod(number.c_str(), nullptr);
}

std::string Str(long long n) { return std::to_string(n); }

std::string Titlecase(std::string_view text) {
  std::string result(text);
  bool wordStart = true;
  for (char& c : result) {
    unsigned char u = static_cast<unsigned char>(c);
    if (std::isalpha(u)) {
      c = static_cast<char>(wordStart ? std::toupper(u) : std::tolower(u));
      wordStart = false;
    } else if (u < 0x80) {
      wordStart = std::isspace(u) || c == '-';
    } else {
      wordStart = false;  // inside a multi-byte character: part of the word
    }
  }
  return result;
}

int Len(std::string_view text) {
  int count = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::string ReplaceAll(std::string_view text, std::string_view oldText, std::string_view newText) {
  if (oldText.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t at = text.find(oldText); at != std::string_view::npos;
       at = text.find(oldText, start)) {
    result.append(text.substr(start, at - start));
    result.append(newText);
    start = at + oldText.size();
  }
  result.append(text.substr(start));
  return result;
}
