// The element data the program ships: the compiled-in dataset texts, loaded by loadDatasets and
// read the way the notes read them.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "data/ElementTables.h"
#include "data/ResourceCatalogue.h"
#include "framework/ResourceFork.h"
#include "framework/TextFunctions.h"

namespace {

constexpr int kShownRows = 111;  // the element notes show atomic numbers 1 to 111
constexpr int kMaxNaturalIsotopes = 20;
const std::string kNul = "nul";

bool IsNul(const std::string& cell) { return cell == kNul; }

// A plain decimal as the tables store numbers: no exponent, no brackets, no separators.
bool IsPlainDecimal(const std::string& text) {
  static const std::regex kPlainDecimal("-?[0-9]+(\\.[0-9]+)?");
  return std::regex_match(text, kPlainDecimal);
}

double ExactValue(const std::string& text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// "nul", or a number that Val reads as the number written.
::testing::AssertionResult IsNumberCell(const std::string& cell) {
  if (IsNul(cell)) return ::testing::AssertionSuccess();
  if (!IsPlainDecimal(cell)) return ::testing::AssertionFailure() << "not a plain decimal: '" << cell << "'";
  if (Val(cell) != ExactValue(cell)) {
    return ::testing::AssertionFailure() << "Val reads '" << cell << "' as " << Val(cell);
  }
  return ::testing::AssertionSuccess();
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (int i = 1; i <= CountFields(text, "\r"); ++i) lines.push_back(NthField(text, "\r", i));
  return lines;
}

class ShippedTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RestoreApplicationResourceFork();
    ReleaseResourceCatalogue();
    loadDatasets();
  }
  void TearDown() override { ReleaseResourceCatalogue(); }

  static int RowOf(const std::string& symbol) {
    for (int row = 0; row <= kElementRowUpperBound; ++row) {
      if (eGeneral(row, 1) == symbol) return row;
    }
    ADD_FAILURE() << "no element " << symbol;
    return 0;
  }
};

struct DatasetText {
  int number;
  const char* key;
  std::string separator;  // empty for a whole-line dataset
  int fields;
};

const DatasetText kDatasetTexts[] = {
    {187, "GeneralDat", " ", 5},  {180, "BondingDat", " ", 9},   {174, "Bonding2Dat", " ", 4},
    {178, "CrystalDat", " ", 7},  {171, "Crystal2Dat", " ", 2},  {176, "HistoryDat", "\t", 3},
    {169, "PhysicalDat", " ", 9}, {168, "Physical2Dat", " ", 2}, {172, "AbundancesDat", " ", 4},
    {179, "IsotopeDat", " ", 4},  {185, "NamesDat", "\t", 2},    {181, "Isotope2Dat", "", 0},
    {188, "UsesDat", "", 0},      {170, "OresDat", "", 0},       {189, "BritishDat", "", 0},
    {173, "ColorDat", "", 0},     {175, "CASDat", "", 0},
};

TEST_F(ShippedTextsTest, EveryDatasetHas118LinesOfCompleteFields) {
  for (const DatasetText& dataset : kDatasetTexts) {
    SCOPED_TRACE(dataset.key);
    auto text = ApplicationResourceFork()->GetResource("TEXT", dataset.number);
    ASSERT_TRUE(text.has_value());
    std::vector<std::string> lines = SplitLines(*text);
    // The text ends with a line end, so the split leaves one empty piece after line 118.
    ASSERT_EQ(lines.size(), 119u);
    EXPECT_EQ(lines.back(), "");

    selectDatasets(dataset.key);
    for (int row = 0; row <= kElementRowUpperBound; ++row) {
      const std::string& line = eTempLoadFile(row);
      ASSERT_FALSE(line.empty()) << "row " << row + 1;
      EXPECT_EQ(line.find('\n'), std::string::npos) << "row " << row + 1;
      if (dataset.separator.empty()) continue;
      // One more field would mean a separator inside a value or at the end of the line.
      EXPECT_EQ(CountFields(line, dataset.separator), dataset.fields) << "row " << row + 1 << ": " << line;
      for (int field = 1; field <= dataset.fields; ++field) {
        EXPECT_FALSE(NthField(line, dataset.separator, field).empty())
            << "row " << row + 1 << " field " << field;
      }
    }
  }
}

