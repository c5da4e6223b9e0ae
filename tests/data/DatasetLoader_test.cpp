#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/ElementTables.h"
#include "data/ResourceCatalogue.h"
#include "framework/Exceptions.h"
#include "support/TestSupport.h"

namespace {

const std::string kStale = "stale";
// ":ß" and "∑" in UTF-8.
const std::string kTermEnd = ":\xC3\x9F";
const std::string kSigma = "\xE2\x88\x91";

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\r';
    text += lines[i];
  }
  return text;
}

std::string Join(const std::vector<std::string>& fields, const std::string& separator) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += separator;
    line += fields[i];
  }
  return line;
}

// Values "v1" .. "vN".
std::vector<std::string> Values(int count) {
  std::vector<std::string> values;
  for (int i = 1; i <= count; ++i) {
    std::string value("v");
    value += std::to_string(i);
    values.push_back(value);
  }
  return values;
}

std::vector<std::string> Row(const StringArray2D& table, int row) {
  std::vector<std::string> cells;
  for (int column = 0; column <= table.Ubound(2); ++column) cells.push_back(table(row, column));
  return cells;
}

void Fill(StringArray2D& table, const std::string& value) {
  for (int row = 0; row <= table.Ubound(1); ++row) {
    for (int column = 0; column <= table.Ubound(2); ++column) table(row, column) = value;
  }
}

void Fill(StringArray& list, const std::string& value) {
  for (int row = 0; row <= list.Ubound(); ++row) list(row) = value;
}

struct ColumnDataset {
  const char* key;
  int number;
  StringArray2D* table;
  std::string separator;
  std::string otherSeparator;  // a character that belongs to the value in this dataset
  int columns;
};

const ColumnDataset kColumnDatasets[] = {
    {"GeneralDat", 187, &eGeneral, " ", "\t", 5},       {"BondingDat", 180, &eBonding, " ", "\t", 9},
    {"Bonding2Dat", 174, &eBonding2, " ", "\t", 4},     {"CrystalDat", 178, &eCrystal, " ", "\t", 7},
    {"Crystal2Dat", 171, &eCrystal2, " ", "\t", 2},     {"HistoryDat", 176, &eHistory, "\t", " ", 3},
    {"PhysicalDat", 169, &ePhysical, " ", "\t", 9},     {"Physical2Dat", 168, &ePhysical2, " ", "\t", 2},
    {"AbundancesDat", 172, &eAbundances, " ", "\t", 4}, {"IsotopeDat", 179, &eIsotope, " ", "\t", 4},
    {"NamesDat", 185, &eNames, "\t", " ", 2},
};

struct LineDataset {
  const char* key;
  int number;
  StringArray* list;
};

const LineDataset kLineDatasets[] = {
    {"UsesDat", 188, &eUses},   {"OresDat", 170, &eOres}, {"BritishDat", 189, &eBritish},
    {"ColorDat", 173, &eColor}, {"CASDat", 175, &eCAS},
};

class DatasetLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override { ReleaseResourceCatalogue(); }
  void TearDown() override { ReleaseResourceCatalogue(); }

  // A fresh, empty resource file for one more load within the same test.
  void UseFreshResourceFile() {
    ReleaseResourceCatalogue();
    fork_ = std::make_shared<MemoryResourceFork>();
    SetApplicationResourceForkForTesting(fork_);
  }

  std::shared_ptr<MemoryResourceFork> fork_ = std::make_shared<MemoryResourceFork>();
  ScopedResourceFork scoped_{fork_};
};

TEST_F(DatasetLoaderTest, SelectSplitsAtCarriageReturnOnly) {
  fork_->texts[187] = "first\rsecond line\twith tab\rthird\nstill third\r\rfifth";
  Fill(eTempLoadFile, kStale);

  selectDatasets("GeneralDat");

  EXPECT_EQ(eTempLoadFile(0), "first");
  EXPECT_EQ(eTempLoadFile(1), "second line\twith tab");
  EXPECT_EQ(eTempLoadFile(2), "third\nstill third");
  EXPECT_EQ(eTempLoadFile(3), "");
  EXPECT_EQ(eTempLoadFile(4), "fifth");
  for (int row = 5; row <= 117; ++row) EXPECT_EQ(eTempLoadFile(row), "") << "row " << row;
}

