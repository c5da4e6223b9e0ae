#include <gtest/gtest.h>

#include <string>

#include "framework/TextFunctions.h"
#include "notes/CompanionNoteFixture.h"
#include "support/TestSupport.h"

namespace {

class IsotopeNoteTest : public CompanionNoteTest {
 protected:
  void SetUp() override {
    CompanionNoteTest::SetUp();
    SetCounts("30", "4", "26", "0");
    SetNaturalIsotopes("4", "54,5.845 56,91.754 57,2.119 58,0.282");
  }

  static void SetCounts(const std::string& total, const std::string& stable, const std::string& unstable,
                        const std::string& radioactive) {
    eIsotope(kRow, 0) = total;
    eIsotope(kRow, 1) = stable;
    eIsotope(kRow, 2) = unstable;
    eIsotope(kRow, 3) = radioactive;
  }

  // The dataset's line: the count, then the items.
  static void SetNaturalIsotopes(const std::string& count, const std::string& items) {
    eIsotope2(kRow, 0) = count;
    eIsotope2(kRow, 1) = count + " " + items;
  }

  // The note after its title line, cut at CRs; line 1 is the heading of the natural isotopes.
  std::string Body() const { return NthField(worker_.createIsotopes(kAtomicNumber), "\n", 2); }
  std::string Line(int n) const { return NthField(Body(), "\r", n); }