TEST_F(ShippedTextsTest, SymbolsAndNamesAreUniqueAndSpelledAsTheNotesExpect) {
  std::set<std::string> symbols, names;
  static const std::regex kSymbol("[A-Z][a-z]?");
  static const std::regex kName("[a-z]+");
  for (int row = 0; row <= kElementRowUpperBound; ++row) {
    EXPECT_TRUE(std::regex_match(eGeneral(row, 1), kSymbol)) << eGeneral(row, 1);
    EXPECT_TRUE(std::regex_match(eGeneral(row, 0), kName)) << eGeneral(row, 0);
    EXPECT_TRUE(std::regex_match(eBritish(row), kName)) << eBritish(row);
    symbols.insert(eGeneral(row, 1));
    names.insert(eGeneral(row, 0));
  }
  EXPECT_EQ(symbols.size(), 118u);
  EXPECT_EQ(names.size(), 118u);

  struct Spelling {
    const char* symbol;
    const char* american;
    const char* british;
  };
  const Spelling kSpellings[] = {{"Al", "aluminum", "aluminium"},
                                 {"Cs", "cesium", "caesium"},
                                 {"S", "sulfur", "sulphur"},
                                 {"Nh", "nihonium", "nihonium"},
                                 {"Og", "oganesson", "oganesson"}};
  for (const Spelling& spelling : kSpellings) {
    int row = RowOf(spelling.symbol);
    EXPECT_EQ(eGeneral(row, 0), spelling.american);
    EXPECT_EQ(eBritish(row), spelling.british);
  }
}

struct NumberColumn {
  const char* name;
  StringArray2D* table;
  int column;
};

const NumberColumn kNumberColumns[] = {
    {"atomic weight", &eGeneral, 2},
    {"electronegativity", &eBonding, 1},
    {"electron affinity", &eBonding, 2},
    {"atomic radius", &eBonding, 3},
    {"first ionization energy", &eBonding, 4},
    {"ionic radius", &eBonding, 5},
    {"covalent radius", &eBonding, 8},
    {"polarizability", &eBonding2, 0},
    {"second ionization energy", &eBonding2, 1},
    {"third ionization energy", &eBonding2, 2},
    {"fourth ionization energy", &eBonding2, 3},
    {"density", &eCrystal, 0},
    {"nearest neighbour", &eCrystal, 2},
    {"lattice a", &eCrystal, 3},
    {"lattice c", &eCrystal, 4},
    {"thermal conductivity", &eCrystal, 5},
    {"resistivity", &eCrystal, 6},
    {"superconducting Tc", &eCrystal2, 0},
    {"melting point", &ePhysical, 3},
    {"boiling point", &ePhysical, 4},
    {"heat of vaporization", &ePhysical, 5},
    {"heat of fusion", &ePhysical, 6},
    {"specific heat", &ePhysical, 7},
    {"work function", &ePhysical, 8},
    {"expansion coefficient", &ePhysical2, 0},
    {"crustal abundance", &eAbundances, 0},
    {"atmosphere abundance", &eAbundances, 1},
    {"oceanic abundance", &eAbundances, 2},
    {"solar system abundance", &eAbundances, 3},
    {"total isotopes", &eIsotope, 0},
    {"stable isotopes", &eIsotope, 1},
    {"unstable isotopes", &eIsotope, 2},
    {"natural radioactive isotopes", &eIsotope, 3},
};

TEST_F(ShippedTextsTest, NumericCellsAreNulOrPlainDecimalsThatValReads) {
  for (const NumberColumn& number : kNumberColumns) {
    SCOPED_TRACE(number.name);
    for (int row = 0; row <= kElementRowUpperBound; ++row) {
      EXPECT_TRUE(IsNumberCell((*number.table)(row, number.column))) << "row " << row + 1;
    }
  }
  std::set<std::string> ferromagnets;
  for (int row = 0; row <= kElementRowUpperBound; ++row) {
    const std::string& susceptibility = ePhysical2(row, 1);
    if (susceptibility == "FER") {
      ferromagnets.insert(eGeneral(row, 1));
    } else {
      EXPECT_TRUE(IsNumberCell(susceptibility)) << "row " << row + 1;
    }
    EXPECT_FALSE(IsNul(eGeneral(row, 2))) << "every element has a weight, row " << row + 1;
  }
  // Ferromagnetic at 298 K; gadolinium is so only below 293 K.
  EXPECT_EQ(ferromagnets, (std::set<std::string>{"Co", "Fe", "Ni"}));
}

