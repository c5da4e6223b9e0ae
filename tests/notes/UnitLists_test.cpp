#include "notes/UnitLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The expected texts below are worked out by hand from each entry's formula and constants
// (q = 1.6021e-19, N = 6.02214199e+23, c = 3.8291108986615676e-20, kq = 1.6021e-22,
// mq = 1.6021e-25), evaluated left to right, then written by the entry's mask or Str.

// The value text of one cell in every unit of a list, in list order.
void ExpectEveryUnit(const UnitList& list, const std::string& cell, const std::string& weight,
                     const std::vector<std::string>& expected) {
  ASSERT_EQ(list.entries.size(), expected.size());
  for (std::size_t index = 0; index < expected.size(); ++index) {
    EXPECT_EQ(ValueText(list, cell, static_cast<int>(index), weight), expected[index])
        << "unit index " << index;
  }
}

TEST(UnitListsTest, IronMeltingPointInEveryTemperatureUnit) {
  // 1811 - 273.15 = 1537.85; 1.8 * 1537.85 + 32 = 2800.13; 0.8 * 1811 - 218.52 = 1230.28;
  // 1.8 * 1537.85 + 491.67 = 3259.8 (the mask keeps one decimal at least).
  ExpectEveryUnit(kTemperatureUnits, "1811", "55.845",
                  {"1811 K", "1537.85˚C", "2800.13˚F", "1230.28˚R", "3259.8Rk"});
}

TEST(UnitListsTest, TemperaturesBelowZeroKeepTheirSign) {
  // Nitrogen boils at 77.36 K: -195.79, -320.422, -156.632 and 139.248 (binary 139.24800000000005).
  ExpectEveryUnit(kTemperatureUnits, "77.36", "14.007",
                  {"77.36 K", "-195.79˚C", "-320.42˚F", "-156.63˚R", "139.25Rk"});
}

TEST(UnitListsTest, StoredKelvinTextIsCopiedUnchanged) {
  EXPECT_EQ(ValueText(kTemperatureUnits, "1811.00", 0, "55.845"), "1811.00 K");
  // 0.8 * 273.15 - 218.52 is -2.8e-14 in binary: no minus on a number that rounds to zero.
  EXPECT_EQ(ValueText(kTemperatureUnits, "273.15", 3, "1"), "0.0˚R");
}

TEST(UnitListsTest, HeatOfVaporizationInEveryMolarEnergyUnit) {
  // Iron: 340 kJ/mol, M = 55.845. e = 340 * 1000 / q / N = 3.5240195214099113 eV.
  ExpectEveryUnit(kMolarEnergyUnits, "340", "55.845",
                  {
                      "3.524 eV",          // e
                      "1.35e-19 cal",      // e * c = 1.3493861556526813e-19
                      "5.65e-19 J",        // e * q = 5.645831675250819e-19
                      "5.65e-22 kJ",       // e * kq
                      "5.65e-25 MJ",       // e * mq
                      "2.12e+24 eV/mol",   // e * N = 2.122214593346233e+24
                      "81261.95 cal/mol",  // 340000 / 4.184 = 81261.95028680688
                      "340000 J/mol",      // 340 * 1000
                      "340 kJ/mol",        // the cell
                      "0.34 MJ/mol",       // e * mq * N = 0.34
                      "3.8e+22 eV/g",      // e * N / M = 3.800187292230698e+22
                      "1455.13 cal/g",     // 340000 / 4.184 / M = 1455.1338577635756
                      "6088.28 J/g",       // 340000 / M = 6088.280060882801
                      "6.09 kJ/g",         // 340 / M, no factor 1000
                      "0.0061 MJ/g",       // e * mq * N / M = 0.006088280060882801
                  });
}

TEST(UnitListsTest, StoredMolarEnergyTextIsCopiedUnchanged) {
  EXPECT_EQ(ValueText(kMolarEnergyUnits, "340.0", 8, "55.845"), "340.0 kJ/mol");
}

