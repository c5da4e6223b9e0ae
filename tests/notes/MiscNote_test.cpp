#include <gtest/gtest.h>

#include <string>

#include "framework/Exceptions.h"
#include "framework/Random.h"
#include "framework/TextFunctions.h"
#include "notes/CompanionNoteFixture.h"
#include "support/TestSupport.h"

namespace {

class MiscNoteTest : public CompanionNoteTest {
 protected:
  void SetUp() override {
    CompanionNoteTest::SetUp();
    eGeneral(kRow, 0) = "hafnium";
    eGeneral(kRow, 1) = "Hf";
    eHistory(kRow, 0) = "1923";
    eHistory(kRow, 1) = "Dirk Coster and George de Hevesy";
    eHistory(kRow, 2) = "Denmark";
    eNames(kRow, 1) = "From Hafnia, the Latin name of Copenhagen.";
    eUses(kRow) = "Control rods of nuclear reactors.";
    eOres(kRow) = "zircon, baddeleyite";
  }

  // The note's lines, cut at its CRs.
  std::string Line(int n) const { return NthField(worker_.createMisc(kAtomicNumber), "\r", n); }

  // Replaces the draw; counts how often it is asked for.
  void DrawAlways(double u) {
    SetRandomForTesting([this, u] {
      ++draws_;
      return u;
    });
  }

  int draws_ = 0;
};

TEST_F(MiscNoteTest, WritesTheWholeNote) {
  DrawAlways(0.5);
  EXPECT_EQ(ShowBreaks(worker_.createMisc(kAtomicNumber)),
            ShowBreaks("<?xml encoding=\"UTF-8\"?>\r"
                       "<TITLE>Hf misc.</TITLE>\r"
                       "In 1923, Dirk Coster and George de Hevesy of Denmark discovered hafnium. "
                       "From Hafnia, the Latin name of Copenhagen.\r"
                       "\r"
                       "Control rods of nuclear reactors.\r"
                       "\r"
                       "Sources: zircon, baddeleyite"));
  EXPECT_EQ(draws_, 1);
}

// k = 2u rounded half away from zero: k = 1 for 0.25 <= u < 0.75 takes the "In <year>" wording,
// k = 0 and k = 2 the other one.
struct DrawCase {
  double u;
  bool inYearWording;
};

class DiscoveryWordingTest : public MiscNoteTest, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(DiscoveryWordingTest, FollowsTheRoundedDraw) {
  DrawAlways(GetParam().u);
  const std::string expected =
      GetParam().inYearWording
          ? "In 1923, Dirk Coster and George de Hevesy of Denmark discovered hafnium."
          : "Hafnium was discovered in 1923 by Dirk Coster and George de Hevesy of Denmark.";
  EXPECT_EQ(Line(3), expected + " From Hafnia, the Latin name of Copenhagen.");
}

INSTANTIATE_TEST_SUITE_P(Draws, DiscoveryWordingTest,
                         ::testing::Values(DrawCase{0.0, false}, DrawCase{0.2, false},
                                           DrawCase{0.2499, false}, DrawCase{0.25, true}, DrawCase{0.5, true},
                                           DrawCase{0.7499, true}, DrawCase{0.75, false},
                                           DrawCase{0.9, false}, DrawCase{0.9999, false}),
                         [](const ::testing::TestParamInfo<DrawCase>& info) {
                           return "Draw" + TestNameOf(Str(info.param.u));
                         });

// With the program's own generator each wording comes up about half the time, anew on every call.
TEST_F(MiscNoteTest, TheProcessGeneratorGivesBothWordingsAboutEquallyOften) {
  int inYear = 0;
  constexpr int kCalls = 2000;
  for (int i = 0; i < kCalls; ++i) {
    if (Line(3).starts_with("In 1923, ")) ++inYear;
  }
  EXPECT_GT(inYear, kCalls * 2 / 5);
  EXPECT_LT(inYear, kCalls * 3 / 5);
}

TEST_F(MiscNoteTest, AnUndiscoveredOrAncientElementDrawsNothing) {
  DrawAlways(0.5);
  eHistory(kRow, 0) = "nul";
  EXPECT_EQ(Line(3), "This element has not yet been discovered. From Hafnia, the Latin name of Copenhagen.");
  eHistory(kRow, 0) = "ancient";
  eGeneral(kRow, 0) = "black lead";
  EXPECT_EQ(Line(3), "Black Lead was known to ancient societies. From Hafnia, the Latin name of Copenhagen.");
  EXPECT_EQ(draws_, 0);
  // The rest of the note follows as usual.
  EXPECT_EQ(Line(5), "Control rods of nuclear reactors.");
  EXPECT_EQ(Line(7), "Sources: zircon, baddeleyite");
}

// Only the year cell is tested for markers; every other cell is copied as stored.
TEST_F(MiscNoteTest, CopiesOtherMissingValuesAsText) {
  DrawAlways(0.0);
  eHistory(kRow, 1) = "nul";
  eNames(kRow, 1) = "nul";
  eUses(kRow) = "nul";
  EXPECT_EQ(Line(3), "Hafnium was discovered in 1923 by nul of Denmark. nul");
  EXPECT_EQ(Line(5), "nul");
}

struct SourceCase {
  std::string ores;
  std::string line;
};

class SourceLineTest : public MiscNoteTest, public ::testing::WithParamInterface<SourceCase> {};

// The markers are tested before the list is counted; the line is the note's last, with no CR.
TEST_P(SourceLineTest, EndsTheNote) {
  eOres(kRow) = GetParam().ores;
  const std::string note = worker_.createMisc(kAtomicNumber);
  EXPECT_EQ(CountFields(note, "\r"), 7) << ShowBreaks(note);
  EXPECT_EQ(NthField(note, "\r", 7), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, SourceLineTest,
    ::testing::Values(SourceCase{"nul", "Sources: no major sources"},
                      SourceCase{"art", "Source: artificially produced"}, SourceCase{"none", "Source: none"},
                      SourceCase{"copper", "Source: copper"}, SourceCase{"", "Source: "},
                      SourceCase{"a, b", "Sources: a, b"}, SourceCase{"art, none", "Sources: art, none"},
                      SourceCase{"pitchblende,carnotite,", "Sources: pitchblende,carnotite,"}),
    [](const ::testing::TestParamInfo<SourceCase>& info) { return TestNameOf(info.param.ores); });

// A row outside the tables is the caller's failure to report.
TEST_F(MiscNoteTest, AnAtomicNumberOutsideTheTablesRaises) {
  EXPECT_THROW(worker_.createMisc(0), OutOfBoundsException);
  EXPECT_THROW(worker_.createMisc(119), OutOfBoundsException);
}

}  // namespace