TEST_F(ShippedTextsTest, CodesAreThoseTheReadersCompare) {
  const std::set<std::string> kClasses = {"n", "m", "s"};
  const std::set<std::string> kStates = {"solid", "liquid", "gas"};
  const std::set<std::string> kClusterCodes = {"1", "2", "3", "4", "5", "6", "7", kNul};
  const std::set<std::string> kAppearanceCodes = {
      "colorless",   "oxygen",       "fluorine",    "chlorine",   "boron",     "carbon",
      "gold",        "copper",       "silverwhite", "silvergray", "bluewhite", "iodine",
      "phosphorous", "radium",       "mercury",     "sulfur",     "leadlike",  "bismuth",
      "bromine",     "silverwhite2", "silicon",     "selenium",   "darkgray",  kNul};
  static const std::regex kYear("[0-9]{3,4}");
  static const std::regex kCas("[0-9]{2,7}-[0-9]{2}-[0-9]");
  for (int row = 0; row <= kElementRowUpperBound; ++row) {
    SCOPED_TRACE("row " + std::to_string(row + 1));
    bool shown = row < kShownRows;
    EXPECT_TRUE(kClasses.count(ePhysical(row, 0)) || (!shown && IsNul(ePhysical(row, 0))));
    EXPECT_TRUE(kStates.count(ePhysical(row, 1)) || (!shown && IsNul(ePhysical(row, 1))));
    EXPECT_TRUE(kClusterCodes.count(eCrystal2(row, 1))) << eCrystal2(row, 1);
    EXPECT_TRUE(kAppearanceCodes.count(eColor(row))) << eColor(row);
    EXPECT_TRUE(eHistory(row, 0) == "ancient" || std::regex_match(eHistory(row, 0), kYear))
        << eHistory(row, 0);
    EXPECT_TRUE(std::regex_match(eCAS(row), kCas)) << eCAS(row);
    if (shown) {
      EXPECT_FALSE(IsNul(eNames(row, 1)));
      EXPECT_FALSE(eOres(row).empty());
      EXPECT_FALSE(eUses(row).empty());
    }
  }
}

TEST_F(ShippedTextsTest, IsotopeCountsAndAbundancesAddUp) {
  for (int row = 0; row <= kElementRowUpperBound; ++row) {
    SCOPED_TRACE("row " + std::to_string(row + 1));
    int total = static_cast<int>(Val(eIsotope(row, 0)));
    int stable = static_cast<int>(Val(eIsotope(row, 1)));
    int unstable = static_cast<int>(Val(eIsotope(row, 2)));
    int naturalRadioactive = static_cast<int>(Val(eIsotope(row, 3)));
    EXPECT_EQ(total, stable + unstable);
    EXPECT_LE(naturalRadioactive, unstable);

    // As the isotope note reads the line: the count, then "mass,abundance" pairs.
    const std::string& line = eIsotope2(row, 1);
    int pairs = CountFields(line, " ") - 1;
    EXPECT_EQ(static_cast<int>(Val(eIsotope2(row, 0))), pairs);
    EXPECT_LE(pairs, kMaxNaturalIsotopes);
    EXPECT_EQ(pairs, stable + naturalRadioactive);
    double sum = 0;
    bool anyPercentage = false;
    for (int pair = 1; pair <= pairs; ++pair) {
      std::string item = NthField(line, " ", pair + 1);
      EXPECT_TRUE(IsPlainDecimal(NthField(item, ",", 1))) << item;
      std::string abundance = NthField(item, ",", 2);
      if (abundance == "VS") continue;
      EXPECT_TRUE(IsNumberCell(abundance)) << item;
      sum += Val(abundance);
      anyPercentage = true;
    }
    if (anyPercentage) {
      EXPECT_NEAR(sum, 100.0, 0.1);
    }
  }
}

