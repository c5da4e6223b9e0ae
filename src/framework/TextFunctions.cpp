#include "framework/TextFunctions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

// Numbers are read and written with <charconv>, which always uses "." as the point: the C
// functions (strtod, printf) follow the process locale, which the Qt application sets from the
// user's environment, and would read "1.5" as 1 under a locale with a decimal comma.

std::string NthField(std::string_view text, std::string_view separator, int n) {
  if (n < 1 || separator.empty()) return {};
  std::size_t start = 0;
  for (int field = 1; field < n; ++field) {
    std::size_t at = text.find(separator, start);
    if (at == std::string_view::npos) return {};
    start = at + separator.size();
  }
  std::size_t end = text.find(separator, start);
  return std::string(
      text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
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

// The value of an exponent ("+12", "-3", "7"); one too long to hold is taken as very large.
long long ExponentValue(std::string_view text) {
  bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  long long value = 0;
  if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) {
    value = std::numeric_limits<int>::max();
  }
  return negative ? -value : value;
}

// The value of an unsigned number too large or too small for a Double: infinity or 0, by the
// power of ten of its first significant digit.
double OutOfRangeValue(std::string_view number) {
  std::size_t e = number.find_first_of("eE");
  std::string_view mantissa = number.substr(0, e);
  std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  std::size_t first = std::min(mantissa.find_first_not_of("0."), mantissa.size());
  long long power =
      first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
  if (e != std::string_view::npos) power += ExponentValue(number.substr(e + 1));
  return power > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

// The value of an unsigned number that LeadingNumberLength accepted.
double UnsignedValue(std::string_view number) {
  double value = 0.0;
  std::errc error = std::from_chars(number.data(), number.data() + number.size(), value).ec;
  if (error == std::errc::result_out_of_range) return OutOfRangeValue(number);
  return value;
}

}  // namespace

double Val(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) return 0.0;
  bool negative = text[i] == '-';
  if (text[i] == '+' || text[i] == '-') ++i;
  std::size_t length = LeadingNumberLength(text.substr(i));
  if (length == 0) return 0.0;
  double value = UnsignedValue(text.substr(i, length));
  return negative ? -value : value;
}

std::string Str(long long n) { return std::to_string(n); }

