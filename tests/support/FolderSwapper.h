#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

// Another program at work on a volume while a test runs: from a thread of its own, as fast as it
// can, it exchanges a folder with a symbolic link to a folder elsewhere (renameat2 with
// RENAME_EXCHANGE), so that the folder's path leads now to the folder, now through the link. The
// link is kept beside the folder, named ".swap", and made again whenever it is missing and the
// folder's parent is there. It stops when it goes away.
class FolderSwapper {
 public:
  FolderSwapper(std::filesystem::path folder, std::filesystem::path linkTarget);
  ~FolderSwapper();
  FolderSwapper(const FolderSwapper&) = delete;
  FolderSwapper& operator=(const FolderSwapper&) = delete;

  // How many exchanges have been made so far.
  long Swaps() const { return swaps_.load(); }
  // Waits until one more exchange has been made, so that a test can be sure that the folder was
  // swapped at a chosen point of the work, however busy the machine; false when none came within
  // the limit (nothing to swap).
  bool WaitForASwap(std::chrono::milliseconds limit) const;

 private:
  void Run();

  std::filesystem::path folder_;
  std::filesystem::path link_;
  std::filesystem::path linkTarget_;
  std::atomic<bool> stop_{false};
  std::atomic<long> swaps_{0};
  std::thread thread_;
};
