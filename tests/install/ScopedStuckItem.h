#pragma once

#include <filesystem>
#include <utility>

#include "framework/FolderItem.h"
#include "install/DeleteAnything.h"
#include "support/TestSupport.h"

// Makes one item impossible to delete, for root too and on any file system, by changing it just
// before deleteAnything deletes it, with either method: a file is replaced by a folder of the
// same name holding a note, as if a sync had put a folder in its place; a folder gets a new note,
// as if one were written into it while it was being emptied. Either way the item is then a folder
// that is not empty, which no single delete removes. The test program is built from the
// *_test.cpp files only, so this helper lives in a header.
class ScopedStuckItem {
 public:
  explicit ScopedStuckItem(const std::filesystem::path& path) : path_(FolderItem(path).Path()) {
    const DeleteObserver stick = [this](const FolderItem& item) {
      if (item.Path() == path_) Stick();
    };
    SetDeleteObserverForTesting(stick);
    SetOneOperationObserverForTesting(stick);
  }
  ~ScopedStuckItem() {
    SetDeleteObserverForTesting(nullptr);
    SetOneOperationObserverForTesting(nullptr);
  }
  ScopedStuckItem(const ScopedStuckItem&) = delete;
  ScopedStuckItem& operator=(const ScopedStuckItem&) = delete;

  // The note that keeps the item from going.
  static constexpr const char* kArrived = "arrived";

 private:
  void Stick() const {
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(path_))) {
      std::filesystem::remove(path_);
      std::filesystem::create_directory(path_);
    }
    WriteFileBytes(path_ / kArrived, "late");
  }

  std::filesystem::path path_;
};