// A radioactive isotope counts as natural when it is primordial, in a uranium or thorium decay
// series, or made in nature (by cosmic rays or in uranium ores) with a half-life of at least a
// year; the traces show as "VS". Each element's count and its isotope line must follow one rule.
TEST_F(ShippedTextsTest, NaturalRadioactiveIsotopesFollowOneRule) {
  struct Trace {
    const char* symbol;
    const char* massNumber;
    bool natural;
  };
  const Trace kTraces[] = {
      {"H", "3", true},
      {"Be", "10", true},
      {"C", "14", true},
      {"Na", "22", true},
      {"Al", "26", true},
      {"Si", "32", true},
      {"Cl", "36", true},
      {"Ar", "39", true},
      {"Ca", "41", true},
      {"Mn", "53", true},
      {"Kr", "81", true},
      {"I", "129", true},
      {"Tc", "99", true},
      {"Pm", "147", true},
      {"U", "236", true},
      {"Np", "237", true},
      {"Pu", "239", true},
      // Too short-lived (53 days, 35 days), from space, or almost all made by people.
      {"Be", "7", false},
      {"Ar", "37", false},
      {"Fe", "60", false},
      {"Kr", "85", false},
      {"Pu", "244", false},
  };
  for (const Trace& trace : kTraces) {
    const std::string& line = eIsotope2(RowOf(trace.symbol), 1);
    // Appended, not " " + std::string(...): GCC 12 at -O3 warns falsely (-Wrestrict) about that.
    const std::string entry = std::string(" ").append(trace.massNumber).append(",VS ");
    const bool listed = (" " + line + " ").find(entry) != std::string::npos;
    EXPECT_EQ(listed, trace.natural) << trace.symbol << "-" << trace.massNumber << ": " << line;
  }

  struct Count {
    const char* symbol;
    const char* naturalRadioactive;
  };
  const Count kCounts[] = {
      {"H", "1"},  {"Be", "1"}, {"C", "1"},  {"Na", "1"}, {"Al", "1"}, {"Si", "1"}, {"Cl", "1"},
      {"Ar", "1"}, {"K", "1"},  {"Ca", "2"}, {"Mn", "1"}, {"Fe", "0"}, {"Kr", "2"}, {"I", "1"},
      {"Tc", "1"}, {"Pm", "1"}, {"U", "4"},  {"Np", "1"}, {"Pu", "1"}, {"Am", "0"},
  };
  for (const Count& count : kCounts) {
    EXPECT_EQ(eIsotope(RowOf(count.symbol), 3), count.naturalRadioactive) << count.symbol;
  }

  // Every trace isotope is radioactive, so it counts among the natural radioactive ones.
  for (int row = 0; row <= kElementRowUpperBound; ++row) {
    const std::string& line = eIsotope2(row, 1);
    int traces = 0;
    for (int field = 2; field <= CountFields(line, " "); ++field) {
      traces += NthField(NthField(line, " ", field), ",", 2) == "VS" ? 1 : 0;
    }
    EXPECT_LE(traces, static_cast<int>(Val(eIsotope(row, 3)))) << eGeneral(row, 1) << ": " << line;
  }
}

// Published values (CRC Handbook of Chemistry and Physics; IUPAC standard atomic weights; NIST
// ionization energies). Tolerances cover the rounding of the different editions.
struct SpotCheck {
  const char* symbol;
  const char* what;
  StringArray2D* table;
  int column;
  double expected;
  double tolerance;
};

