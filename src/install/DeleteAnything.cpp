#include "install/DeleteAnything.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Gestalt.h"
#include "framework/MessageSink.h"
#include "framework/Volumes.h"
#include "framework/Yield.h"
#include "install/InstallMessages.h"

namespace fs = std::filesystem;

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

void AboutToRemoveInOneOperation(const fs::path& path) {
  if (OneOperationObserver()) OneOperationObserver()(FolderItem(path));
}

// From Mac OS X 10.4 on a folder is removed in one operation.
bool DeletesFolderInOneStep() {
  int32_t version = 0;
  return Gestalt("sysv", version) == noErr && version >= kFirstSystemWithOneStepDelete;
}

// The volume a delete stays on: the device of the folder that holds the item deleted. Whatever is
// on another device, or mounted inside the tree (another volume, or a folder of this one bound
// there), is neither entered nor deleted, as `rm --one-file-system` does.
using Device = dev_t;

// Raises when the item cannot be looked at.
Device DeviceOf(const fs::path& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) {
    throw IOException("could not look at " + path.string() + ": " + std::strerror(errno));
  }
  return status.st_dev;
}

// The first error of the tree below an item on another volume: it is an item that cannot go.
std::error_code OtherVolume() { return std::make_error_code(std::errc::cross_device_link); }

bool IsOnAnotherVolume(const fs::path& path, Device volume) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) == 0 && status.st_dev != volume) return true;
  return IsMountPoint(FolderItem(path));
}

// A folder to empty and delete. A link, even to a folder, is deleted itself: what it points to
// is never touched.
bool IsRealFolder(const FolderItem& item) {
  std::error_code ignored;
  return item.Directory() && !fs::is_symlink(item.Path(), ignored);
}

std::string FailureText(const FolderItem& item, int error) {
  return "could not delete " + item.ShellPath() + ": " + std::strerror(error);
}

// A file, a link or an empty folder. A delete that does not happen is a failure.
void DeleteItself(const FolderItem& item) {
  AboutToDelete(item);
  if (!item.Delete()) throw IOException(FailureText(item, item.LastErrorCode()));
}

// Removes path and everything below it on the volume, as `rm -rf --one-file-system` does: the
// items of a folder before the folder, a link removed and never followed, and an item that cannot
// be removed passed over so that everything else still goes. Gives the first failure met; none
// when everything went.
std::error_code RemoveEverythingItCan(const fs::path& path, Device volume) {
  std::error_code firstFailure;
  const auto keep = [&firstFailure](const std::error_code& error) {
    if (error && !firstFailure) firstFailure = error;
  };
  if (IsOnAnotherVolume(path, volume)) return OtherVolume();
  std::error_code error;
  if (fs::is_directory(fs::symlink_status(path, error))) {
    std::vector<fs::path> items;
    for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
      items.push_back(it->path());
    }
    keep(error);
    for (const fs::path& item : items) keep(RemoveEverythingItCan(item, volume));
  }
  AboutToRemoveInOneOperation(path);
  fs::remove(path, error);
  keep(error);
  return firstFailure;
}

// The folder and everything in it in one operation. What could not be removed is one failure of
// this call, told once, however many items stayed.
void DeleteFolderInOneStep(const FolderItem& folder, Device volume) {
  if (folder.ShellPath().empty()) return;
  AboutToDelete(folder);
  const std::error_code error = RemoveEverythingItCan(folder.Path(), volume);
  if (error) throw IOException(FailureText(folder, error.value()));
}

bool DeleteReporting(const FolderItem& item, Device volume);

// Items from the last to the first, each with its own failure report, then the folder. When an
// item could not be deleted the folder cannot be empty; that was reported with the item, so the
// folder's own failure is not reported again.
bool DeleteFolderItemByItem(const FolderItem& folder, Device volume) {
  bool everyItemGone = true;
  for (int i = folder.Count(); i >= 1; --i) {
    everyItemGone = DeleteReporting(folder.Item(i), volume) && everyItemGone;
    Yield();
  }
  AboutToDelete(folder);
  if (folder.Delete()) return true;
  if (!everyItemGone) return false;
  throw IOException(FailureText(folder, folder.LastErrorCode()));
}

// Deletes item; false when a failure was reported here or further down. An item on another volume
// than the one the delete started on is such a failure.
bool DeleteReporting(const FolderItem& item, Device volume) {
  try {
    const bool oneStep = DeletesFolderInOneStep();
    if (DeviceOf(item.Path()) != volume || IsMountPoint(item)) throw IOException(FailureText(item, EXDEV));
    if (!IsRealFolder(item)) {
      DeleteItself(item);
      return true;
    }
    if (oneStep) {
      DeleteFolderInOneStep(item, volume);
      return true;
    }
    return DeleteFolderItemByItem(item, volume);
  } catch (...) {
    MsgBox(CleanupErrorMessage());
    return false;
  }
}

}  // namespace

bool deleteAnything(const FolderItem& item) {
  try {
    return DeleteReporting(item, DeviceOf(item.Parent().Path()));
  } catch (...) {
    MsgBox(CleanupErrorMessage());
    return false;
  }
}

void SetDeleteObserverForTesting(DeleteObserver observer) { Observer() = std::move(observer); }

void SetOneOperationObserverForTesting(DeleteObserver observer) {
  OneOperationObserver() = std::move(observer);
}