TEST(UnitListsTest, NegativeElectronAffinityKeepsItsSignInEveryUnit) {
  // -48 kJ/mol, M = 39.948. e = -48 * 1000 / q / N = -0.49750863831669334 eV.
  ExpectEveryUnit(kElectronAffinityUnits, "-48", "39.948",
                  {
                      "-0.498 eV",          // e
                      "-1.91e-20 cal",      // e * c = -1.9050157491567265e-20
                      "-7.97e-20 J",        // e * q = -7.970585894471744e-20
                      "-7.97e-23 kJ",       // e * kq
                      "-7.97e-26 MJ",       // e * mq
                      "-3e+23 eV/mol",      // e * N = -2.9960676611946818e+23
                      "-11472.28 cal/mol",  // -48000 / 4.184 = -11472.27533460803
                      "-48000 J/mol",       // -48 * 1000
                      "-48 kJ/mol",         // the cell
                      "-0.048 MJ/mol",      // e * mq * N
                      "-7.5e+21 eV/g",      // e * N / M = -7.499919047748778e+21
                      "-287.18 cal/g",      // -48000 / 4.184 / M = -287.18021764814335
                      "-1201.56 J/g",       // -48000 / M = -1201.5620306398318
                      "-1.2 kJ/g",          // -48 / M = -1.2015620306398318
                      "-0.0012 MJ/g",       // e * mq * N / M = -0.0012015620306398318
                  });
}

TEST(UnitListsTest, StoredElectronAffinityTextKeepsItsDigitsAndSign) {
  EXPECT_EQ(ValueText(kElectronAffinityUnits, "-7", 8, "1"), "-7 kJ/mol");
  EXPECT_EQ(ValueText(kElectronAffinityUnits, "-7.00", 8, "1"), "-7.00 kJ/mol");
}

TEST(UnitListsTest, OneElectronvoltInEveryIonizationEnergyUnit) {
  // v = 1 eV per atom, M = 55.845.
  ExpectEveryUnit(kIonizationEnergyUnits, "1", "55.845",
                  {
                      "1 eV",             // v
                      "3.83e-20 cal",     // c
                      "1.6e-19 J",        // q
                      "1.6e-22 kJ",       // kq
                      "1.6e-25 MJ",       // mq
                      "6.02e+23 eV/mol",  // N
                      "2.31e+4 cal/mol",  // c * N = 23059.449527196462
                      "9.65e+4 J/mol",    // q * N = 96480.73682179001
                      "96.48 kJ/mol",     // kq * N = 96.48073682179
                      "0.0965 MJ/mol",    // mq * N = 0.09648073682179001
                      "1.08e+22 eV/g",    // N / M = 1.0783672647506492e+22
                      "412.9 cal/g",      // c * N / M = 412.9187846216575
                      "1727.7 J/g",       // q * N / M = 1727.652194857015
                      "1.73 kJ/g",        // kq * N / M = 1.7276521948570152
                      "0.0017 MJ/g",      // mq * N / M = 0.0017276521948570152
                  });
}

TEST(UnitListsTest, IonizationEnergyInElectronvoltsIsReformatted) {
  EXPECT_EQ(ValueText(kIonizationEnergyUnits, "1.2500", 0, "1"), "1.25 eV");
  EXPECT_EQ(ValueText(kIonizationEnergyUnits, "7.90247", 0, "1"), "7.902 eV");
}