const SpotCheck kSpotChecks[] = {
    {"H", "atomic weight", &eGeneral, 2, 1.008, 0.001},
    {"H", "boiling point K", &ePhysical, 4, 20.271, 0.001},
    {"H", "first ionization eV", &eBonding, 4, 13.598, 0.001},
    // Per mole of atoms: the handbook's 0.904 kJ/mol is per mole of H2.
    {"H", "heat of vaporization kJ/mol", &ePhysical, 5, 0.452, 0.005},
    {"C", "atomic weight", &eGeneral, 2, 12.011, 0.001},
    {"C", "first ionization eV", &eBonding, 4, 11.260, 0.001},
    {"C", "sublimation point K", &ePhysical, 4, 4098, 5},
    {"O", "atomic weight", &eGeneral, 2, 15.999, 0.001},
    {"O", "boiling point K", &ePhysical, 4, 90.19, 0.1},
    {"O", "gas density g/L", &eCrystal, 0, 1.429, 0.002},
    {"O", "electronegativity", &eBonding, 1, 3.44, 0.001},
    {"Na", "atomic weight", &eGeneral, 2, 22.98977, 0.00001},
    {"N", "melting point K", &ePhysical, 3, 63.15, 0.005},
    {"O", "melting point K", &ePhysical, 3, 54.36, 0.005},
    {"F", "melting point K", &ePhysical, 3, 53.48, 0.005},
    {"Ne", "boiling point K", &ePhysical, 4, 27.104, 0.001},
    {"Na", "melting point K", &ePhysical, 3, 370.944, 0.0005},
    {"Na", "density g/cm3", &eCrystal, 0, 0.97, 0.005},
    {"Na", "first ionization eV", &eBonding, 4, 5.139, 0.001},
    {"Cl", "atomic weight", &eGeneral, 2, 35.45, 0.01},
    {"Cl", "boiling point K", &ePhysical, 4, 239.1, 0.2},
    {"Cl", "first ionization eV", &eBonding, 4, 12.968, 0.001},
    {"Br", "heat of fusion kJ/mol", &ePhysical, 6, 5.29, 0.01},
    {"Mg", "expansion coefficient 10^-6/K", &ePhysical2, 0, 24.8, 0.1},
    {"Sr", "density g/cm3", &eCrystal, 0, 2.64, 0.01},
    {"Ti", "density g/cm3", &eCrystal, 0, 4.506, 0.0005},
    {"Fe", "atomic weight", &eGeneral, 2, 55.845, 0.001},
    {"Fe", "melting point K", &ePhysical, 3, 1811, 2},
    {"Fe", "boiling point K", &ePhysical, 4, 3134, 5},
    {"Fe", "density g/cm3", &eCrystal, 0, 7.874, 0.005},
    {"Fe", "first ionization eV", &eBonding, 4, 7.902, 0.001},
    {"Fe", "lattice a Å", &eCrystal, 3, 2.87, 0.01},
    {"Cu", "atomic weight", &eGeneral, 2, 63.546, 0.001},
    {"Cu", "melting point K", &ePhysical, 3, 1357.8, 0.5},
    {"Cu", "density g/cm3", &eCrystal, 0, 8.96, 0.01},
    {"Cu", "thermal conductivity W/m K", &eCrystal, 5, 401, 5},
    {"Cu", "resistivity nΩ m", &eCrystal, 6, 16.8, 0.5},
    {"Ag", "atomic weight", &eGeneral, 2, 107.868, 0.001},
    {"Ag", "melting point K", &ePhysical, 3, 1234.9, 0.5},
    {"Ag", "density g/cm3", &eCrystal, 0, 10.5, 0.05},
    {"Ag", "first ionization eV", &eBonding, 4, 7.576, 0.001},
    {"Au", "atomic weight", &eGeneral, 2, 196.96657, 0.0000005},
    {"Au", "melting point K", &ePhysical, 3, 1337.3, 0.5},
    {"Au", "density g/cm3", &eCrystal, 0, 19.3, 0.05},
    {"Au", "first ionization eV", &eBonding, 4, 9.226, 0.001},
    {"Os", "density g/cm3 (the densest element)", &eCrystal, 0, 22.59, 0.005},
    {"Ir", "density g/cm3", &eCrystal, 0, 22.56, 0.005},
    {"Hg", "atomic weight", &eGeneral, 2, 200.59, 0.01},
    {"Hg", "melting point K", &ePhysical, 3, 234.32, 0.1},
    {"Hg", "boiling point K", &ePhysical, 4, 629.9, 0.5},
    {"Hg", "liquid density g/mL", &eCrystal, 0, 13.53, 0.02},
    {"Hg", "superconducting Tc K (alpha)", &eCrystal2, 0, 4.15, 0.01},
    {"La", "superconducting Tc K (alpha)", &eCrystal2, 0, 4.88, 0.01},
    {"Gd", "boiling point K", &ePhysical, 4, 3546, 1},
    {"Tb", "magnetic susceptibility 10^-6 cm3/mol", &ePhysical2, 1, 146000, 1000},
    {"Ho", "melting point K", &ePhysical, 3, 1747, 1},
    {"Ho", "boiling point K", &ePhysical, 4, 2973, 1},
    {"Lu", "melting point K", &ePhysical, 3, 1936, 1},
    {"Lu", "atomic weight", &eGeneral, 2, 174.96669, 0.000005},
    {"Pb", "atomic weight", &eGeneral, 2, 207.2, 0.01},
    {"Pb", "melting point K", &ePhysical, 3, 600.6, 0.2},
    {"Pb", "density g/cm3", &eCrystal, 0, 11.34, 0.02},
    {"Pb", "superconducting Tc K", &eCrystal2, 0, 7.2, 0.05},
    {"U", "atomic weight", &eGeneral, 2, 238.029, 0.001},
    {"U", "melting point K", &ePhysical, 3, 1405.3, 1},
    {"U", "density g/cm3", &eCrystal, 0, 19.1, 0.05},
    {"U", "first ionization eV", &eBonding, 4, 6.194, 0.001},
    {"Tc", "mass number", &eGeneral, 2, 97, 0},
    {"Og", "mass number", &eGeneral, 2, 294, 0},
    {"O", "crustal abundance %", &eAbundances, 0, 46.1, 0.1},
    {"N", "atmosphere abundance %", &eAbundances, 1, 78.08, 0.01},
    {"Cl", "oceanic abundance mg/L", &eAbundances, 2, 19400, 100},
    {"Fe", "solar system abundance", &eAbundances, 3, 900000, 10000},
};

TEST_F(ShippedTextsTest, ValuesAgreeWithPublishedOnes) {
  for (const SpotCheck& check : kSpotChecks) {
    const std::string& cell = (*check.table)(RowOf(check.symbol), check.column);
    ASSERT_FALSE(IsNul(cell)) << check.symbol << " " << check.what;
    EXPECT_NEAR(Val(cell), check.expected, check.tolerance) << check.symbol << " " << check.what;
  }
}

