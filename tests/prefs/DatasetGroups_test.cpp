#include "prefs/DatasetGroups.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace {

// The groups follow one another without a gap from row 0 to the last row, each with a
// selection string of its own.
TEST(DatasetGroupsTest, TileTheListInOrder) {
  int nextRow = 0;
  std::set<const std::string*> selections;
  for (const DatasetGroup& group : kDatasetGroups) {
    SCOPED_TRACE(group.name);
    EXPECT_EQ(group.firstRow, nextRow);
    EXPECT_GE(group.tokenCount, 1);
    nextRow = group.LastRow() + 1;
    selections.insert(group.selection);
  }
  EXPECT_EQ(nextRow, kDatasetRows);
  EXPECT_EQ(selections.size(), kDatasetGroups.size());
}

// The rows at the edges of each group: their selection string and colour, chosen by the parity
// of the row in the whole list (row 17 opens its group with the odd colour).
TEST(DatasetGroupsTest, RowsAtTheGroupEdges) {
  struct Case {
    int row;
    const std::string* selection;
    std::optional<std::uint32_t> colour;
  };
  const Case cases[] = {
      {0, &prefPhysical, 0xFF6E71},    {7, &prefPhysical, 0xFFB9BA},    {8, &prefCrystal, 0x7DFF7D},
      {16, &prefCrystal, 0x7DFF7D},    {17, &prefBonding, 0xC6B8EF},    {29, &prefBonding, 0xC6B8EF},
      {30, &prefAbundances, 0xC974DF}, {33, &prefAbundances, 0xDEADDF}, {34, &prefMisc, 0xFFF617},
      {35, &prefMisc, 0xFFF6AA},       {36, &prefIsotope, 0xFF7F18},    {-1, nullptr, std::nullopt},
      {37, nullptr, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    const DatasetGroup* group = DatasetGroupOfRow(c.row);
    EXPECT_EQ(group == nullptr ? nullptr : group->selection, c.selection);
    EXPECT_EQ(DatasetRowColour(c.row), c.colour);
  }
}

}  // namespace