TEST_F(DatasetLoaderTest, SelectTakes118LinesAndNeverWritesRow118) {
  std::vector<std::string> lines;
  for (int n = 1; n <= 130; ++n) lines.push_back("line " + std::to_string(n));
  fork_->texts[188] = JoinLines(lines);
  eTempLoadFile(118) = kStale;

  selectDatasets("UsesDat");

  EXPECT_EQ(eTempLoadFile(0), "line 1");
  EXPECT_EQ(eTempLoadFile(117), "line 118");
  EXPECT_EQ(eTempLoadFile(118), kStale);
}

TEST_F(DatasetLoaderTest, SelectReadsEveryKnownKeyFromItsOwnText) {
  const std::pair<const char*, int> kKeys[] = {
      {"Physical2Dat", 168},  {"PhysicalDat", 169}, {"OresDat", 170},     {"Crystal2Dat", 171},
      {"AbundancesDat", 172}, {"ColorDat", 173},    {"Bonding2Dat", 174}, {"CASDat", 175},
      {"HistoryDat", 176},    {"CrystalDat", 178},  {"IsotopeDat", 179},  {"BondingDat", 180},
      {"Isotope2Dat", 181},   {"NamesDat", 185},    {"glossary", 186},    {"GeneralDat", 187},
      {"UsesDat", 188},       {"BritishDat", 189},
  };
  for (int number = 160; number < 200; ++number) fork_->texts[number] = "TEXT " + std::to_string(number);

  for (const auto& [key, number] : kKeys) {
    selectDatasets(key);
    EXPECT_EQ(eTempLoadFile(0), "TEXT " + std::to_string(number)) << key;
  }
}

TEST_F(DatasetLoaderTest, SelectGivesEmptyLinesForKeysWithoutText) {
  for (int number = 160; number < 200; ++number) fork_->texts[number] = "TEXT " + std::to_string(number);

  for (const char* key : {"SvenskDat", "FrancaisDat", "", "General", "AboutAtomnote"}) {
    Fill(eTempLoadFile, kStale);
    selectDatasets(key);
    for (int row = 0; row <= 117; ++row) ASSERT_EQ(eTempLoadFile(row), "") << key << " row " << row;
  }
  EXPECT_EQ(fork_->textReads, 0);
}

TEST_F(DatasetLoaderTest, ColumnDatasetsTakeOneFieldPerColumn) {
  for (const ColumnDataset& dataset : kColumnDatasets) {
    SCOPED_TRACE(dataset.key);
    UseFreshResourceFile();
    const int n = dataset.columns;
    const std::string& sep = dataset.separator;
    std::vector<std::string> shifted = Values(n);
    shifted.insert(shifted.begin() + 1, "");
    std::vector<std::string> withOther = Values(n);
    withOther[0] = "x" + dataset.otherSeparator + "y";
    fork_->texts[dataset.number] = JoinLines({
        "row zero",                      // row 0 (its first cell may be overridden)
        Join(Values(n), sep),            // exactly one field per column
        Join(Values(n + 2), sep),        // more fields than columns
        Join(Values(n - 1), sep),        // one field short
        Join(shifted, sep),              // two separators in a row after the first value
        Join(withOther, sep),            // the other separator belongs to the value
        sep + Join(Values(n - 1), sep),  // a leading separator: empty first field
    });
    Fill(*dataset.table, kStale);

    loadDatasets();

    std::vector<std::string> oneShort = Values(n - 1);
    oneShort.push_back("");
    shifted.resize(n);  // every later value one column to the right, the last one lost
    std::vector<std::string> leadingEmpty = Values(n - 1);
    leadingEmpty.insert(leadingEmpty.begin(), "");

    EXPECT_EQ(Row(*dataset.table, 1), Values(n));
    EXPECT_EQ(Row(*dataset.table, 2), Values(n));
    EXPECT_EQ(Row(*dataset.table, 3), oneShort);
    EXPECT_EQ(Row(*dataset.table, 4), shifted);
    EXPECT_EQ(Row(*dataset.table, 5), withOther);
    EXPECT_EQ(Row(*dataset.table, 6), leadingEmpty);
    for (int row = 7; row <= 117; ++row) {
      ASSERT_EQ(Row(*dataset.table, row), std::vector<std::string>(n, "")) << "row " << row;
    }
  }
}

TEST_F(DatasetLoaderTest, ColumnArraysHaveTheirBounds) {
  for (const ColumnDataset& dataset : kColumnDatasets) {
    EXPECT_EQ(dataset.table->Ubound(1), 117) << dataset.key;
    EXPECT_EQ(dataset.table->Ubound(2), dataset.columns - 1) << dataset.key;
  }
  EXPECT_EQ(eIsotope2.Ubound(1), 117);
  EXPECT_EQ(eIsotope2.Ubound(2), 1);
  EXPECT_EQ(eGlossary.Ubound(1), 100);
  EXPECT_EQ(eGlossary.Ubound(2), 1);
  EXPECT_EQ(eTempLoadFile.Ubound(), 118);
  for (const StringArray* list :
       {&eUses, &eOres, &eSvensk, &eFrancais, &eBritish, &eColor, &eCAS, &eEnglish}) {
    EXPECT_EQ(list->Ubound(), 117);
  }
}

