#include "framework/TextFunctions.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct NthFieldCase {
  std::string text;
  std::string separator;
  int n;
  std::string expected;
};

TEST(NthFieldTest, CutsAtEveryOccurrenceOfTheSeparator) {
  const std::vector<NthFieldCase> cases = {
      {"a,b,c", ",", 1, "a"},
      {"a,b,c", ",", 2, "b"},
      {"a,b,c", ",", 3, "c"},
      {"a,b,c", ",", 4, ""},
      {"a,b,c", ",", 0, ""},
      {"a,b,c", ",", -1, ""},
      {"a,,c", ",", 2, ""},
      {"a,,c", ",", 3, "c"},
      {",a", ",", 1, ""},
      {"a,", ",", 2, ""},
      {"abc", ",", 1, "abc"},
      {"abc", "", 1, ""},
      {"", ",", 1, ""},
      {"x:\xC3\x9Fy:\xC3\x9Fz", ":\xC3\x9F", 2, "y"},
      {"1\xE2\x88\x91\xE2\x88\x91\xE2\x88\x91"
       "2\xE2\x88\x91\xE2\x88\x91\xE2\x88\x91"
       "3",
       "\xE2\x88\x91\xE2\x88\x91\xE2\x88\x91", 3, "3"},
      {"aaa", "aa", 2, "a"},
  };
  for (const NthFieldCase& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\" at \"" + c.separator + "\" field " + std::to_string(c.n));
    EXPECT_EQ(NthField(c.text, c.separator, c.n), c.expected);
  }
}

struct CountFieldsCase {
  std::string text;
  std::string separator;
  int expected;
};

TEST(CountFieldsTest, CountsTheFieldsNthFieldCanReturn) {
  const std::vector<CountFieldsCase> cases = {
      {"", ",", 0},
      {"a", ",", 1},
      {"a,b,c", ",", 3},
      {"a,,c", ",", 3},
      {",", ",", 2},
      {"a,", ",", 2},
      {"x:\xC3\x9Fy:\xC3\x9Fz", ":\xC3\x9F", 3},
      {"\xE2\x88\x91\xE2\x88\x91\xE2\x88\x91", "\xE2\x88\x91\xE2\x88\x91\xE2\x88\x91", 2},
      {"aaa", "aa", 2},
      {"abc", "", 1},
  };
  for (const CountFieldsCase& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\" at \"" + c.separator + "\"");
    EXPECT_EQ(CountFields(c.text, c.separator), c.expected);
  }
}

struct ValCase {
  std::string text;
  double expected;
};

TEST(ValTest, ReadsTheNumberAtTheStartOfTheText) {
  const std::vector<ValCase> cases = {
      {"1.5", 1.5},
      {"-7", -7},
      {"+5", 5},
      {"1.6.2", 1.6},
      {"nul", 0},
      {"true", 0},
      {"", 0},
      {"   ", 0},
      {"  -7", -7},
      {"\t3", 3},
      {".5", 0.5},
      {"-.5", -0.5},
      {"5.", 5},
      {".", 0},
      {"-", 0},
      {"- 5", 0},
      {"1e3", 1000},
      {"1E3", 1000},
      {"2.5e-3x", 0.0025},
      {"1e", 1},
      {"1e+", 1},
      {"12abc", 12},
      {"1,5", 1},
      {"0x1A", 0},
      {"nan", 0},
      {"inf", 0},
      {"-infinity", 0},
      {"1.00794", 1.00794},
      {"6.02214076e23", 6.02214076e23},
      {"1e400", kInfinity},
      {"-1e400", -kInfinity},
      {"0.0001e400", kInfinity},
      {"1e-400", 0},
      {"1000e-326", 1e-323},
      {"1e99999999999999999999", kInfinity},
  };
  for (const ValCase& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\"");
    EXPECT_EQ(Val(c.text), c.expected);
  }
}

struct StrIntegerCase {
  long long n;
  std::string expected;
};

TEST(StrTest, WritesIntegersAsPlainDigits) {
  const std::vector<StrIntegerCase> cases = {
      {0, "0"},
      {7, "7"},
      {-42, "-42"},
      {1234567890123LL, "1234567890123"},
      {LLONG_MIN, "-9223372036854775808"},
  };
  for (const StrIntegerCase& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(Str(c.n), c.expected);
  }
  EXPECT_EQ(Str(-12), "-12");
}

struct NumberCase {
  double x;
  std::string expected;
};

