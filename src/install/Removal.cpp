#include <array>
#include <cerrno>
#include <string>

#include "framework/MessageSink.h"
#include "install/DeleteAnything.h"
#include "install/InstallMessages.h"
#include "install/InstallerWindow.h"
#include "install/ProgressDisplay.h"
#include "install/iPodLock.h"
#include "install/iPodScanClass.h"

namespace {

// The menu notes and folders an install may put directly into the Notes folder, in the order
// they are deleted. index.linx is not among them: it is only ever written inside the product
// folder, so one directly in Notes is the user's own.
constexpr std::array<const char*, 14> kInstalledNames = {
    "License Note.txt", "main.linx",  "alpha.linx", "atnum.linx", "symbol.linx", "period.linx", "group.linx",
    "about.linx",       "table.linx", "e",          "h",          "g",           "p",           "t"};

// True when the item is gone: deleted, or found missing from its folder. An item that cannot be
// looked at (its folder unreachable, say) is not gone.
bool DeleteIfExists(const FolderItem& item) {
  if (item.Exists()) return deleteAnything(item);
  return item.LastErrorCode() == ENOENT;
}

void ShowNothingRemoved() { MsgBox(NothingRemovedMessage(), kCautionIcon, kProblemFindingiPodTitle); }

void ShowRemoved() { MsgBox(RemovedMessage()); }

// Something of Atomnote could not be deleted (its own #928 boxes came first): the person must not
// be told it is gone.
void ShowNotAllRemoved() { MsgBox(NotAllRemovedMessage(), kCautionIcon, kNotAllRemovedTitle); }

void ShowRemovalProgress() { CurrentProgressDisplay().Open("Removing…", "Removing Atomnote from iPod..."); }

enum class RemovalEnd { NothingRemoved, Busy, EverythingGone, NotEverythingGone };

// The deletes, with the iPod's Notes folder held open and locked; both are let go of before the
// last message, so that the iPod can be ejected while it is up.
RemovalEnd RemoveFromTheiPod(InstallerWindow& installer) {
  // The iPod may have been disconnected or replaced since the last scan: nothing is deleted
  // then, least of all from whatever now lies at its mount folder. From here on everything is
  // reached from its volume held open.
  const FolderItem notes = iPodScanClass::HeldNotesFolder(0);
  if (notes.IsNil()) return RemovalEnd::NothingRemoved;
  iPodLock lock = iPodLock::Take(notes);
  if (lock.HeldElsewhere()) return RemovalEnd::Busy;
  if (lock.FolderUnreachable()) return RemovalEnd::NothingRemoved;
  ShowRemovalProgress();
  bool everythingGone = DeleteIfExists(notes.Child("Atomnote"));
  everythingGone = installer.deleteOldFiles(notes) && everythingGone;
  everythingGone = DeleteIfExists(notes.Child("helixaNotes")) && everythingGone;
  // An iPod pulled out part-way has kept whatever was not deleted before it went (the deletes
  // after it fail); one pulled out at the very end may not have kept what was deleted last.
  // Either way the person is not told it is all gone.
  everythingGone = notes.VolumeStillMounted() && everythingGone;
  return everythingGone ? RemovalEnd::EverythingGone : RemovalEnd::NotEverythingGone;
}

}  // namespace

void InstallerWindow::removeAtomnote() {
  try {
    switch (RemoveFromTheiPod(*this)) {
      case RemovalEnd::NothingRemoved:
        ShowNothingRemoved();
        return;
      case RemovalEnd::Busy:
        MsgBox(iPodBusyRemovalMessage(), kCautionIcon, kiPodBusyTitle);
        return;
      case RemovalEnd::EverythingGone:
        CurrentProgressDisplay().Close();
        ShowRemoved();
        return;
      case RemovalEnd::NotEverythingGone:
        CurrentProgressDisplay().Close();
        ShowNotAllRemoved();
        return;
    }
  } catch (...) {
    CurrentProgressDisplay().CloseIfInFront();
    MsgBox(UninstallErrorMessage(), kCautionIcon, "Error");
  }
}

bool InstallerWindow::deleteOldFiles(const FolderItem& root) {
  bool everythingGone = true;
  for (const char* name : kInstalledNames)
    everythingGone = DeleteIfExists(root.Child(name)) && everythingGone;
  return everythingGone;
}
