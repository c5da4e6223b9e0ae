#include <gtest/gtest.h>

#include <string>

#include "notes/ElementRowFixture.h"
#include "notes/PropertyLines.h"

namespace {

class AbundanceLinesTest : public ElementRowTest {
 protected:
  void SetUp() override {
    ElementRowTest::SetUp();
    eAbundances(kRow, 0) = "5.63";
    eAbundances(kRow, 1) = "0.000055";
    eAbundances(kRow, 2) = "0.002";
    eAbundances(kRow, 3) = "900000";
    eCAS(kRow) = "7439-89-6";
  }
};

// The ocean line reads column 2 and the atmosphere line column 1.
TEST_F(AbundanceLinesTest, EveryLineInTokenOrder) {
  prefAbundances = "1 1 1 1";
  EXPECT_EQ(AbundanceLines(kRow), WholeLines({
                                      "crustal abundance: 5.63%",
                                      "oceanic abundance: \r 0.002 mg/L",
                                      "atmosphere abundance: 0.000055%",
                                      "solar system abundance:\r 900000\r (normalized to Si=1x10^6)",
                                  }));
}

TEST_F(AbundanceLinesTest, SolarValueIsAlwaysReformatted) {
  prefAbundances = "0 0 0 1";
  struct Case {
    const char* cell;
    const char* value;
  };
  const Case cases[] = {
      {"2.7e10", "27000000000"}, {"3.456", "3.46"}, {"1.2500", "1.25"}, {"0.001", "0"}, {"abc", "0"},
      {"-0.5", "-0.5"},
  };
  for (const Case& test : cases) {
    eAbundances(kRow, 3) = test.cell;
    EXPECT_EQ(AbundanceLines(kRow), WholeLines({"solar system abundance:\r " + std::string(test.value) +
                                                "\r (normalized to Si=1x10^6)"}))
        << test.cell;
  }
}

TEST_F(AbundanceLinesTest, NoDataFormsUnlessBlanksAreOmitted) {
  for (int column = 0; column <= 3; ++column) eAbundances(kRow, column) = "nul";
  prefAbundances = "1 1 1 1";
  EXPECT_EQ(AbundanceLines(kRow), WholeLines({
                                      "crustal abundance: -- %",
                                      "oceanic abundance: -- mg/L",
                                      "atmosphere abundance: -- %",
                                      "solar system abundance:\r -- (normalized to Si=1x10^6)",
                                  }));
  prefOmitBlanks = true;
  EXPECT_EQ(AbundanceLines(kRow), NoteLines{});
}

TEST_F(AbundanceLinesTest, SelectionPicksSingleLines) {
  struct Case {
    const char* selection;
    NoteLines expected;
  };
  const Case cases[] = {
      {"0 0 1", WholeLines({"atmosphere abundance: 0.000055%"})},
      {"0 1", WholeLines({"oceanic abundance: \r 0.002 mg/L"})},
      {"1", WholeLines({"crustal abundance: 5.63%"})},
      {"0 0 0 0", {}},
      {"", {}},
  };
  for (const Case& test : cases) {
    prefAbundances = test.selection;
    EXPECT_EQ(AbundanceLines(kRow), test.expected) << '"' << test.selection << '"';
  }
}

TEST_F(AbundanceLinesTest, CASLineFollowsTheFirstMiscToken) {
  struct Case {
    const char* selection;
    const char* cas;
    bool omitBlanks;
    NoteLines expected;
  };
  const Case cases[] = {
      {"1 1", "7439-89-6", false, WholeLines({"CAS #: 7439-89-6"})},
      {"1", "7439-89-6", true, WholeLines({"CAS #: 7439-89-6"})},
      {"0 1", "7439-89-6", false, {}},
      {"", "7439-89-6", false, {}},
      {"1 0", "nul", false, WholeLines({"CAS #: --"})},
      {"1 1", "nul", true, {}},
  };
  for (const Case& test : cases) {
    prefMisc = test.selection;
    eCAS(kRow) = test.cas;
    prefOmitBlanks = test.omitBlanks;
    EXPECT_EQ(CASLines(kRow), test.expected) << '"' << test.selection << "\" " << test.cas;
  }
}

}  // namespace