TEST_F(ShippedTextsTest, WordsAndCodesAgreeWithPublishedOnes) {
  struct WordCheck {
    const char* symbol;
    const char* what;
    std::string actual;
    std::string expected;
  };
  const WordCheck kWordChecks[] = {
      {"H", "state", ePhysical(RowOf("H"), 1), "gas"},
      {"Br", "state", ePhysical(RowOf("Br"), 1), "liquid"},
      {"Hg", "state", ePhysical(RowOf("Hg"), 1), "liquid"},
      {"Ga", "state at 298 K", ePhysical(RowOf("Ga"), 1), "solid"},
      {"Fe", "class", ePhysical(RowOf("Fe"), 0), "m"},
      {"Si", "class", ePhysical(RowOf("Si"), 0), "s"},
      {"S", "class", ePhysical(RowOf("S"), 0), "n"},
      {"Fe", "magnetic susceptibility", ePhysical2(RowOf("Fe"), 1), "FER"},
      {"Cu", "magnetic susceptibility", ePhysical2(RowOf("Cu"), 1), "-5.46"},
      {"Fe", "crystal structure", eCrystal(RowOf("Fe"), 1), "bcc"},
      {"Cu", "crystal structure", eCrystal(RowOf("Cu"), 1), "fcc"},
      {"Gd", "superconducting Tc (not a superconductor)", eCrystal2(RowOf("Gd"), 0), "nul"},
      {"Si", "resistivity (depends on purity)", eCrystal(RowOf("Si"), 6), "nul"},
      {"Pm", "appearance", eColor(RowOf("Pm")), "silverwhite"},
      {"Fe", "configuration", eBonding(RowOf("Fe"), 0), "[Ar]3d\u20764s\u00B2"},
      {"Fe", "CAS number", eCAS(RowOf("Fe")), "7439-89-6"},
      {"O", "year of discovery", eHistory(RowOf("O"), 0), "1774"},
      {"O", "discoverer", eHistory(RowOf("O"), 1), "Joseph Priestley"},
      {"O", "place", eHistory(RowOf("O"), 2), "England"},
      {"Au", "year of discovery", eHistory(RowOf("Au"), 0), "ancient"},
      {"Cl", "natural isotopes", eIsotope2(RowOf("Cl"), 1), "3 35,75.76 36,VS 37,24.24"},
      {"Ar", "atomic radius (Slater's scale has no noble gases)", eBonding(RowOf("Ar"), 3), "nul"},
      {"Gd", "magnetic susceptibility (paramagnetic above 293 K)", ePhysical2(RowOf("Gd"), 1), "185000"},
      {"C", "valences", eBonding(RowOf("C"), 7), "-4,4"},
      {"Fe", "valences", eBonding(RowOf("Fe"), 7), "2,3"},
      {"Cu", "valences", eBonding(RowOf("Cu"), 7), "1,2"},
      {"Au", "valences", eBonding(RowOf("Au"), 7), "1,3"},
      {"Xe", "valences", eBonding(RowOf("Xe"), 7), "2,4,6,8"},
      {"U", "valences", eBonding(RowOf("U"), 7), "4,6"},
      {"Kr", "valences (KrF2 decomposes at room temperature)", eBonding(RowOf("Kr"), 7), "nul"},
      {"Sn", "stable isotopes", eIsotope(RowOf("Sn"), 1), "10"},
  };
  for (const WordCheck& check : kWordChecks) {
    EXPECT_EQ(check.actual, check.expected) << check.symbol << " " << check.what;
  }
}

}  // namespace

