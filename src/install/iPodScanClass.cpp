#include "install/iPodScanClass.h"

#include "framework/Volumes.h"
#include "framework/Yield.h"

Array1D<FolderItem> iPodScanClass::iPodFolderItemList(-1);
StringArray iPodScanClass::iPodList(-1);
StringArray iPodScanClass::iPodType(-1);

namespace {

void EmptyScanLists() {
  iPodScanClass::iPodType.ResizeTo(-1);
  iPodScanClass::iPodList.ResizeTo(-1);
  iPodScanClass::iPodFolderItemList.ResizeTo(-1);
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
  return notes;
}

void AppendiPod(const FolderItem& notes) {
  iPodScanClass::iPodType.Append("iPod");
  iPodScanClass::iPodList.Append(notes.ShellPath());
  iPodScanClass::iPodFolderItemList.Append(notes);
}

}  // namespace

void iPodScanClass::GetiPodList() {
  EmptyScanLists();
  try {
    // The count is taken once, as the volumes are walked by index: a volume unmounted during the
    // walk leaves an index with no volume behind it, which ends the scan as an error.
    const int lastVolume = VolumeCount() - 1;
    for (int i = 0; i <= lastVolume; ++i) {
      const FolderItem notes = iPodNotesFolder(Volume(i));
      if (!notes.IsNil()) AppendiPod(notes);
      Yield();
    }
  } catch (...) {
    // A failed scan shows no message: the status line shows that no iPod is ready.
    EmptyScanLists();
  }
}
