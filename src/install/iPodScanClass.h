#pragma once

#include <string>

#include "framework/Arrays.h"
#include "framework/FolderItem.h"

// The iPods in disk mode among the mounted volumes, found by the last scan. The three lists are
// parallel: entry k of each describes the same iPod.
class iPodScanClass {
 public:
  iPodScanClass() = delete;

  // Each iPod's "Notes" folder at the root of its volume. Entry 0 is the target of an install
  // and of a removal.
  static Array1D<FolderItem> iPodFolderItemList;
  // The shell path of that "Notes" folder.
  static StringArray iPodList;
  // "iPod" for every entry.
  static StringArray iPodType;

  // Rebuilds the three lists from the volumes mounted now. A scan that fails part-way (a volume
  // that vanishes while it is looked at) empties them and reports nothing.
  static void GetiPodList();
};