TEST_F(DatasetLoaderTest, IsotopeCountIsTheFirstBlankFieldBesideTheWholeLine) {
  struct Case {
    std::string line;
    std::string count;
  };
  const Case kCases[] = {
      {"3 16,99.757 17,0.038 18,0.205", "3"},
      {"1 27,100", "1"},
      {"0", "0"},
      {" 2 leading blank", ""},
      {"", ""},
      {"2\t35,75.76 37,24.24", "2\t35,75.76"},
  };
  std::vector<std::string> lines;
  for (const Case& c : kCases) lines.push_back(c.line);
  fork_->texts[181] = JoinLines(lines);
  Fill(eIsotope2, kStale);

  loadDatasets();

  for (int row = 0; row < static_cast<int>(std::size(kCases)); ++row) {
    EXPECT_EQ(eIsotope2(row, 0), kCases[row].count) << kCases[row].line;
    EXPECT_EQ(eIsotope2(row, 1), kCases[row].line);
  }
  EXPECT_EQ(Row(eIsotope2, 117), std::vector<std::string>(2, ""));
}

TEST_F(DatasetLoaderTest, LineDatasetsTakeWholeLines) {
  for (const LineDataset& dataset : kLineDatasets) {
    SCOPED_TRACE(dataset.key);
    UseFreshResourceFile();
    fork_->texts[dataset.number] =
        JoinLines({"row zero", "two  blanks,\ta tab and a trailing blank ", "", "nul"});
    Fill(*dataset.list, kStale);

    loadDatasets();

    EXPECT_EQ((*dataset.list)(1), "two  blanks,\ta tab and a trailing blank ");
    EXPECT_EQ((*dataset.list)(2), "");
    EXPECT_EQ((*dataset.list)(3), "nul");
    for (int row = 4; row <= 117; ++row) ASSERT_EQ((*dataset.list)(row), "") << "row " << row;
  }
}