int ToInteger(double value) {
  if (std::isnan(value)) return 0;
  if (value >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

namespace {

// Significant digits Str(double) keeps.
constexpr int kStrSignificantDigits = 7;

// How a Format mask writes a number.
struct NumberMask {
  enum class Style { kPlain, kScientific, kPercent };
  Style style = Style::kPlain;
  int minIntegerDigits = 1;
  int minDecimals = 0;
  int maxDecimals = 0;
};

// Reads a mask: an optional leading "-", the integer part, an optional "." and decimal part,
// an optional final "e" or "%". Characters other than "#" and "0" in the parts are ignored.
NumberMask ParseMask(std::string_view mask) {
  NumberMask result;
  if (!mask.empty() && mask.front() == '-') mask.remove_prefix(1);
  if (!mask.empty() && mask.back() == 'e') {
    result.style = NumberMask::Style::kScientific;
    mask.remove_suffix(1);
  } else if (!mask.empty() && mask.back() == '%') {
    result.style = NumberMask::Style::kPercent;
    mask.remove_suffix(1);
  }
  std::size_t point = std::min(mask.find('.'), mask.size());
  auto zeros = std::count(mask.begin(), mask.begin() + point, '0');
  result.minIntegerDigits = std::max(1, static_cast<int>(zeros));
  for (char c : mask.substr(std::min(point + 1, mask.size()))) {
    if (c != '#' && c != '0') continue;
    ++result.maxDecimals;
    if (c == '0') result.minDecimals = result.maxDecimals;
  }
  return result;
}

// A finite non-negative x written by to_chars: correctly rounded, always with "." as the point.
std::string ToChars(double x, std::chars_format format, int precision) {
  std::string text(static_cast<std::size_t>(precision) + 400, '\0');
  auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), x, format, precision);
  text.resize(error == std::errc() ? static_cast<std::size_t>(end - text.data()) : 0);
  return text;
}

std::string NonFinite(double x) {
  if (std::isnan(x)) return "nan";
  return x < 0 ? "-inf" : "inf";
}

// Drops the trailing zeros after the point down to minDecimals, and the point if nothing
// follows it.
void DropTrailingZeros(std::string& number, int minDecimals) {
  std::size_t point = number.find('.');
  if (point == std::string::npos) return;
  std::size_t keep = point + 1 + static_cast<std::size_t>(minDecimals);
  while (number.size() > keep && number.back() == '0') number.pop_back();
  if (number.back() == '.') number.pop_back();
}

void PadIntegerPart(std::string& number, int minDigits) {
  std::size_t digits = std::min(number.find('.'), number.size());
  if (digits < static_cast<std::size_t>(minDigits)) number.insert(0, minDigits - digits, '0');
}

// A minus in front of the digits of a negative number, unless they all rounded to zero.
std::string WithSign(bool negative, std::string digits) {
  bool zero = digits.find_first_of("123456789") == std::string::npos;
  return negative && !zero ? "-" + digits : digits;
}

// "+05" -> "+5", "-19" -> "-19", "+00" -> "+0".
std::string ShortExponent(std::string_view exponent) {
  std::size_t first = exponent.find_first_not_of('0', 1);
  std::string_view digits = first == std::string_view::npos ? std::string_view("0") : exponent.substr(first);
  return std::string(1, exponent.front()) + std::string(digits);
}

std::string FormatPlain(double x, const NumberMask& mask) {
  std::string digits = ToChars(std::fabs(x), std::chars_format::fixed, mask.maxDecimals);
  DropTrailingZeros(digits, mask.minDecimals);
  PadIntegerPart(digits, mask.minIntegerDigits);
  return WithSign(std::signbit(x), digits);
}

std::string FormatScientific(double x, const NumberMask& mask) {
  std::string text = ToChars(std::fabs(x), std::chars_format::scientific, mask.maxDecimals);
  std::size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  DropTrailingZeros(mantissa, mask.minDecimals);
  return WithSign(std::signbit(x), mantissa) + "e" + ShortExponent(std::string_view(text).substr(e + 1));
}

// A non-zero finite x as plain decimals with Str's significant digits: the digits of its
// scientific form moved around the point given by its exponent.
std::string PlainDecimal(double x, const std::string& scientific) {
  std::size_t e = scientific.find('e');
  int exponent = std::stoi(scientific.substr(e + 1));
  std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
  std::string integerPart = "0";
  std::string decimals;
  if (exponent >= 0) {
    std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    digits.resize(std::max(digits.size(), integerDigits), '0');
    integerPart = digits.substr(0, integerDigits);
    decimals = digits.substr(integerDigits);
  } else {
    decimals = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  std::string number = integerPart + "." + decimals;
  DropTrailingZeros(number, 0);
  return WithSign(std::signbit(x), number);
}

}  // namespace

std::string Str(double x) {
  if (!std::isfinite(x)) return NonFinite(x);
  if (x == 0) return "0";
  std::string scientific = ToChars(std::fabs(x), std::chars_format::scientific, kStrSignificantDigits - 1);
  int exponent = std::stoi(scientific.substr(scientific.find('e') + 1));
  if (exponent < -5 || exponent >= 15) return Format(x, "#.######e");
  return PlainDecimal(x, scientific);
}

std::string Format(double x, std::string_view mask) {
  NumberMask parsed = ParseMask(mask);
  if (parsed.style == NumberMask::Style::kPercent) x *= 100;
  if (!std::isfinite(x)) return NonFinite(x);
  switch (parsed.style) {
    case NumberMask::Style::kScientific:
      return FormatScientific(x, parsed);
    case NumberMask::Style::kPercent:
      return FormatPlain(x, parsed) + "%";
    case NumberMask::Style::kPlain:
      break;
  }
  return FormatPlain(x, parsed);
}

namespace {

// ASCII only: the bytes of a multi-byte UTF-8 character never change, whatever the locale.
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string Titlecase(std::string_view text) {
  std::string result(text);
  bool wordStart = true;
  for (char& c : result) {
    if (IsAsciiLetter(c)) {
      c = wordStart ? AsciiUpper(c) : AsciiLower(c);
      wordStart = false;
    } else {
      // A byte of a multi-byte character is part of the word, like any other non-blank.
      wordStart = IsAsciiSpace(c) || c == '-';
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
  for (std::size_t at = text.find(oldText); at != std::string_view::npos; at = text.find(oldText, start)) {
    result.append(text.substr(start, at - start));
    result.append(newText);
    start = at + oldText.size();
  }
  result.append(text.substr(start));
  return result;
}
