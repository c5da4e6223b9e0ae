#include "install/DeleteAnything.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Gestalt.h"
#include "framework/MessageSink.h"
#include "framework/Volumes.h"
#include "framework/Yield.h"
#include "install/InstallMessages.h"

namespace {

constexpr int32_t kFirstSystemWithOneStepDelete = 0x1040;

DeleteObserver& Observer() {
  static DeleteObserver observer;
  return observer;
}

DeleteObserver& OneOperationObserver() {
  static DeleteObserver observer;
  return observer;
}

void AboutToDelete(const FolderItem& item) {
  if (Observer()) Observer()(item);
}

void AboutToRemoveInOneOperation(const FolderItem& item) {
  if (OneOperationObserver()) OneOperationObserver()(item);
}

// From Mac OS X 10.4 on a folder is removed in one operation.
bool DeletesFolderInOneStep() {
  int32_t version = 0;
  return Gestalt("sysv", version) == noErr && version >= kFirstSystemWithOneStepDelete;
}

std::string FailureText(const FolderItem& item, int error) {
  return "could not delete " + item.ShellPath() + ": " + std::strerror(error);
}

// An item of a folder being emptied in one operation that is gone from the folder, held open,
// that held it is deleted, as `rm -rf` takes it: nothing can have made it disappear from there
// but a delete.
bool DeletedOrGone(const FolderItem& item) { return item.Delete() || item.LastErrorCode() == ENOENT; }

// A file, a link or an empty folder. A delete that does not happen is a failure.
void DeleteItself(const FolderItem& item) {
  AboutToDelete(item);
  if (!item.Delete()) throw IOException(FailureText(item, item.LastErrorCode()));
}

// Removes item and everything below it on the volume, as `rm -rf --one-file-system` does: the
// items of a folder before the folder, a link removed and never followed, whatever is mounted
// inside the tree neither entered nor removed, and an item that cannot be removed passed over so
// that everything else still goes. Every item is reached from the folder holding it, held open.
// Gives the errno of the first failure met; 0 when everything went.
int RemoveEverythingItCan(const FolderItem& item) {
  int firstFailure = 0;
  const auto keep = [&firstFailure](int error) {
    if (error != 0 && firstFailure == 0) firstFailure = error;
  };
  if (IsMountPoint(item)) return EXDEV;
  if (item.Directory()) {
    std::vector<FolderItem> items = item.Items();
    keep(item.LastErrorCode());
    // Each item lets go of its folder's descriptor once it is done, so a wide folder does not
    // keep one open per sub-folder.
    for (FolderItem& inside : items) {
      keep(RemoveEverythingItCan(inside));
      inside = FolderItem();
    }
  }
  AboutToRemoveInOneOperation(item);
  if (!DeletedOrGone(item)) keep(item.LastErrorCode());
  return firstFailure;
}

// The folder and everything in it in one operation. What could not be removed is one failure of
// this call, told once, however many items stayed.
void DeleteFolderInOneStep(const FolderItem& folder) {
  if (folder.ShellPath().empty()) return;
  AboutToDelete(folder);
  if (const int error = RemoveEverythingItCan(folder)) throw IOException(FailureText(folder, error));
}

bool DeleteReporting(const FolderItem& item);

// Items from the last to the first, each with its own failure report, then the folder. When an
// item could not be deleted the folder cannot be empty; that was reported with the item, so the
// folder's own failure is not reported again.
bool DeleteFolderItemByItem(const FolderItem& folder) {
  bool everyItemGone = true;
  for (int i = folder.Count(); i >= 1; --i) {
    everyItemGone = DeleteReporting(folder.Item(i)) && everyItemGone;
    Yield();
  }
  AboutToDelete(folder);
  if (folder.Delete()) return true;
  if (!everyItemGone) return false;
  throw IOException(FailureText(folder, folder.LastErrorCode()));
}

// Deletes item, reached through the folders held open above it; false when a failure was reported
// here or further down. Something mounted inside the tree (another volume, or a folder bound
// there) is such a failure: neither it nor anything on it is touched.
bool DeleteReporting(const FolderItem& item) {
  try {
    const bool oneStep = DeletesFolderInOneStep();
    if (IsMountPoint(item)) throw IOException(FailureText(item, EXDEV));
    // Held, a link is never a folder: it is deleted itself, what it points to never touched.
    if (!item.Directory()) {
      DeleteItself(item);
      return true;
    }
    if (oneStep) {
      DeleteFolderInOneStep(item);
      return true;
    }
    return DeleteFolderItemByItem(item);
  } catch (...) {
    MsgBox(CleanupErrorMessage());
    return false;
  }
}

}  // namespace

bool deleteAnything(const FolderItem& item) {
  try {
    return DeleteReporting(item.Held());
  } catch (...) {
    MsgBox(CleanupErrorMessage());
    return false;
  }
}

void SetDeleteObserverForTesting(DeleteObserver observer) { Observer() = std::move(observer); }

void SetOneOperationObserverForTesting(DeleteObserver observer) {
  OneOperationObserver() = std::move(observer);
}
