#include "prefs/DatasetGroups.h"

const DatasetGroup* DatasetGroupOfRow(int row) {
  for (const DatasetGroup& group : kDatasetGroups) {
    if (group.Holds(row)) return &group;
  }
  return nullptr;
}

std::optional<std::uint32_t> DatasetRowColour(int row) {
  const DatasetGroup* group = DatasetGroupOfRow(row);
  if (group == nullptr) return std::nullopt;
  return row % 2 == 0 ? group->evenRowColour : group->oddRowColour;
}
