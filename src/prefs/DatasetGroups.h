#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "prefs/PreferenceGlobals.h"

// The rows of the dataset list form six groups of consecutive rows. Each group has one selection
// string with one token per row ("1" selects the row's line in every element note) and a pair of
// row colours: a row is painted in the first when its index in the whole list is even, else in
// the second.
struct DatasetGroup {
  const char* name;
  int firstRow;
  int tokenCount;
  std::string* selection;       // the preference global the group's rows are stored in
  std::uint32_t evenRowColour;  // 0xRRGGBB
  std::uint32_t oddRowColour;

  int LastRow() const { return firstRow + tokenCount - 1; }
  bool Holds(int row) const { return row >= firstRow && row <= LastRow(); }
};

inline const std::array<DatasetGroup, 6> kDatasetGroups = {{
    {"physical", 0, 8, &prefPhysical, 0xFF6E71, 0xFFB9BA},
    {"crystal", 8, 9, &prefCrystal, 0x7DFF7D, 0xB2FFB2},
    {"bonding", 17, 13, &prefBonding, 0x9575EF, 0xC6B8EF},
    {"abundances", 30, 4, &prefAbundances, 0xC974DF, 0xDEADDF},
    {"miscellaneous", 34, 2, &prefMisc, 0xFFF617, 0xFFF6AA},
    {"isotopes", 36, 1, &prefIsotope, 0xFF7F18, 0xFF7F18},
}};

// The rows of the dataset list, 0 to 36.
inline constexpr int kDatasetRows = 37;

// The group that holds row; nullptr for a row outside the list.
const DatasetGroup* DatasetGroupOfRow(int row);
// The colour row is painted in (0xRRGGBB); none for a row outside the list.
std::optional<std::uint32_t> DatasetRowColour(int row);
