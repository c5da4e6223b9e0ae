#include "support/FolderSwapper.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <unistd.h>

FolderSwapper::FolderSwapper(std::filesystem::path folder, std::filesystem::path linkTarget)
    : folder_(std::move(folder)), link_(folder_.parent_path() / ".swap"), linkTarget_(std::move(linkTarget)) {
  thread_ = std::thread([this] { Run(); });
}

FolderSwapper::~FolderSwapper() {
  stop_ = true;
  thread_.join();
}

bool FolderSwapper::WaitForASwap(std::chrono::milliseconds limit) const {
  const long before = swaps_.load();
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (swaps_.load() == before) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::yield();
  }
  return true;
}

void FolderSwapper::Run() {
  while (!stop_) {
    (void)::symlink(linkTarget_.c_str(), link_.c_str());
    if (::renameat2(AT_FDCWD, folder_.c_str(), AT_FDCWD, link_.c_str(), RENAME_EXCHANGE) == 0) ++swaps_;
  }
}