TEST(StrTest, WritesDoublesWithSevenSignificantDigits) {
  const std::vector<NumberCase> cases = {
      {0.0, "0"},
      {-0.0, "0"},
      {1.6, "1.6"},
      {-7.0, "-7"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.3333333"},
      {-2.0 / 3.0, "-0.6666667"},
      {2.1 - 0.1, "2"},
      {1234567.8, "1234568"},
      {9999999.6, "10000000"},
      {123456789.0, "123456800"},
      {123456789012345.0, "123456800000000"},
      {999999999999999.9, "1e+15"},
      {1e15, "1e+15"},
      {1.23456789e15, "1.234568e+15"},
      {6.02214076e23, "6.022141e+23"},
      {-1e300, "-1e+300"},
      {1e-5, "0.00001"},
      {1.5e-5, "0.000015"},
      {0.0000099999999, "0.00001"},
      {1e-6, "1e-6"},
      {-1.2345678e-7, "-1.234568e-7"},
      {1.602176634e-19, "1.602177e-19"},
      {kInfinity, "inf"},
      {-kInfinity, "-inf"},
      {kNaN, "nan"},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(Str(c.x), c.expected);
  }
}

struct FormatCase {
  std::string mask;
  double x;
  std::string expected;
};

TEST(FormatTest, WritesNumbersByTheirMask) {
  const std::vector<FormatCase> cases = {
      {"#.###", 1.6, "1.6"},
      {"#.###", 5, "5"},
      {"#.###", 0.5, "0.5"},
      {"#.###", 0, "0"},
      {"#.###", -2.5, "-2.5"},
      {"#.###", 1.2345, "1.234"},
      {"#.###", 0.9995, "1"},
      {"#.###", -0.0004, "0"},
      {"#.###", 1538.46, "1538.46"},
      {"#.##", 2.675, "2.67"},
      {"#.##", 12.345, "12.35"},
      {"#.##", 1.005, "1"},
      {"#.##", 0.125, "0.12"},  // an exact tie goes to the even digit
      {"#.##", -0.5, "-0.5"},
      {"#.##", 9.999, "10"},
      {"#.##", -0.004, "0"},
      {"#.##", -0.0, "0"},
      {"#.##", 1e20, "100000000000000000000"},
      {"#.#", 1538, "1538"},
      {"#.#", 1538.46, "1538.5"},
      {"#.#", -1538.44, "-1538.4"},
      {"#.#", 0.05, "0.1"},
      {"#.#", 0.04, "0"},
      {"#.#", 99.96, "100"},
      {"#.####", 1.00794, "1.0079"},
      {"#.####", 0.00005, "0.0001"},
      {"#.####", 12, "12"},
      {"#.####", -3.14159265, "-3.1416"},
      {"#.0#", 5, "5.0"},
      {"#.0#", 5.25, "5.25"},
      {"#.0#", 5.251, "5.25"},
      {"#.0#", 0.5, "0.5"},
      {"#.0#", 0, "0.0"},
      {"#.0#", 9.999, "10.0"},
      {"#.0#", -0.001, "0.0"},
      {"0.##", 0.5, "0.5"},
      {"0.##", 7, "7"},
      {"0.##", 0, "0"},
      {"00.#", 5, "05"},
      {"#.##e", 1.602176634e-19, "1.6e-19"},
      {"#.##e", 6.02214076e23, "6.02e+23"},
      {"#.##e", 1, "1e+0"},
      {"#.##e", 12345, "1.23e+4"},
      {"#.##e", 9.999e5, "1e+6"},
      {"#.##e", 1e100, "1e+100"},
      {"#.##e", 5e-324, "4.94e-324"},
      {"#.##e", -1.5e-7, "-1.5e-7"},
      {"#.##e", 0, "0e+0"},
      {"#.##e", -0.0, "0e+0"},
      {"#.#e", 1.602176634e-19, "1.6e-19"},
      {"#.#e", 9.94, "9.9e+0"},
      {"#.#e", 9.96, "1e+1"},
      {"#.#e", -2260, "-2.3e+3"},
      {"-#.0#", 5, "5.0"},
      {"-#.0#", -5, "-5.0"},
      {"-#.0#", 3.14159, "3.14"},
      {"-#.0#", -0.001, "0.0"},
      {"-#.###", -1.6, "-1.6"},
      {"-#.###", 1.6, "1.6"},
      {"-#.###", -1234.5678, "-1234.568"},
      {"-#.###", -0.0001, "0"},
      {"-#.##", -0.5, "-0.5"},
      {"-#.##", 0.5, "0.5"},
      {"-#.##", -2.675, "-2.67"},
      {"-#.####", -0.00012345, "-0.0001"},
      {"-#.####", 1.00794, "1.0079"},
      {"-#.####", -0.00004, "0"},
      {"-#.##e", -1.602176634e-19, "-1.6e-19"},
      {"-#.##e", 6.02214076e23, "6.02e+23"},
      {"-#.##e", -9.999e-5, "-1e-4"},
      {"#.###%", 0.9999, "99.99%"},
      {"#.###%", 0.5, "50%"},
      {"#.###%", 1, "100%"},
      {"#.###%", 0.123456, "12.346%"},
      {"#.###%", -0.25, "-25%"},
      {"#.###%", 0, "0%"},
      {"#.###%", -0.0000001, "0%"},
      {"#.##", kInfinity, "inf"},
      {"#.##e", -kInfinity, "-inf"},
      {"#.###%", kNaN, "nan"},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE("\"" + c.mask + "\" expecting \"" + c.expected + "\"");
    EXPECT_EQ(Format(c.x, c.mask), c.expected);
  }
}

struct TextCase {
  std::string text;
  std::string expected;
};

TEST(TitlecaseTest, CapitalisesEveryWord) {
  const std::vector<TextCase> cases = {
      {"per meter", "Per Meter"},
      {" odor", " Odor"},
      {"galvaniz", "Galvaniz"},
      {"-meters", "-Meters"},
      {"HYDROGEN", "Hydrogen"},
      {"x-ray tube", "X-Ray Tube"},
      {"two  spaces", "Two  Spaces"},
      {"tab\tnew\nline", "Tab\tNew\nLine"},
      {"o'NEIL", "O'neil"},
      {"3rd floor", "3rd Floor"},
      {"(odor)", "(odor)"},
      {"", ""},
      {"v\xC3\xB8LK", "V\xC3\xB8lk"},
      {"\xC3\xA9THER", "\xC3\xA9ther"},
      {"\xC3\x85NGSTR\xC3\x96M", "\xC3\x85ngstr\xC3\x96m"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\"");
    EXPECT_EQ(Titlecase(c.text), c.expected);
  }
}

TEST(LenTest, CountsCharactersNotBytes) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"", 0},
      {"abc", 3},
      {"\xC3\x85", 1},
      {"v\xC3\xB8lk", 4},
      {"\xE2\x88\x91\xE2\x88\x91\xE2\x88\x91", 3},
      {"\xF0\x9D\x94\xB8", 1},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE("\"" + text + "\"");
    EXPECT_EQ(Len(text), expected);
  }
}