namespace {

bool IsAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A glossary term is also a note's file name and its link target on the iPod.
TEST_F(ShippedTextsTest, GlossaryTermsAreUsableFileNamesWithDefinitions) {
  EXPECT_EQ(CountFields(glossary(), "\r") - 1, kGlossaryTermCount) << "one line per term";
  std::set<std::string> seen;
  for (int term = 0; term < kGlossaryTermCount; ++term) {
    const std::string& name = eGlossary(term, 0);
    SCOPED_TRACE(name);
    EXPECT_FALSE(name.empty());
    EXPECT_LE(Len(name), 31);
    EXPECT_EQ(name.find('/'), std::string::npos);
    EXPECT_NE(name.front(), '.');
    EXPECT_TRUE(seen.insert(name).second) << "duplicate term";
    EXPECT_FALSE(eGlossary(term, 1).empty());
    EXPECT_EQ(eGlossary(term, 1).find("\xE2\x88\x91"), std::string::npos) << "a stray paragraph mark";
  }
}

const std::string& Definition(const std::string& term) {
  for (int row = 0; row < kGlossaryTermCount; ++row) {
    if (eGlossary(row, 0) == term) return eGlossary(row, 1);
  }
  ADD_FAILURE() << "no glossary term " << term;
  static const std::string kNone;
  return kNone;
}

// A value as the notes show it in the unit the tables store: the cell itself, or the cell
// formatted by the mask of its line.
using ShownValue = std::function<std::string(int row)>;

ShownValue Cell(StringArray2D& table, int column) {
  return [&table, column](int row) { return table(row, column); };
}

ShownValue Masked(StringArray2D& table, int column, const char* mask) {
  return [&table, column, mask](int row) { return Format(Val(table(row, column)), mask); };
}

// The abundance of the natural isotope with the given mass number.
ShownValue Abundance(const char* massNumber) {
  return [massNumber](int row) {
    const std::string& line = eIsotope2(row, 1);
    for (int field = 2; field <= CountFields(line, " "); ++field) {
      const std::string item = NthField(line, " ", field);
      if (NthField(item, ",", 1) == massNumber) return NthField(item, ",", 2);
    }
    return std::string("none");
  };
}

ShownValue Whole(StringArray& table) {
  return [&table](int row) { return table(row); };
}

// Every value a glossary entry quotes for an element is the value that element's note shows.
TEST_F(ShippedTextsTest, GlossaryExamplesAreTheValuesTheNotesShow) {
  struct Example {
    const char* term;
    const char* symbol;
    ShownValue shown;
    const char* before;
    const char* after;
  };
  const Example kExamples[] = {
      {"atmospheric abundance", "N", Cell(eAbundances, 1), "Nitrogen makes up ", "%"},
      {"atmospheric abundance", "O", Cell(eAbundances, 1), "oxygen ", "%"},
      {"atmospheric abundance", "Ar", Cell(eAbundances, 1), "argon ", "%"},
      {"atmospheric abundance", "C", Cell(eAbundances, 1), "carbon dioxide, ", "%"},
      {"boiling point", "He", Cell(ePhysical, 4), "all elements, ", " K"},
      {"CAS registry number", "Fe", Whole(eCAS), "Iron, for example, is ", "."},
      {"covalent radius", "Cl", Cell(eBonding, 8), "chlorine's covalent radius is ", " pm"},
      {"crustal abundance", "O", Cell(eAbundances, 0), "Oxygen (", "%)"},
      {"crustal abundance", "Si", Cell(eAbundances, 0), "silicon (", "%)"},
      {"density", "Os", Cell(eCrystal, 0), "Osmium (", " g/cm³)"},
      {"density", "Ir", Cell(eCrystal, 0), "iridium (", " g/cm³)"},
      {"density", "Li", Cell(eCrystal, 0), "lithium (", " g/cm³)"},
      {"electron affinity", "Cl", Cell(eBonding, 2), "chlorine has the largest, ", " kJ/mol"},
      {"electron configuration", "Fe", Cell(eBonding, 0), "iron is ", ","},
      {"electronegativity", "Fr", Cell(eBonding, 1), "from ", " for francium"},
      {"electronegativity", "Cs", Cell(eBonding, 1), "and ", " for cesium"},
      {"electronegativity", "F", Cell(eBonding, 1), "to ", " for fluorine"},
      {"heat of fusion", "Br", Cell(ePhysical, 6), "Br2 is ", " kJ/mol per mole of bromine atoms"},
      {"heat of vaporization", "Cl", Cell(ePhysical, 5), "Cl2 is ", " kJ/mol per mole of chlorine atoms"},
      {"ionization energy", "Cs", Masked(eBonding, 4, "#.###"), "from ", " eV for cesium"},
      {"ionization energy", "He", Masked(eBonding, 4, "#.###"), "to ", " eV for helium"},
      {"lattice parameters", "Fe", Cell(eCrystal, 3), "Iron (body-centered cubic) has a = ", " Å"},
      {"lattice parameters", "Zn", Cell(eCrystal, 3), "zinc (hexagonal) has a = ", " Å"},
      {"lattice parameters", "Zn", Cell(eCrystal, 4), "and c = ", " Å"},
      {"linear expansion coefficient", "Fe", Cell(ePhysical2, 0), "A value of ", ", as for iron"},
      {"magnetic susceptibility", "Cu", Cell(ePhysical2, 1), "copper's ", " means"},
      {"melting point", "C", Cell(ePhysical, 3), "graphite melts at ", " K"},
      {"melting point", "As", Cell(ePhysical, 3), "gray arsenic at ", " K"},
      {"melting point", "W", Cell(ePhysical, 3), "Tungsten melts at ", " K"},
      {"natural isotopes", "Cl", Abundance("35"), "chlorine is ", "% chlorine-35"},
      {"natural isotopes", "Cl", Abundance("37"), "and ", "% chlorine-37"},
      {"oceanic abundance", "Cl", Cell(eAbundances, 2), "chlorine (", " mg/L)"},
      {"oceanic abundance", "Na", Cell(eAbundances, 2), "sodium (", " mg/L)"},
      {"photoelectric work function", "Cs", Cell(ePhysical, 8), "from ", " eV for cesium"},
      {"photoelectric work function", "Pt", Cell(ePhysical, 8), "platinum (", " eV)"},
      {"polarizability", "He", Cell(eBonding2, 0), "helium has ", " Å³"},
      {"polarizability", "Cs", Cell(eBonding2, 0), "cesium ", " Å³"},
      {"resistivity", "Ag", Cell(eCrystal, 6), "Silver, the best conductor, has ", " nΩ-m"},
      {"resistivity", "Cu", Cell(eCrystal, 6), "copper ", " nΩ-m"},
      {"resistivity", "Fe", Cell(eCrystal, 6), "iron ", " nΩ-m"},
      {"solar system abundance", "H", Masked(eAbundances, 3, "0.##"), "Hydrogen (", ", or"},
      {"specific heat capacity", "Fe", Cell(ePhysical, 7), "iron with ", " J/g K"},
      {"superconductivity", "Hg", Cell(eCrystal2, 0), "Tc of ", " K"},
      {"superconductivity", "Nb", Cell(eCrystal2, 0), "niobium has the highest Tc, ", " K"},
      {"thermal conductivity", "Ag", Cell(eCrystal, 5), "Silver (", " W/mK)"},
      {"thermal conductivity", "Cu", Cell(eCrystal, 5), "copper (", " W/mK)"},
      {"valence", "Cu", Cell(eBonding, 7), "Copper, for example, is listed as ", " and"},
      {"valence", "Fe", Cell(eBonding, 7), "iron as ", ";"},
  };
  for (const Example& example : kExamples) {
    const std::string quoted = example.before + example.shown(RowOf(example.symbol)) + example.after;
    EXPECT_NE(Definition(example.term).find(quoted), std::string::npos)
        << example.term << " should quote " << example.symbol << " as \"" << quoted << "\"";
  }
}

// "a, b and c" of the element names in row order.
std::string NameList(const std::vector<std::string>& names) {
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? " and " : ", ";
    list += names[i];
  }
  return list;
}

