#include "notes/OptionalLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "prefs/PreferenceGlobals.h"

namespace {

TEST(OptionalLineTest, OnlyATokenOfExactlyOneSelectsItsLine) {
  struct Case {
    const char* selection;
    int token;
    bool selected;
  };
  const Case cases[] =
      {
          {"1 0 1", 1, true},  {"1 0 1", 2, false}, {"1 0 1", 3, true},
          {"1 0 1", 4, false},  // shorter than its group
          {"", 1, false},      {"1", 1, true},      {"1", 2, false},
          {"2 1", 1, false},   {"yes 1", 1, false}, {"1  1", 2, false},  // two blanks: an empty token
          {"1  1", 3, true},   {" 1", 1, false},    {"1 1 ", 2, true},
          {"11", 1, false},    {"1\t1", 1, false},  {"01", 1, false},
      };
  for (const Case& test : cases) {
    EXPECT_EQ(IsSelected(test.selection, test.token), test.selected)
        << '"' << test.selection << "\" token " << test.token;
  }
}

TEST(OptionalLineTest, OnlyTheWholeTextNulIsMissing) {
  EXPECT_TRUE(IsMissingValue("nul"));
  for (const char* cell : {"", "null", "Nul", "NUL", " nul", "nul ", "--", "0"}) {
    EXPECT_FALSE(IsMissingValue(cell)) << '"' << cell << '"';
  }
}

class OptionalLinePatternTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetPreferenceGlobals(); }
  void TearDown() override { ResetPreferenceGlobals(); }

  std::optional<std::string> Line(bool selected, const std::string& cell) {
    return OptionalLine(selected, cell, "x: --", [&] {
      ++presentCalls;
      return "x: " + cell;
    });
  }

  int presentCalls = 0;
};

TEST_F(OptionalLinePatternTest, MissingValueGivesTheNoDataFormUnlessBlanksAreOmitted) {
  EXPECT_EQ(Line(true, "nul"), "x: --");
  prefOmitBlanks = true;
  EXPECT_EQ(Line(true, "nul"), std::nullopt);
  EXPECT_EQ(presentCalls, 0);
}

TEST_F(OptionalLinePatternTest, PresentValueGivesTheLineWhateverOmitBlanksHolds) {
  EXPECT_EQ(Line(true, "5"), "x: 5");
  prefOmitBlanks = true;
  EXPECT_EQ(Line(true, "5"), "x: 5");
}

TEST_F(OptionalLinePatternTest, LineNotSelectedReadsNothing) {
  EXPECT_EQ(Line(false, "5"), std::nullopt);
  EXPECT_EQ(Line(false, "nul"), std::nullopt);
  EXPECT_EQ(presentCalls, 0);
}

}  // namespace
