#include "install/iPodScanClass.h"

#include <filesystem>
#include <optional>
#include <utility>

#include "framework/Volumes.h"
#include "framework/Yield.h"

Array1D<FolderItem> iPodScanClass::iPodFolderItemList(-1);
StringArray iPodScanClass::iPodList(-1);
StringArray iPodScanClass::iPodType(-1);
Array1D<std::uint64_t> iPodScanClass::iPodMountList(-1);

namespace {

// The parallel lists of one scan.
struct ScanLists {
  Array1D<FolderItem> folders{-1};
  StringArray paths{-1};
  StringArray types{-1};
  Array1D<std::uint64_t> mounts{-1};

  void Append(const FolderItem& notes, std::uint64_t mount) {
    types.Append("iPod");
    paths.Append(notes.ShellPath());
    folders.Append(notes);
    mounts.Append(mount);
  }
};

void Publish(ScanLists lists) {
  iPodScanClass::iPodType = std::move(lists.types);
  iPodScanClass::iPodList = std::move(lists.paths);
  iPodScanClass::iPodFolderItemList = std::move(lists.folders);
  iPodScanClass::iPodMountList = std::move(lists.mounts);
}

// The "Notes" folder at the root of volume when the volume is an iPod in disk mode: an invisible
// "iPod_Control" holding "Music", and "Notes" beside it. Nil otherwise. A volume that is gone
// (nil) raises NilObjectException.
FolderItem iPodNotesFolder(const FolderItem& volume) {
  const FolderItem control = volume.Child("iPod_Control");
  if (!control.Exists()) return FolderItem();
  if (control.Visible()) return FolderItem();
  if (!control.Child("Music").Exists()) return FolderItem();
  const FolderItem notes = control.Parent().Child("Notes");
  if (!notes.Exists()) return FolderItem();
  // A link would send the clean-up's deletes and the notes somewhere off the iPod.
  if (std::filesystem::is_symlink(notes.Path())) return FolderItem();
  return notes;
}

}  // namespace

// The lists are built aside and replaced whole at the end, so an Install or Remove click handled
// during one of the scan's yields still finds the complete result of the previous scan.
void iPodScanClass::GetiPodList() {
  ScanLists found;
  try {
    // The count is taken once, as the volumes are walked by index: a volume unmounted during the
    // walk leaves an index with no volume behind it, which ends the scan as an error.
    const int lastVolume = VolumeCount() - 1;
    for (int i = 0; i <= lastVolume; ++i) {
      const FolderItem volume = Volume(i);
      const FolderItem notes = iPodNotesFolder(volume);
      const std::optional<std::uint64_t> mount = notes.IsNil() ? std::nullopt : MountOf(volume);
      if (mount) found.Append(notes, *mount);
      Yield();
    }
  } catch (...) {
    // A failed scan shows no message: the status line shows that no iPod is ready.
    found = ScanLists();
  }
  Publish(std::move(found));
}

bool iPodScanClass::StillAttached(int index) {
  const FolderItem notes = iPodFolderItemList(index);
  const std::uint64_t mount = iPodMountList(index);
  if (notes.IsNil()) return false;
  try {
    const FolderItem volume = notes.Parent();
    if (!IsMountedVolume(volume) || MountOf(volume) != mount) return false;
    const FolderItem notesNow = iPodNotesFolder(volume);
    return !notesNow.IsNil() && notesNow.Path() == notes.Path();
  } catch (...) {
    return false;
  }
}

FolderItem iPodScanClass::HeldNotesFolder(int index) {
  if (!StillAttached(index)) return FolderItem();
  const FolderItem notes = iPodFolderItemList(index);
  const FolderItem volume = FolderItem::HeldVolumeRoot(notes.Parent(), iPodMountList(index));
  return volume.IsNil() ? FolderItem() : volume.Child(notes.Name());
}