struct ReplaceAllCase {
  std::string text;
  std::string oldText;
  std::string newText;
  std::string expected;
};

TEST(ReplaceAllTest, ReplacesLeftToRightWithoutOverlap) {
  const std::vector<ReplaceAllCase> cases = {
      {"a.b.c", ".", "-", "a-b-c"},
      {"aaa", "aa", "b", "ba"},
      {"aXbX", "X", "XX", "aXXbXX"},
      {"abab", "ab", "", ""},
      {"xyz", "q", "r", "xyz"},
      {"abc", "", "x", "abc"},
      {"", "a", "b", ""},
      {"v\xC3\xB8lk v\xC3\xB8lk", "\xC3\xB8", "o", "volk volk"},
  };
  for (const ReplaceAllCase& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\": \"" + c.oldText + "\" -> \"" + c.newText + "\"");
    EXPECT_EQ(ReplaceAll(c.text, c.oldText, c.newText), c.expected);
  }
}

// Switches the C locale to the first of the named locales this system has that passes `wanted`,
// and back at the end. The Qt application takes the user's locale at start-up, so the text
// functions must give the same results under any of them.
class ScopedCLocale {
 public:
  ScopedCLocale(std::initializer_list<const char*> names, bool (*wanted)())
      : previous_(std::setlocale(LC_ALL, nullptr)) {
    for (const char* name : names) {
      if (std::setlocale(LC_ALL, name) != nullptr && wanted()) {
        active_ = true;
        return;
      }
    }
    std::setlocale(LC_ALL, previous_.c_str());
  }
  ~ScopedCLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
  ScopedCLocale(const ScopedCLocale&) = delete;
  ScopedCLocale& operator=(const ScopedCLocale&) = delete;

  bool active() const { return active_; }

 private:
  std::string previous_;
  bool active_ = false;
};

bool HasDecimalComma() { return std::strcmp(std::localeconv()->decimal_point, ",") == 0; }
bool HasEightBitLetters() { return std::isalpha(0xE5) != 0; }

TEST(TextFunctionsLocaleTest, NumbersKeepThePointUnderADecimalCommaLocale) {
  ScopedCLocale locale({"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR"},
                       HasDecimalComma);
  if (!locale.active()) GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(Val("1.5"), 1.5);
  EXPECT_EQ(Val("1,5"), 1);
  EXPECT_EQ(Str(1.5), "1.5");
  EXPECT_EQ(Format(2.5, "#.0#"), "2.5");
  EXPECT_EQ(Format(6.02214076e23, "#.##e"), "6.02e+23");
}

TEST(TextFunctionsLocaleTest, TitlecaseKeepsMultibyteTextUnderAnEightBitLocale) {
  ScopedCLocale locale({"de_DE.ISO-8859-1", "de_DE", "en_US.ISO-8859-1", "en_US", "fr_FR"},
                       HasEightBitLetters);
  if (!locale.active()) GTEST_SKIP() << "no eight-bit locale installed";
  EXPECT_EQ(Titlecase("v\xC3\xB8lk \xC3\xA5r"), "V\xC3\xB8lk \xC3\xA5r");
}

}  // namespace
