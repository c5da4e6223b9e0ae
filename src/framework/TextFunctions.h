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
// with at most one decimal point, an optional exponent. 0 when the text does not start with one.
double Val(std::string_view text);

// An integer as plain digits.
std::string Str(long long n);
inline std::string Str(int n) { return Str(static_cast<long long>(n)); }

// A Double with at most 7 significant digits, trailing zeros dropped; plain decimals for
// magnitudes from 1e-5 to below 1e15, otherwise scientific ("1.234568e+15").
std::string Str(double x);

// A number written by a format mask: "#" a digit shown only when significant, "0" a digit
// always shown, "." the point, a final "e" for scientific notation, a final "%" for percent.
// A leading "-" shows the minus of a negative number; a negative number shows it anyway.
std::string Format(double x, std::string_view mask);

// The first letter of every word upper case and the rest lower case. A word starts after white
// space or a hyphen. Only ASCII letters change case.
std::string Titlecase(std::string_view text);

// Length in characters (UTF-8 code points), not bytes.
int Len(std::string_view text);

// Every occurrence of oldText replaced by newText, left to right; an empty oldText changes
// nothing.
std::string ReplaceAll(std::string_view text, std::string_view oldText, std::string_view newText);
