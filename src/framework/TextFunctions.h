#pragma once

#include <string>
#include <string_view>

// The framework's text functions. Texts are UTF-8 byte strings; fields are cut at every
// occurrence of the separator and counted from 1.

// Field n of the text cut at every occurrence of separator; empty when there are fewer fields,
// when n is below 1 or when the separator is empty.
std::string NthField(std::string_view text, std::string_view separator, int n);

// Number of fields of the text cut at separator; 0 for an empty text.
int CountFields(std::string_view text, std::string_view separator);

// The decimal number at the start of the text: leading blanks skipped, an optional sign, digits
// with at most one decimal point, an optional exponent. 0 when the text does not start with one
// ("nan" and "inf" are not numbers). The point is always ".", whatever the locale. A number too
// large for a Double is infinity, one too small 0.
double Val(std::string_view text);

// An integer as plain digits.
std::string Str(long long n);
inline std::string Str(int n) { return Str(static_cast<long long>(n)); }

// A Double with at most 7 significant digits, trailing zeros dropped; plain decimals for
// magnitudes (after rounding) from 1e-5 to below 1e15, otherwise the scientific form of Format
// with up to 6 decimals ("1.234568e+15", "1e-6"). Zero, also -0, is "0"; infinities and NaN are
// "inf", "-inf" and "nan". The point is always ".", whatever the locale.
std::string Str(double x);

// A Double as an Integer: the fraction dropped, a number beyond the Integer range held at its
// end, NaN as 0.
int ToInteger(double value);

// A number written by a format mask: "#" a digit shown only when significant, "0" a digit
// always shown, "." the point, a final "e" for scientific notation, a final "%" for percent.
// - The integer part shows all its digits, at least one ("0.5", 1538 under "#.#" is "1538").
// - The decimals are rounded to the mask's decimal places, correctly for the binary value (2.675
//   under "#.##" is "2.67"); trailing zeros beyond the last "0" of the mask are dropped, and so
//   is a point with nothing after it ("5" under "#.###", "5.0" under "#.0#").
// - "e": a mantissa with one digit before the point and the mask's decimals, then the exponent
//   with its sign and no leading zeros ("1.6e-19", "6.02e+23"); zero is "0e+0".
// - "%": the number times 100, then "%" ("99.99%").
// - A negative number always shows its minus; a leading "-" in the mask changes nothing else.
//   A negative number that rounds to zero shows no minus ("0", never "-0").
// - Infinities and NaN are "inf", "-inf" and "nan". Other mask characters are ignored.
std::string Format(double x, std::string_view mask);

// The first letter of every word upper case and the rest lower case. A word starts after white
// space or a hyphen. Only ASCII letters change case.
std::string Titlecase(std::string_view text);

// Length in characters (UTF-8 code points), not bytes.
int Len(std::string_view text);

// Every occurrence of oldText replaced by newText, left to right; an empty oldText changes
// nothing.
std::string ReplaceAll(std::string_view text, std::string_view oldText, std::string_view newText);