// The counts and lists the glossary and the history text give agree with the tables.
TEST_F(ShippedTextsTest, GlossaryAndHistoryAgreeWithTheTables) {
  int natural = 0, gases = 0;
  std::vector<std::string> liquids, metalloids, ancient;
  for (int row = 0; row <= kElementRowUpperBound; ++row) {
    natural += Val(eIsotope2(row, 0)) > 0 ? 1 : 0;
    gases += ePhysical(row, 1) == "gas" ? 1 : 0;
    if (ePhysical(row, 1) == "liquid") liquids.push_back(eGeneral(row, 0));
    if (ePhysical(row, 0) == "s") metalloids.push_back(eGeneral(row, 0));
    if (eHistory(row, 0) == "ancient") ancient.push_back(eGeneral(row, 0));
  }
  EXPECT_EQ(natural, 94);
  EXPECT_NE(Definition("chemical element").find("94 occur naturally"), std::string::npos);
  EXPECT_EQ(gases, 11);
  EXPECT_NE(Definition("state of matter").find("only " + NameList(liquids) + " are liquids and eleven"),
            std::string::npos);
  EXPECT_NE(Definition("semimetal").find("the metalloids: " + NameList(metalloids) + "."), std::string::npos)
      << NameList(metalloids);

  const std::string history = Abouttheperiodictable();
  const std::size_t ancientStart = history.find("Eleven elements have been known since ancient times");
  ASSERT_NE(ancientStart, std::string::npos);
  const std::string ancientSentence = NthField(history.substr(ancientStart), ".", 1);
  EXPECT_EQ(ancient.size(), 11u) << "the history text says eleven";
  for (const std::string& name : ancient) {
    EXPECT_NE(ancientSentence.find(name), std::string::npos)
        << name << " is missing from: " << ancientSentence;
  }
  EXPECT_NE(history.find("spectrum of the Sun in " + eHistory(RowOf("He"), 0)), std::string::npos);
  EXPECT_NE(history.find("argon, isolated from air in " + eHistory(RowOf("Ar"), 0)), std::string::npos);
}

// The about texts are written as notes without the xml line that would declare UTF-8.
TEST_F(ShippedTextsTest, AboutTextsArePlainAscii) {
  for (const std::string& text : {AboutAtomnote(), Abouttheperiodictable()}) {
    EXPECT_GT(text.size(), 200u);
    EXPECT_TRUE(IsAscii(text));
  }
}

}  // namespace
