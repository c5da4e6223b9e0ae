#include <gtest/gtest.h>

#include <string>

#include "notes/ElementRowFixture.h"
#include "notes/PropertyLines.h"

namespace {

class PhysicalLinesTest : public ElementRowTest {
 protected:
  void SetUp() override {
    ElementRowTest::SetUp();
    ePhysical(kRow, 3) = "1811";
    ePhysical(kRow, 4) = "3134";
    ePhysical(kRow, 5) = "340";
    ePhysical(kRow, 6) = "13.81";
    ePhysical(kRow, 7) = "0.449";
    ePhysical(kRow, 8) = "4.5";
    ePhysical2(kRow, 0) = "11.8";
    ePhysical2(kRow, 1) = "-3.98";
  }
};

TEST_F(PhysicalLinesTest, EveryLineInTokenOrder) {
  prefPhysical = "1 1 1 1 1 1 1 1";
  EXPECT_EQ(PhysicalPropertyLines(kRow), (NoteLines{
                                             {"melt: 1811 K", false},
                                             {" • boil: 3134 K", true},
                                             {"ΔHvap: 3.524 eV", true},
                                             {"ΔHfus: 0.143 eV", true},
                                             {"spec. heat: 2.51e-2 kJ/mol K", true},
                                             {"photo. work. fxn.: 4.5 eV", true},
                                             {"linear expansion coeff.:\r 11.8x10^-6/K @25°C", true},
                                             {"magnetic susceptibility:\r -3.98x10^-6 cm³/mol", true},
                                         }));
}

// The melting part continues on the same note line when a boiling part follows it.
TEST_F(PhysicalLinesTest, MeltingAndBoilingJoins) {
  struct Case {
    const char* name;
    const char* selection;
    const char* melting;
    const char* boiling;
    bool omitBlanks;
    NoteLines expected;
  };
  const Case cases[] = {
      {"both", "1 1", "1811", "3134", false, {{"melt: 1811 K", false}, {" • boil: 3134 K", true}}},
      {"melting only selected", "1 0", "1811", "3134", false, WholeLines({"melt: 1811 K"})},
      {"boiling only selected", "0 1", "1811", "3134", false, WholeLines({"boil: 3134 K"})},
      {"short selection", "1", "1811", "3134", false, WholeLines({"melt: 1811 K"})},
      {"empty selection", "", "1811", "3134", false, {}},
      {"other tokens", "yes 2", "1811", "3134", false, {}},
      {"melting missing, omitted", "1 1", "nul", "3134", true, WholeLines({"boil: 3134 K"})},
      {"melting missing, shown",
       "1 1",
       "nul",
       "3134",
       false,
       {{"melt: --", false}, {" • boil: 3134 K", true}}},
      {"boiling missing, omitted", "1 1", "1811", "nul", true, WholeLines({"melt: 1811 K"})},
      {"boiling missing, shown",
       "1 1",
       "1811",
       "nul",
       false,
       {{"melt: 1811 K", false}, {" • boil: --", true}}},
      {"both missing, shown", "1 1", "nul", "nul", false, {{"melt: --", false}, {" • boil: --", true}}},
      {"both missing, omitted", "1 1", "nul", "nul", true, {}},
      {"melting missing alone, shown", "1 0", "nul", "3134", false, WholeLines({"melt: --"})},
  };
  for (const Case& test : cases) {
    prefPhysical = test.selection;
    prefOmitBlanks = test.omitBlanks;
    ePhysical(kRow, 3) = test.melting;
    ePhysical(kRow, 4) = test.boiling;
    EXPECT_EQ(PhysicalPropertyLines(kRow), test.expected) << test.name;
  }
}

TEST_F(PhysicalLinesTest, MeltingAndBoilingHaveTheirOwnTemperatureUnits) {
  prefPhysical = "1 1";
  prefUnits(1) = 1;
  prefUnits(2) = 2;
  prefUnits(16) = 3;
  // 1.8 * (3134 - 273.15) + 32 = 5181.53
  EXPECT_EQ(PhysicalPropertyLines(kRow),
            (NoteLines{{"melt: 1537.85˚C", false}, {" • boil: 5181.53˚F", true}}));
}

TEST_F(PhysicalLinesTest, EnergyLinesReadTheirOwnCellAndUnitChoice) {
  prefPhysical = "0 0 1 1 1 1";
  prefUnits(3) = 13;  // 340 / 55.845
  prefUnits(4) = 8;
  prefUnits(5) = 2;  // 0.449 * 55.845
  prefUnits(6) = 1;  // 4.5 * c
  EXPECT_EQ(PhysicalPropertyLines(kRow), WholeLines({
                                             "ΔHvap: 6.09 kJ/g",
                                             "ΔHfus: 13.81 kJ/mol",
                                             "spec. heat: 25.07 J/mol K",
                                             "photo. work. fxn.: 1.7e-19 cal",
                                         }));
}

TEST_F(PhysicalLinesTest, NoDataFormsUnlessBlanksAreOmitted) {
  for (int column = 3; column <= 8; ++column) ePhysical(kRow, column) = "nul";
  ePhysical2(kRow, 0) = "nul";
  ePhysical2(kRow, 1) = "nul";
  prefPhysical = "0 0 1 1 1 1 1 1";
  EXPECT_EQ(PhysicalPropertyLines(kRow), WholeLines({
                                             "ΔHvap: --",
                                             "ΔHfus: --",
                                             "spec. heat: --",
                                             "photo. work. fxn.: --",
                                             "linear expansion coeff.: --",
                                             "magnetic susceptibility: --",
                                         }));
  prefOmitBlanks = true;
  prefPhysical = "1 1 1 1 1 1 1 1";
  EXPECT_EQ(PhysicalPropertyLines(kRow), NoteLines{});
}

// Both cells are stored in millionths: the unit text carries the power of ten, negative for both.
// Only the exact cell "FER" (a ferromagnet) is written on one display line.
TEST_F(PhysicalLinesTest, ExpansionAndSusceptibilityCarryTheirPowerOfTen) {
  struct Case {
    const char* name;
    const char* selection;
    int column;
    const char* cell;
    const char* expected;
  };
  const Case cases[] = {
      {"lithium expansion", "0 0 0 0 0 0 1", 0, "46", "linear expansion coeff.:\r 46x10^-6/K @25°C"},
      {"tungsten expansion", "0 0 0 0 0 0 1", 0, "4.5", "linear expansion coeff.:\r 4.5x10^-6/K @25°C"},
      {"hydrogen susceptibility", "0 0 0 0 0 0 0 1", 1, "-3.98",
       "magnetic susceptibility:\r -3.98x10^-6 cm³/mol"},
      {"gadolinium susceptibility", "0 0 0 0 0 0 0 1", 1, "185000",
       "magnetic susceptibility:\r 185000x10^-6 cm³/mol"},
      {"ferromagnet", "0 0 0 0 0 0 0 1", 1, "FER", "magnetic susceptibility: FER"},
      {"lower-case code", "0 0 0 0 0 0 0 1", 1, "fer", "magnetic susceptibility:\r ferx10^-6 cm³/mol"},
      {"code with a blank", "0 0 0 0 0 0 0 1", 1, "FER ", "magnetic susceptibility:\r FER x10^-6 cm³/mol"},
  };
  for (const Case& test : cases) {
    prefPhysical = test.selection;
    ePhysical2(kRow, test.column) = test.cell;
    EXPECT_EQ(PhysicalPropertyLines(kRow), WholeLines({test.expected})) << test.name;
  }
}

TEST_F(PhysicalLinesTest, ExpansionAndSusceptibilityIgnoreUnitChoices) {
  prefPhysical = "0 0 0 0 0 0 1 1";
  for (int quantity = 0; quantity <= kUnitQuantityUpperBound; ++quantity) prefUnits(quantity) = 1;
  EXPECT_EQ(PhysicalPropertyLines(kRow), WholeLines({
                                             "linear expansion coeff.:\r 11.8x10^-6/K @25°C",
                                             "magnetic susceptibility:\r -3.98x10^-6 cm³/mol",
                                         }));
}

}  // namespace
