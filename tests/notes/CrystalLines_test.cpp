#include <gtest/gtest.h>

#include <string>

#include "notes/ElementRowFixture.h"
#include "notes/PropertyLines.h"

namespace {

class CrystalLinesTest : public ElementRowTest {
 protected:
  void SetUp() override {
    ElementRowTest::SetUp();
    ePhysical(kRow, 1) = "solid";
    eCrystal(kRow, 0) = "7.874";
    eCrystal(kRow, 1) = "bcc";
    eCrystal(kRow, 2) = "2.482";
    eCrystal(kRow, 3) = "3.5";
    eCrystal(kRow, 4) = "5.6";
    eCrystal(kRow, 5) = "80.4";
    eCrystal(kRow, 6) = "10";
    eCrystal2(kRow, 0) = "9.25";
    eCrystal2(kRow, 1) = "2";
  }
};

TEST_F(CrystalLinesTest, EveryLineInTokenOrder) {
  prefCrystal = "1 1 1 1 1 1 1 1 1";
  EXPECT_EQ(CrystalPropertyLines(kRow), WholeLines({
                                            "density: 7.874 g/cm³",
                                            "thermal cond.: 80.4 W/mK",
                                            "resistivity: 10 nΩ-m",
                                            "supercond. Tc: 9.25 K",
                                            "crystal structure: bcc",
                                            "metal cluster: suboxide cluster",
                                            "nearest neighbor: 0.2482 nm",
                                            "lattice a: 0.35 nm",
                                            "lattice c: 0.56 nm",
                                        }));
}

TEST_F(CrystalLinesTest, DensityByState) {
  prefCrystal = "1";
  struct Case {
    const char* state;
    const char* cell;
    int unit;
    bool omitBlanks;
    NoteLines expected;
  };
  const Case cases[] = {
      {"solid", "7.874", 0, false, WholeLines({"density: 7.874 g/cm³"})},
      {"solid", "7.874", 1, false, WholeLines({"density: 7.87e-3 kg/cm³"})},
      {"solid", "7.874", 2, false, WholeLines({"density: 7.87e+6 g/m³"})},
      {"solid", "7.874", 3, false, WholeLines({"density: 7874 kg/m³"})},
      {"liquid", "1.5", 0, false, WholeLines({"density: 1.5 g/mL"})},
      {"liquid", "1.50", 3, false, WholeLines({"density: 1.50 g/mL"})},
      {"gas", "0.5", 2, false, WholeLines({"density: 0.5 g/L@273K"})},
      {"gas", "0.08988", 3, true, WholeLines({"density: 0.08988 g/L@273K"})},
      // A state the line does not know writes no line, whatever blanks do.
      {"plasma", "7.874", 0, false, {}},
      {"Solid", "7.874", 0, false, {}},
      {"", "7.874", 0, false, {}},
      {"solid", "nul", 0, false, WholeLines({"density: --"})},
      {"gas", "nul", 0, false, WholeLines({"density: --"})},
      {"plasma", "nul", 0, false, WholeLines({"density: --"})},
      {"liquid", "nul", 0, true, {}},
  };
  for (const Case& test : cases) {
    ePhysical(kRow, 1) = test.state;
    eCrystal(kRow, 0) = test.cell;
    prefUnits(7) = test.unit;
    prefOmitBlanks = test.omitBlanks;
    EXPECT_EQ(CrystalPropertyLines(kRow), test.expected)
        << test.state << " " << test.cell << " unit " << test.unit;
  }
}

TEST_F(CrystalLinesTest, ConvertedLinesReadTheirOwnUnitChoice) {
  prefCrystal = "0 1 0 1 0 0 1 1 1";
  prefUnits(8) = 1;
  prefUnits(16) = 1;
  prefUnits(1) = 0;  // the melting point's choice does not govern Tc
  prefUnits(14) = 1;
  prefUnits(15) = 3;  // lattice a and c share one choice
  EXPECT_EQ(CrystalPropertyLines(kRow), WholeLines({
                                            "thermal cond.: 0.804 W/cmK",
                                            "supercond. Tc: -263.9˚C",
                                            "nearest neighbor: 2.482 Å",
                                            "lattice a: 3.5e-8 cm",
                                            "lattice c: 5.6e-8 cm",
                                        }));
}

TEST_F(CrystalLinesTest, MetalClusterCodes) {
  prefCrystal = "0 0 0 0 0 1";
  prefOmitBlanks = true;
  struct Case {
    const char* code;
    const char* expected;
  };
  const Case cases[] = {
      {"1", "metal cluster: organometallic cluster"},
      {"2", "metal cluster: suboxide cluster"},
      {"3", "metal cluster: metal cluster with π-donor ligands"},
      {"4", "metal cluster: metal cluster with π-acceptor ligands"},
      {"5", "metal cluster: E(n)H(n) cluster"},
      {"6", "metal cluster: naked cluster"},
      {"7", "metal cluster: E(n)H(n) or naked cluster"},
      // Codes outside 1 to 7 are not the missing value: shown as "--" even with blanks omitted.
      {"0", "metal cluster: --"},
      {"8", "metal cluster: --"},
      {"1.0", "metal cluster: --"},
      {" 1", "metal cluster: --"},
      {"", "metal cluster: --"},
  };
  for (const Case& test : cases) {
    eCrystal2(kRow, 1) = test.code;
    EXPECT_EQ(CrystalPropertyLines(kRow), WholeLines({test.expected})) << '"' << test.code << '"';
  }
  eCrystal2(kRow, 1) = "nul";
  EXPECT_EQ(CrystalPropertyLines(kRow), NoteLines{});
  prefOmitBlanks = false;
  EXPECT_EQ(CrystalPropertyLines(kRow), WholeLines({"metal cluster: --"}));
}

TEST_F(CrystalLinesTest, NoDataFormsUnlessBlanksAreOmitted) {
  for (int column = 0; column <= 6; ++column) eCrystal(kRow, column) = "nul";
  eCrystal2(kRow, 0) = "nul";
  eCrystal2(kRow, 1) = "nul";
  prefCrystal = "1 1 1 1 1 1 1 1 1";
  EXPECT_EQ(CrystalPropertyLines(kRow), WholeLines({
                                            "density: --",
                                            "thermal cond.: --",
                                            "resistivity: --",
                                            "supercond. Tc: --",
                                            "crystal structure: --",
                                            "metal cluster: --",
                                            "nearest neighbor: --",
                                            "lattice a: --",
                                            "lattice c: --",
                                        }));
  prefOmitBlanks = true;
  EXPECT_EQ(CrystalPropertyLines(kRow), NoteLines{});
}

TEST_F(CrystalLinesTest, TokensOffWriteNothing) {
  for (const char* selection : {"0 0 0 0 0 0 0 0 0", "", "0"}) {
    prefCrystal = selection;
    EXPECT_EQ(CrystalPropertyLines(kRow), NoteLines{}) << '"' << selection << '"';
  }
  prefCrystal = "0 0 0 0 0 0 0 0 1 1";  // a token beyond the group selects nothing more
  EXPECT_EQ(CrystalPropertyLines(kRow), WholeLines({"lattice c: 0.56 nm"}));
}

}  // namespace
