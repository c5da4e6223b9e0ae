#pragma once

#include <cstdint>
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
  // Which mounted volume each iPod was when the scan found it, to tell later whether the same
  // volume is still there.
  static Array1D<std::uint64_t> iPodMountList;

  // Rebuilds the three lists from the volumes mounted now. A scan that fails part-way (a volume
  // that vanishes while it is looked at) empties them and reports nothing.
  static void GetiPodList();

  // True when the iPod of entry index is still the one the scan found: its volume still mounted
  // on the same folder, as the same mount, and still an iPod in disk mode with the same Notes
  // folder. The scan runs every few seconds, so an iPod can be unplugged (its mount folder left
  // behind, empty) or replaced between a scan and a click. False for a nil entry; raises
  // OutOfBoundsException for an index the lists do not have.
  static bool StillAttached(int index);

  // The Notes folder of entry index, held open for an install or a removal: nil unless the iPod
  // is StillAttached, else reached from its volume's root opened once as a descriptor on the
  // mount the scan found, so that everything written or deleted below it is reached from there
  // and stays on that volume while it is mounted there (see FolderItem::HeldVolumeRoot).
  static FolderItem HeldNotesFolder(int index);
};
