#pragma once

#include <filesystem>
#include <vector>

#include "framework/Launch.h"

// Records every program launched while it lives, as it is launched: a test can tell at once that
// nothing was launched, instead of waiting some time for a launched program to show itself.
class ScopedLaunchRecord {
 public:
  ScopedLaunchRecord() {
    SetLaunchObserverForTesting([this](const FolderItem& program) { launched_.push_back(program.Path()); });
  }
  ~ScopedLaunchRecord() { SetLaunchObserverForTesting(nullptr); }
  ScopedLaunchRecord(const ScopedLaunchRecord&) = delete;
  ScopedLaunchRecord& operator=(const ScopedLaunchRecord&) = delete;

  const std::vector<std::filesystem::path>& launched() const { return launched_; }

 private:
  std::vector<std::filesystem::path> launched_;
};