  ScopedRecordingSink sink_;
};

TEST_F(IsotopeNoteTest, WritesTheWholeNote) {
  EXPECT_EQ(ShowBreaks(worker_.createIsotopes(kAtomicNumber)),
            ShowBreaks("<TITLE>Fe isotopes</TITLE>\n"
                       "Abundances of 4 natural isotopes:\r"
                       "Fe-54:  5.845%\r"
                       "Fe-56:  91.754%\r"
                       "Fe-57:  2.119%\r"
                       "Fe-58:  0.282%\r"
                       "\r"
                       "Iron has:\r"
                       "30 total isotopes, \r"
                       "4 stable isotopes, and \r"
                       "26 unstable isotopes.  \r"
                       "\r"
                       "None of the radioactive isotopes of iron are naturally occurring.\r"));
  EXPECT_TRUE(sink_.messages().empty());
}

// The heading takes the singular only for the text "1"; "VS" reads "small amounts" in either form.
struct NaturalCase {
  std::string name;
  std::string count;
  std::string items;
  std::string lines;  // the heading and the abundance lines, up to the empty line
};

class NaturalIsotopesTest : public IsotopeNoteTest, public ::testing::WithParamInterface<NaturalCase> {};

TEST_P(NaturalIsotopesTest, ListsTheAbundances) {
  SetNaturalIsotopes(GetParam().count, GetParam().items);
  const std::string body = Body();
  EXPECT_EQ(ShowBreaks(body.substr(0, body.find("\r\r") + 1)), ShowBreaks(GetParam().lines));
  EXPECT_TRUE(
      body.ends_with("\r\rIron has:\r30 total isotopes, \r4 stable isotopes, and \r26 unstable isotopes.  "
                     "\r\rNone of the radioactive isotopes of iron are naturally occurring.\r"))
      << ShowBreaks(body);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, NaturalIsotopesTest,
    ::testing::Values(
        NaturalCase{"One", "1", "56,100", "1 natural isotope:\rFe-56:  100%\r"},
        NaturalCase{"OneInSmallAmounts", "1", "60,VS", "1 natural isotope:\rFe-60:  small amounts\r"},
        NaturalCase{"OneWrittenAsDecimal", "1.0", "56,100",
                    "Abundances of 1.0 natural isotopes:\rFe-56:  100%\r"},
        NaturalCase{"SeveralWithOneInSmallAmounts", "2", "56,99.5 60,VS",
                    "Abundances of 2 natural isotopes:\rFe-56:  99.5%\rFe-60:  small amounts\r"},
        NaturalCase{"AFourthDecimalIsRounded", "1", "56,12.34567", "1 natural isotope:\rFe-56:  12.346%\r"},
        NaturalCase{"MissingItemsReadAsEmpty", "2", "56,91.754",
                    "Abundances of 2 natural isotopes:\rFe-56:  91.754%\rFe-:  0%\r"},
        NaturalCase{"None", "0", "", "None of the isotopes of iron are naturally occurring.\r"},
        NaturalCase{"Negative", "-1", "56,100", "None of the isotopes of iron are naturally occurring.\r"},
        NaturalCase{"NotANumber", "nul", "56,100",
                    "None of the isotopes of iron are naturally occurring.\r"}),
    [](const ::testing::TestParamInfo<NaturalCase>& info) { return info.param.name; });

// One abundance line, worked by hand: the stored percentage rounded to three decimals, or
// "<0.001%" where a stored value above zero would read 0 that way.
struct AbundanceCase {
  std::string name;
  std::string symbol;
  std::string item;  // mass number, comma, stored abundance
  std::string line;
};

class AbundanceLineTest : public IsotopeNoteTest, public ::testing::WithParamInterface<AbundanceCase> {};

TEST_P(AbundanceLineTest, ShowsThePercentage) {
  eGeneral(kRow, 1) = GetParam().symbol;
  SetNaturalIsotopes("1", GetParam().item);
  EXPECT_EQ(Line(2), GetParam().line);
  EXPECT_EQ(Line(3), "");
}

INSTANTIATE_TEST_SUITE_P(
    Percentages, AbundanceLineTest,
    ::testing::Values(AbundanceCase{"HeliumThreeBelowAThousandth", "He", "3,0.000134", "He-3:  <0.001%"},
                      AbundanceCase{"HeliumFourRoundsToAWhole", "He", "4,99.999866", "He-4:  100%"},
                      AbundanceCase{"HydrogenOne", "H", "1,99.9885", "H-1:  99.989%"},
                      // 0.0115 is stored in binary just below itself, so it rounds down.
                      AbundanceCase{"HydrogenTwo", "H", "2,0.0115", "H-2:  0.011%"},
                      AbundanceCase{"UraniumTwoThirtyFour", "U", "234,0.0054", "U-234:  0.005%"},
                      AbundanceCase{"HalfAThousandthRoundsUp", "Fe", "56,0.0005", "Fe-56:  0.001%"},
                      AbundanceCase{"JustBelowHalfAThousandth", "Fe", "56,0.00049", "Fe-56:  <0.001%"},
                      AbundanceCase{"Zero", "Fe", "56,0", "Fe-56:  0%"},
                      AbundanceCase{"NotANumber", "Fe", "56,nul", "Fe-56:  0%"},
                      AbundanceCase{"NegativeIsNoBound", "Fe", "56,-0.0001", "Fe-56:  0%"}),
    [](const ::testing::TestParamInfo<AbundanceCase>& info) { return info.param.name; });

// " a,b" items for mass numbers 1 to count, each with abundance 1.
std::string Items(int count) {
  std::string items;
  for (int mass = 1; mass <= count; ++mass) items += (mass > 1 ? " " : "") + Str(mass) + ",1";
  return items;
}

TEST_F(IsotopeNoteTest, ListsTwentyNaturalIsotopes) {
  SetNaturalIsotopes("20", Items(20));
  EXPECT_EQ(Line(1), "Abundances of 20 natural isotopes:");
  EXPECT_EQ(Line(2), "Fe-1:  1%");
  EXPECT_EQ(Line(21), "Fe-20:  1%");
  EXPECT_EQ(Line(22), "");
  EXPECT_TRUE(sink_.messages().empty());
}

// A 21st natural isotope does not fit the table: one message, and the note is empty.
TEST_F(IsotopeNoteTest, MoreThanTwentyNaturalIsotopesGiveTheMessageAndNoText) {
  SetNaturalIsotopes("21", Items(21));
  EXPECT_EQ(worker_.createIsotopes(kAtomicNumber), "");
  ASSERT_EQ(sink_.messages().size(), 1u);
  EXPECT_EQ(sink_.messages()[0].text, "Error: array out of bounds in createIsotopes");
  EXPECT_EQ(sink_.messages()[0].icon, 48);
  EXPECT_EQ(sink_.messages()[0].title, "Error");
}

TEST_F(IsotopeNoteTest, AnAtomicNumberOutsideTheTablesGivesTheMessageAndNoText) {
  for (int atomicNumber : {0, 119}) EXPECT_EQ(worker_.createIsotopes(atomicNumber), "");
  EXPECT_EQ(sink_.messages().size(), 2u);
}

// The whole note of an undiscovered element: no CR at its end, and the natural isotopes are
// never read (a count that would not fit the table gives no message).
TEST_F(IsotopeNoteTest, AnUndiscoveredElementHasOnlyItsTitleAndOneSentence) {
  eIsotope(kRow, 0) = "nul";
  SetNaturalIsotopes("21", Items(21));
  EXPECT_EQ(ShowBreaks(worker_.createIsotopes(kAtomicNumber)),
            ShowBreaks("<TITLE>Fe isotopes</TITLE>\nIron has not yet been discovered."));
  EXPECT_TRUE(sink_.messages().empty());
}

struct CountCase {
  std::string total, stable, unstable, radioactive;
  std::string lines;  // from "Iron has:" to the end
};

class IsotopeCountsTest : public IsotopeNoteTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(IsotopeCountsTest, UseTheSingularOnlyForOne) {
  const CountCase& c = GetParam();
  SetCounts(c.total, c.stable, c.unstable, c.radioactive);
  const std::string body = Body();
  EXPECT_EQ(ShowBreaks(body.substr(body.find("Iron has:"))), ShowBreaks(c.lines));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, IsotopeCountsTest,
    ::testing::Values(
        CountCase{"1", "1", "1", "1",
                  "Iron has:\r1 total isotope, \r1 stable isotope, and \r1 unstable isotope.  \r\r"
                  "One of the radioactive isotopes of iron is naturally occurring.\r"},
        CountCase{"0", "0", "0", "0",
                  "Iron has:\r0 total isotopes, \r0 stable isotopes, and \r0 unstable isotopes.  \r\r"
                  "None of the radioactive isotopes of iron are naturally occurring.\r"},
        CountCase{"38", "1", "37", "2",
                  "Iron has:\r38 total isotopes, \r1 stable isotope, and \r37 unstable isotopes.  \r\r"
                  "2 of the radioactive isotopes of iron are naturally occurring.\r"}),
    [](const ::testing::TestParamInfo<CountCase>& info) { return "Total" + info.param.total; });

}  // namespace
