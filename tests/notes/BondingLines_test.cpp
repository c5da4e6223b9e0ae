#include <gtest/gtest.h>

#include <string>

#include "notes/ElementRowFixture.h"
#include "notes/PropertyLines.h"

namespace {

class BondingLinesTest : public ElementRowTest {
 protected:
  void SetUp() override {
    ElementRowTest::SetUp();
    eBonding(kRow, 0) = "[Ar]3d⁶4s²";
    eBonding(kRow, 1) = "1.83";
    eBonding(kRow, 2) = "-48";
    eBonding(kRow, 3) = "140";
    eBonding(kRow, 4) = "1";
    eBonding(kRow, 5) = "78";
    eBonding(kRow, 6) = "Fe²⁺";
    eBonding(kRow, 7) = "2,3";
    eBonding(kRow, 8) = "132";
    eBonding2(kRow, 0) = "8.4";
    eBonding2(kRow, 1) = "2";
    eBonding2(kRow, 2) = "3";
    eBonding2(kRow, 3) = "4";
  }
};

TEST_F(BondingLinesTest, EveryLineInTokenOrder) {
  prefBonding = "1 1 1 1 1 1 1 1 1 1 1 1 1";
  EXPECT_EQ(BondingPropertyLines(kRow), WholeLines({
                                            "electronic configuration: \r [Ar]3d⁶4s²",
                                            "atomic radius: 0.14 nm",
                                            "covalent radius: 0.132 nm",
                                            "ionic radius (ion): 0.078 nm (Fe²⁺)",
                                            "atomic volume: 2.74 Å³",  // 1.4 cubed = 2.7439999999999993
                                            "electronegativity: 1.83",
                                            "electron affinity: -0.498 eV",
                                            "1st ioniz. en.: 1 eV",
                                            "2nd ioniz. en.: 2 eV",
                                            "3rd ioniz. en.: 3 eV",
                                            "4th ioniz. en.: 4 eV",
                                            "electric dipole polarizability:\r 8.4 Å³",
                                            "valences: 2,3",
                                        }));
}

TEST_F(BondingLinesTest, RadiiHaveSeparateUnitChoices) {
  prefBonding = "0 1 1 1";
  prefUnits(9) = 2;
  prefUnits(10) = 1;
  prefUnits(11) = 4;  // 78 / 1e12
  EXPECT_EQ(BondingPropertyLines(kRow), WholeLines({
                                            "atomic radius: 140 pm",
                                            "covalent radius: 1.32 Å",
                                            "ionic radius (ion): 7.8e-11 m (Fe²⁺)",
                                        }));
}

TEST_F(BondingLinesTest, IonTextIsInsertedAsStored) {
  prefBonding = "0 0 0 1";
  prefUnits(11) = 2;
  for (const char* ion : {"Fe³⁺", "nul", ""}) {
    eBonding(kRow, 6) = ion;
    EXPECT_EQ(BondingPropertyLines(kRow),
              WholeLines({"ionic radius (ion): 78 pm (" + std::string(ion) + ")"}));
  }
}

TEST_F(BondingLinesTest, AtomicVolumeIsTheCubeOfTheRadiusInAngstrom) {
  prefBonding = "0 0 0 0 1";
  for (int quantity = 0; quantity <= kUnitQuantityUpperBound; ++quantity) prefUnits(quantity) = 3;
  struct Case {
    const char* radius;
    const char* expected;
  };
  const Case cases[] = {
      {"200", "atomic volume: 8.0 Å³"},
      {"126", "atomic volume: 2.0 Å³"},   // 2.000376
      {"124", "atomic volume: 1.91 Å³"},  // 1.906624
      {"25", "atomic volume: 0.02 Å³"},   // 0.015625
  };
  for (const Case& test : cases) {
    eBonding(kRow, 3) = test.radius;
    EXPECT_EQ(BondingPropertyLines(kRow), WholeLines({test.expected})) << test.radius;
  }
}

TEST_F(BondingLinesTest, ElectronAffinityUnitChoice) {
  prefBonding = "0 0 0 0 0 0 1";
  prefUnits(12) = 8;
  eBonding(kRow, 2) = "-7";
  EXPECT_EQ(BondingPropertyLines(kRow), WholeLines({"electron affinity: -7 kJ/mol"}));
  prefUnits(12) = 6;  // -7000 / 4.184 = -1673.040152963671
  EXPECT_EQ(BondingPropertyLines(kRow), WholeLines({"electron affinity: -1673.04 cal/mol"}));
}

TEST_F(BondingLinesTest, OneUnitChoiceForAllFourIonizationEnergies) {
  prefBonding = "0 0 0 0 0 0 0 1 1 1 1";
  prefUnits(13) = 8;
  prefUnits(12) = 0;
  // n * kq * N: 96.48073682179, 192.96147364358, 289.44221046537, 385.92294728716.
  EXPECT_EQ(BondingPropertyLines(kRow), WholeLines({
                                            "1st ioniz. en.: 96.48 kJ/mol",
                                            "2nd ioniz. en.: 192.96 kJ/mol",
                                            "3rd ioniz. en.: 289.44 kJ/mol",
                                            "4th ioniz. en.: 385.92 kJ/mol",
                                        }));
}

TEST_F(BondingLinesTest, NoDataFormsUnlessBlanksAreOmitted) {
  for (int column = 0; column <= 8; ++column) eBonding(kRow, column) = "nul";
  for (int column = 0; column <= 3; ++column) eBonding2(kRow, column) = "nul";
  prefBonding = "1 1 1 1 1 1 1 1 1 1 1 1 1";
  EXPECT_EQ(BondingPropertyLines(kRow), WholeLines({
                                            "electronic configuration: --",
                                            "atomic radius: --",
                                            "covalent radius: --",
                                            "ionic radius (ion): -- (--)",
                                            "atomic volume: --",
                                            "electronegativity: --",
                                            "electron affinity: --",
                                            "1st ioniz. en.: --",
                                            "2nd ioniz. en.: --",
                                            "3rd ioniz. en.: --",
                                            "4th ioniz. en.: --",
                                            "electric dipole polarizability:\r -- Å³",
                                            "valences: --",
                                        }));
  prefOmitBlanks = true;
  EXPECT_EQ(BondingPropertyLines(kRow), NoteLines{});
}

TEST_F(BondingLinesTest, MissingIonicRadiusIgnoresTheIon) {
  prefBonding = "0 0 0 1";
  eBonding(kRow, 5) = "nul";
  EXPECT_EQ(BondingPropertyLines(kRow), WholeLines({"ionic radius (ion): -- (--)"}));
}

TEST_F(BondingLinesTest, ShortSelectionLeavesTheLaterLinesOut) {
  prefBonding = "0 0 0 0 0 1";
  EXPECT_EQ(BondingPropertyLines(kRow), WholeLines({"electronegativity: 1.83"}));
  prefBonding = "0 0 0 0 0 0 0 0 0 0 0 0 1";
  EXPECT_EQ(BondingPropertyLines(kRow), WholeLines({"valences: 2,3"}));
  prefBonding = "0 0 0 0 0 0 0 0 0 0 0 0 0";
  EXPECT_EQ(BondingPropertyLines(kRow), NoteLines{});
}

}  // namespace