// Cells large enough that the fixed-point entries show ten to sixteen significant digits: a
// constant off in its last digit (for c, off by one unit in the last place of the double) changes
// at least one text. A molar energy of 10^6 kJ/mol is e = 10^9 / q / N = 10364.763298264445 eV.
TEST(UnitListsTest, LargeValuesShowEveryDigitOfTheConstants) {
  struct Case {
    const char* name;
    const UnitList* list;
    const char* cell;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"ionization energy of 10^6 eV",
       &kIonizationEnergyUnits,
       "1000000",
       {
           "1000000 eV",
           "3.83e-14 cal",
           "1.6e-13 J",
           "1.6e-16 kJ",
           "1.6e-19 MJ",
           "6.02e+29 eV/mol",
           "2.31e+10 cal/mol",
           "9.65e+10 J/mol",
           "96480736.82 kJ/mol",  // v * kq * N = 96480736.82179
           "96480.7368 MJ/mol",   // v * mq * N = 96480.73682179001
           "6.02e+29 eV/g",
           "23059449527.2 cal/g",  // v * c * N = 23059449527.19646
           "96480736821.8 J/g",    // v * q * N = 96480736821.79001
           "96480736.82 kJ/g",
           "96480.7368 MJ/g",
       }},
      // v * c * N near 7e14 has a last place of 0.125, which one decimal shows: every bit of c.
      {"ionization energy of 3x10^10 eV",
       &kIonizationEnergyUnits,
       "30000000000",
       {
           "30000000000 eV",
           "1.15e-9 cal",
           "4.81e-9 J",
           "4.81e-12 kJ",
           "4.81e-15 MJ",
           "1.81e+34 eV/mol",
           "6.92e+14 cal/mol",
           "2.89e+15 J/mol",
           "2894422104653.7 kJ/mol",  // v * kq * N = 2894422104653.6997
           "2894422104.6537 MJ/mol",  // v * mq * N = 2894422104.6537
           "1.81e+34 eV/g",
           "691783485815893.9 cal/g",  // v * c * N = 691783485815893.9
           "2894422104653700 J/g",     // v * q * N = 2894422104653700.0
           "2894422104653.7 kJ/g",
           "2894422104.6537 MJ/g",
       }},
      // Through e the molar energies show q * N (the eV entry) and mq / q (the MJ entries).
      {"molar energy of 10^6 kJ/mol",
       &kMolarEnergyUnits,
       "1000000",
       {
           "10364.763 eV",  // e
           "3.97e-16 cal",
           "1.66e-15 J",
           "1.66e-18 kJ",
           "1.66e-21 MJ",
           "6.24e+27 eV/mol",
           "239005736.14 cal/mol",
           "1000000000 J/mol",
           "1000000 kJ/mol",
           "1000 MJ/mol",  // e * mq * N = 1000.0
           "6.24e+27 eV/g",
           "239005736.14 cal/g",
           "1000000000 J/g",
           "1000000 kJ/g",
           "1000 MJ/g",
       }},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    ExpectEveryUnit(*test.list, test.cell, "1", test.expected);
  }
}

TEST(UnitListsTest, IronSpecificHeatInEverySpecificHeatUnit) {
  // 0.449 J/g K, M = 55.845.
  ExpectEveryUnit(kSpecificHeatUnits, "0.449", "55.845",
                  {
                      "2.51e-2 kJ/mol K",  // v * M / 1000 = 0.025074404999999998
                      "4.49e-4 kJ/g K",    // v / 1000
                      "25.07 J/mol K",     // v * M = 25.074405
                      "0.449 J/g K",       // the cell
                      "5.99 cal/mol K",    // v / 4.184 * M = 5.992926625239006
                      "0.11 cal/g K",      // v / 4.184 = 0.10731357552581262
                  });
}

TEST(UnitListsTest, IronWorkFunctionInEveryWorkFunctionUnit) {
  // 4.5 eV: 4.5 * c = 1.7230999043977054e-19, 4.5 * q = 7.20945e-19, 4.5 * kq = 7.20945e-22.
  ExpectEveryUnit(kWorkFunctionUnits, "4.5", "55.845", {"4.5 eV", "1.7e-19 cal", "7.2e-19 J", "7.2e-22 kJ"});
}

TEST(UnitListsTest, SolidDensityInEveryDensityUnit) {
  // 7.874 g/cm³: / 1000 = 0.007873999999999999, * 1000000 = 7874000, * 1000 = 7874.
  ExpectEveryUnit(kDensityUnits, "7.874", "55.845",
                  {"7.874 g/cm³", "7.87e-3 kg/cm³", "7.87e+6 g/m³", "7874 kg/m³"});
}

