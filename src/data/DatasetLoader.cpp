#include <string>
#include <string_view>
#include <vector>

#include "data/ElementTables.h"
#include "data/ResourceCatalogue.h"
#include "framework/FieldCursor.h"
#include "framework/TextFunctions.h"
#include "framework/Yield.h"

namespace {

constexpr std::string_view kLineEnd = "\r";
constexpr std::string_view kBlank = " ";
constexpr std::string_view kTab = "\t";
// ":ß" and "∑∑∑" in UTF-8.
constexpr std::string_view kGlossaryTermEnd = ":\xC3\x9F";
constexpr std::string_view kGlossaryLineBreak = "\xE2\x88\x91\xE2\x88\x91\xE2\x88\x91";

// The dataset keys that have a text in the resource file.
struct DatasetText {
  std::string_view key;
  std::string (*text)();
};

constexpr DatasetText kDatasetTexts[] = {
    {"Physical2Dat", physical2},
    {"PhysicalDat", physical},
    {"OresDat", ores},
    {"Crystal2Dat", crystal2},
    {"AbundancesDat", abundances},
    {"ColorDat", colorDat},
    {"Bonding2Dat", bonding2},
    {"CASDat", casNum},
    {"HistoryDat", history},
    {"CrystalDat", crystal},
    {"IsotopeDat", isotope},
    {"BondingDat", bonding},
    {"Isotope2Dat", isotope2},
    {"NamesDat", names},
    {"glossary", glossary},
    {"GeneralDat", general},
    {"UsesDat", uses},
    {"BritishDat", british},
};

// The text of a dataset, taken as UTF-8 as it is; empty for a key without a text.
std::string DatasetTextFor(std::string_view key) {
  for (const DatasetText& dataset : kDatasetTexts) {
    if (dataset.key == key) return dataset.text();
  }
  return {};
}

// How a line of a dataset is spread over its table's row.
enum class Layout {
  kFields,             // column c gets field c + 1
  kCountAndWholeLine,  // column 0 gets field 1, column 1 the whole line
  kWholeLine,          // the row gets the whole line
};

struct Dataset {
  std::string_view key;
  Layout layout = Layout::kWholeLine;
  StringArray2D* table = nullptr;  // kFields, kCountAndWholeLine
  StringArray* lines = nullptr;    // kWholeLine
  std::string_view separator;
  int columns = 0;
  bool firstNameIsHydrogen = false;  // row 0's first cell reads "hydrogen" whatever the text says
};

Dataset Fields(std::string_view key, StringArray2D& table, std::string_view separator, int columns) {
  Dataset dataset;
  dataset.key = key;
  dataset.layout = Layout::kFields;
  dataset.table = &table;
  dataset.separator = separator;
  dataset.columns = columns;
  return dataset;
}

Dataset CountAndWholeLine(std::string_view key, StringArray2D& table) {
  Dataset dataset;
  dataset.key = key;
  dataset.layout = Layout::kCountAndWholeLine;
  dataset.table = &table;
  dataset.separator = kBlank;
  return dataset;
}

Dataset WholeLines(std::string_view key, StringArray& lines) {
  Dataset dataset;
  dataset.key = key;
  dataset.layout = Layout::kWholeLine;
  dataset.lines = &lines;
  return dataset;
}

Dataset WithHydrogenFirst(Dataset dataset) {
  dataset.firstNameIsHydrogen = true;
  return dataset;
}

// The datasets in loading order.
const std::vector<Dataset>& Datasets() {
  static const std::vector<Dataset> datasets = {
      WithHydrogenFirst(Fields("GeneralDat", eGeneral, kBlank, 5)),
      Fields("BondingDat", eBonding, kBlank, 9),
      Fields("Bonding2Dat", eBonding2, kBlank, 4),
      Fields("CrystalDat", eCrystal, kBlank, 7),
      Fields("Crystal2Dat", eCrystal2, kBlank, 2),
      Fields("HistoryDat", eHistory, kTab, 3),
      Fields("PhysicalDat", ePhysical, kBlank, 9),
      Fields("Physical2Dat", ePhysical2, kBlank, 2),
      Fields("AbundancesDat", eAbundances, kBlank, 4),
      Fields("IsotopeDat", eIsotope, kBlank, 4),
      CountAndWholeLine("Isotope2Dat", eIsotope2),
      WholeLines("UsesDat", eUses),
      WholeLines("OresDat", eOres),
      Fields("NamesDat", eNames, kTab, 2),
      WholeLines("SvenskDat", eSvensk),
      WholeLines("FrancaisDat", eFrancais),
      WithHydrogenFirst(WholeLines("BritishDat", eBritish)),
      WholeLines("ColorDat", eColor),
      WholeLines("CASDat", eCAS),
  };
  return datasets;
}

// Cells are stored one by one, letting the framework handle pending events after each.
void StoreFields(const Dataset& dataset, int row, std::string_view line) {
  FieldCursor fields(line, dataset.separator);
  for (int column = 0; column < dataset.columns; ++column) {
    (*dataset.table)(row, column) = fields.Next();
    Yield();
  }
}

void StoreCountAndWholeLine(const Dataset& dataset, int row, std::string_view line) {
  (*dataset.table)(row, 0) = FieldCursor(line, dataset.separator).Next();
  Yield();
  (*dataset.table)(row, 1) = line;
  Yield();
}

void StoreRow(const Dataset& dataset, int row, std::string_view line) {
  switch (dataset.layout) {
    case Layout::kFields:
      StoreFields(dataset, row, line);
      break;
    case Layout::kCountAndWholeLine:
      StoreCountAndWholeLine(dataset, row, line);
      break;
    case Layout::kWholeLine:
      (*dataset.lines)(row) = line;
      break;
  }
}

void SetFirstNameToHydrogen(const Dataset& dataset) {
  if (dataset.layout == Layout::kWholeLine) {
    (*dataset.lines)(0) = "hydrogen";
  } else {
    (*dataset.table)(0, 0) = "hydrogen";
  }
}

void LoadDataset(const Dataset& dataset) {
  selectDatasets(std::string(dataset.key));
  for (int row = 0; row <= kElementRowUpperBound; ++row) {
    StoreRow(dataset, row, eTempLoadFile(row));
    Yield();
  }
  if (dataset.firstNameIsHydrogen) SetFirstNameToHydrogen(dataset);
}

// One term per line: the term before ":ß", the definition after it up to any further ":ß",
// with every "∑∑∑" in the definition standing for a line break (CR).
void LoadGlossary() {
  selectDatasets("glossary");
  for (int row = 0; row < kGlossaryTermCount; ++row) {
    FieldCursor parts(eTempLoadFile(row), kGlossaryTermEnd);
    eGlossary(row, 0) = parts.Next();
    eGlossary(row, 1) = ReplaceAll(parts.Next(), kGlossaryLineBreak, kLineEnd);
    Yield();
  }
}

// American English names: the general names, hydrogen first.
void CopyEnglishNames() {
  for (int row = 0; row <= kElementRowUpperBound; ++row) {
    eEnglish(row) = eGeneral(row, 0);
    Yield();
  }
  eEnglish(0) = "hydrogen";
}

}  // namespace

void selectDatasets(const std::string& key) {
  const std::string text = DatasetTextFor(key);
  FieldCursor lines(text, kLineEnd);
  for (int row = 0; row <= kElementRowUpperBound; ++row) {
    eTempLoadFile(row) = lines.Next();
    Yield();
  }
}

void loadDatasets() {
  for (const Dataset& dataset : Datasets()) LoadDataset(dataset);
  LoadGlossary();
  CopyEnglishNames();
}