TEST_F(DatasetLoaderTest, FirstNamesReadHydrogenWhateverTheTextsSay) {
  struct Case {
    const char* name;
    std::string general;
    std::string british;
  };
  const Case kCases[] = {
      {"other first names", "Wasserstoff H 1.008\rhelium He 4.0026", "hydrog\xC3\xA8ne\rhelium"},
      {"empty first lines", "\rhelium He 4.0026", "\rhelium"},
      {"no texts", "", ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    UseFreshResourceFile();
    if (!c.general.empty()) fork_->texts[187] = c.general;
    if (!c.british.empty()) fork_->texts[189] = c.british;

    loadDatasets();

    EXPECT_EQ(eGeneral(0, 0), "hydrogen");
    EXPECT_EQ(eBritish(0), "hydrogen");
    EXPECT_EQ(eEnglish(0), "hydrogen");
  }
  EXPECT_EQ(eGeneral(1, 0), "");
}

TEST_F(DatasetLoaderTest, EnglishNamesCopyTheGeneralNames) {
  std::vector<std::string> general;
  for (int n = 1; n <= 118; ++n)
    general.push_back("name" + std::to_string(n) + " S" + std::to_string(n) + " 1.0");
  general[12] = "aluminum Al 26.982";
  fork_->texts[187] = JoinLines(general);
  fork_->texts[189] =
      "H\rhelium\rlithium\rberyllium\rboron\rcarbon\rnitrogen\roxygen\rfluorine\rneon\r"
      "sodium\rmagnesium\raluminium";
  Fill(eEnglish, kStale);

  loadDatasets();

  EXPECT_EQ(eGeneral(0, 1), "S1");
  EXPECT_EQ(eEnglish(12), "aluminum");
  EXPECT_EQ(eBritish(12), "aluminium");
  for (int row = 1; row <= 117; ++row) ASSERT_EQ(eEnglish(row), eGeneral(row, 0)) << "row " << row;
  EXPECT_EQ(eEnglish(117), "name118");
}

TEST_F(DatasetLoaderTest, SwedishAndFrenchNamesStayEmpty) {
  for (int number = 160; number < 200; ++number) fork_->texts[number] = "TEXT " + std::to_string(number);
  Fill(eSvensk, kStale);
  Fill(eFrancais, kStale);

  loadDatasets();

  for (int row = 0; row <= 117; ++row) {
    ASSERT_EQ(eSvensk(row), "") << "row " << row;
    ASSERT_EQ(eFrancais(row), "") << "row " << row;
  }
}

TEST_F(DatasetLoaderTest, MissingTextsLeaveEveryCellEmpty) {
  const std::vector<StringArray2D*> tables = {&eGeneral,    &eBonding, &eBonding2, &eCrystal,
                                              &eCrystal2,   &eHistory, &ePhysical, &ePhysical2,
                                              &eAbundances, &eIsotope, &eIsotope2, &eNames};
  const std::vector<StringArray*> lists = {&eUses, &eOres, &eBritish, &eColor, &eCAS, &eEnglish};
  for (StringArray2D* table : tables) Fill(*table, kStale);
  for (StringArray* list : lists) Fill(*list, kStale);
  for (int row = 0; row < kGlossaryTermCount; ++row) eGlossary(row, 0) = eGlossary(row, 1) = kStale;

  loadDatasets();

  eGeneral(0, 0) = eBritish(0) = eEnglish(0) = "";  // the three hydrogen cells
  for (StringArray2D* table : tables) {
    for (int row = 0; row <= 117; ++row)
      ASSERT_EQ(Row(*table, row), std::vector<std::string>(table->Ubound(2) + 1, ""));
  }
  for (StringArray* list : lists) {
    for (int row = 0; row <= 117; ++row) ASSERT_EQ((*list)(row), "");
  }
  for (int row = 0; row < kGlossaryTermCount; ++row)
    ASSERT_EQ(Row(eGlossary, row), std::vector<std::string>(2, ""));
}

TEST_F(DatasetLoaderTest, GlossaryLinesSplitIntoTermAndDefinition) {
  struct Case {
    std::string line;
    std::string term;
    std::string definition;
  };
  const Case kCases[] = {
      {"atom" + kTermEnd + "The smallest part of an element.", "atom", "The smallest part of an element."},
      {"no separator here", "no separator here", ""},
      {"ratio 1:2 and a lone \xC3\x9F", "ratio 1:2 and a lone \xC3\x9F", ""},
      {"a" + kTermEnd + "first" + kTermEnd + "cut off", "a", "first"},
      {"b" + kTermEnd + "one" + kSigma + kSigma + kSigma + "two", "b", "one\rtwo"},
      {"c" + kTermEnd + "one" + kSigma + kSigma + "two", "c", "one" + kSigma + kSigma + "two"},
      {"d" + kTermEnd + "x" + kSigma + kSigma + kSigma + kSigma + "y", "d", "x\r" + kSigma + "y"},
      {"e" + kTermEnd + kSigma + kSigma + kSigma + kSigma + kSigma + kSigma, "e", "\r\r"},
      {"f" + kSigma + kSigma + kSigma + "g" + kTermEnd + "h", "f" + kSigma + kSigma + kSigma + "g", "h"},
      {kTermEnd + "definition without a term", "", "definition without a term"},
      {"", "", ""},
  };
  std::vector<std::string> lines;
  for (const Case& c : kCases) lines.push_back(c.line);
  fork_->texts[186] = JoinLines(lines);

  loadDatasets();

  for (int row = 0; row < static_cast<int>(std::size(kCases)); ++row) {
    EXPECT_EQ(eGlossary(row, 0), kCases[row].term) << kCases[row].line;
    EXPECT_EQ(eGlossary(row, 1), kCases[row].definition) << kCases[row].line;
  }
}

TEST_F(DatasetLoaderTest, GlossaryFillsRows0To64Only) {
  std::vector<std::string> lines;
  for (int n = 1; n <= 110; ++n) lines.push_back("term" + std::to_string(n) + kTermEnd + "definition");
  fork_->texts[186] = JoinLines(lines);
  eGlossary.Clear();

  loadDatasets();

  EXPECT_EQ(eGlossary(0, 0), "term1");
  EXPECT_EQ(eGlossary(64, 0), "term65");
  EXPECT_EQ(eGlossary(64, 1), "definition");
  for (int row = 65; row <= 100; ++row)
    ASSERT_EQ(Row(eGlossary, row), std::vector<std::string>(2, "")) << "row " << row;
}

TEST_F(DatasetLoaderTest, NoResourceFileRaisesToTheCaller) {
  SetApplicationResourceForkForTesting(nullptr);

  EXPECT_THROW(loadDatasets(), NilObjectException);
}

}  // namespace
