#include "install/InstallerWindow.h"

#include "framework/MessageSink.h"
#include "framework/SelectFolderDialog.h"
#include "install/InstallMessages.h"
#include "install/iPodScanClass.h"

namespace {

std::string StatusText(int iPodCount) {
  if (iPodCount == 0) {
    return "Your iPod must be connected with disk mode enabled before you can install or remove Atomnote.";
  }
  if (iPodCount >= 2) {
    return "Please connect only one iPod at a time when attempting to install or remove Atomnote.";
  }
  // The volume's name as mounted, unchanged.
  const std::string name = iPodScanClass::iPodFolderItemList(0).Parent().Name();
  return "Ready to install Atomnote on the attached iPod named \"" + name + "\".";
}

// The folder itself when it is the top of an iPod (it holds "iPod_Control"), else its parent
// when that is; nil otherwise. The top of the file system has no parent and is no iPod then.
FolderItem iPodTopFolder(const FolderItem& chosen) {
  if (chosen.Child("iPod_Control").Exists()) return chosen;
  const FolderItem parent = chosen.Parent();
  if (!parent.IsNil() && parent.Child("iPod_Control").Exists()) return parent;
  return FolderItem();
}

}  // namespace

void InstallerWindow::scanTimerAction() {
  iPodScanClass::GetiPodList();
  const int iPodCount = iPodScanClass::iPodList.Ubound() + 1;
  // Set on every call, also when nothing changed since the last one.
  SetStatusText(StatusText(iPodCount));
  SetInstallEnabled(iPodCount == 1);
  SetRemoveEnabled(iPodCount == 1);
}

FolderItem InstallerWindow::getiPodLocation() {
  try {
    SelectFolderDialog dialog;
    dialog.Title = "Select your iPod";
    dialog.PromptText = "Select your iPod.";
    dialog.ActionButtonCaption = "Select";
    dialog.Filter = "special/disk";
    const FolderItem chosen = dialog.ShowModal();
    if (chosen.IsNil()) return FolderItem();
    return iPodTopFolder(chosen);
  } catch (...) {
    MsgBox(iPodAccessErrorMessage(), kCautionIcon, "Error");
    return FolderItem();
  }
}
