#include "framework/RegEx.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Exceptions.h"

namespace {

struct ReplaceCase {
  std::string search;
  std::string replacement;
  std::string target;
  std::string expected;
};

TEST(RegExTest, ReplacesEveryLiteralMatch) {
  const std::vector<ReplaceCase> cases = {
      {".", "-", "a.b.c", "a-b-c"},
      {"(x)+", "y", "(x)+(x)+ x", "yy x"},
      {"colour", "color", "Colour colour", "Colour color"},
      {"\xC3\xB8", "o", "v\xC3\xB8lk", "volk"},
      {"q", "r", "xyz", "xyz"},
  };
  for (const ReplaceCase& c : cases) {
    SCOPED_TRACE("\"" + c.search + "\" in \"" + c.target + "\"");
    RegEx engine;
    engine.SearchPattern = c.search;
    engine.ReplacementPattern = c.replacement;
    EXPECT_EQ(engine.Replace(c.target), c.expected);
  }
}

TEST(RegExTest, ReplacesOnlyTheFirstMatchWhenAsked) {
  RegEx engine;
  engine.SearchPattern = std::string("a");
  engine.ReplacementPattern = std::string("b");
  engine.ReplaceAllMatches = false;
  EXPECT_EQ(engine.Replace("aaa"), "baa");
}

TEST(RegExTest, EmptySearchPatternThrows) {
  RegEx engine;
  engine.ReplacementPattern = "x";
  EXPECT_THROW(engine.Replace("text"), RegExException);
}

}  // namespace