TEST(UnitListsTest, ThermalConductivityInBothUnits) {
  ExpectEveryUnit(kThermalConductivityUnits, "80.4", "55.845", {"80.4 W/mK", "0.804 W/cmK"});
}

TEST(UnitListsTest, NearestNeighbourInEveryLengthUnit) {
  // 2.482 Å: / 10 = 0.24820000000000003, * 100 = 248.20000000000002, / 1e8, / 1e10.
  ExpectEveryUnit(kLengthUnits, "2.482", "55.845",
                  {"0.2482 nm", "2.482 Å", "248.2 pm", "2.5e-8 cm", "2.5e-10 m"});
}

TEST(UnitListsTest, AtomicRadiusInEveryRadiusUnit) {
  // 126 pm: / 1000, / 100, the cell, / 1e10 and / 1e12 with two decimals (the length units keep one).
  ExpectEveryUnit(kRadiusUnits, "126", "55.845",
                  {"0.126 nm", "1.26 Å", "126 pm", "1.26e-8 cm", "1.26e-10 m"});
}

// A choice outside a list shows the value in the unit the tables store it in.
TEST(UnitListsTest, IndexOutsideTheListGivesTheStoredUnit) {
  struct Case {
    const UnitList* list;
    const char* cell;
    int index;
    const char* expected;
  };
  const Case cases[] = {
      {&kTemperatureUnits, "1811", 5, "1811 K"},
      {&kTemperatureUnits, "1811", -1, "1811 K"},
      {&kMolarEnergyUnits, "340", 15, "340 kJ/mol"},
      {&kElectronAffinityUnits, "-48", -1, "-48 kJ/mol"},
      {&kIonizationEnergyUnits, "1.2500", 15, "1.25 eV"},
      {&kSpecificHeatUnits, "0.449", 6, "0.449 J/g K"},
      {&kWorkFunctionUnits, "4.5", 4, "4.5 eV"},
      {&kDensityUnits, "7.874", 4, "7.874 g/cm³"},
      {&kThermalConductivityUnits, "80.4", 2, "80.4 W/mK"},
      {&kLengthUnits, "2.482", 5, "2.482 Å"},
      {&kRadiusUnits, "126", 99, "126 pm"},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(ValueText(*test.list, test.cell, test.index, "55.845"), test.expected) << test.cell;
  }
}

// An atomic weight that reads as 0 would divide by zero: the per-gram units show "--" and the
// per-mole units are not affected.
TEST(UnitListsTest, PerGramUnitsWithoutAnAtomicWeightShowNoNumber) {
  for (const char* weight : {"0", "", "abc"}) {
    EXPECT_EQ(ValueText(kMolarEnergyUnits, "340", 10, weight), "-- eV/g");
    EXPECT_EQ(ValueText(kMolarEnergyUnits, "340", 13, weight), "-- kJ/g");
    EXPECT_EQ(ValueText(kElectronAffinityUnits, "-48", 14, weight), "-- MJ/g");
    EXPECT_EQ(ValueText(kIonizationEnergyUnits, "1", 12, weight), "-- J/g");
    EXPECT_EQ(ValueText(kMolarEnergyUnits, "340", 9, weight), "0.34 MJ/mol");
    EXPECT_EQ(ValueText(kSpecificHeatUnits, "0.449", 2, weight), "0 J/mol K");
  }
}

TEST(UnitListsTest, CellThatHoldsNoNumberIsConvertedAsZero) {
  EXPECT_EQ(ValueText(kTemperatureUnits, "abc", 1, "1"), "-273.15˚C");
  EXPECT_EQ(ValueText(kTemperatureUnits, "abc", 0, "1"), "abc K");
  EXPECT_EQ(ValueText(kRadiusUnits, "~", 3, "1"), "0e+0 cm");
}

}  // namespace
