#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// A small tmpfs volume for a test, mounted on a folder (made if missing) while it lives. Where
// nothing can be mounted here (not root, no tmpfs), nothing is mounted and skipReason() says why,
// for GTEST_SKIP.
class ScopedTmpfs {
 public:
  ScopedTmpfs(std::filesystem::path mountFolder, std::size_t bytes);
  ~ScopedTmpfs();
  ScopedTmpfs(const ScopedTmpfs&) = delete;
  ScopedTmpfs& operator=(const ScopedTmpfs&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& skipReason() const { return skipReason_; }
  const std::filesystem::path& root() const { return root_; }

  // Makes the volume read-only (or writable again); false when that failed.
  bool SetReadOnly(bool readOnly);
  // Unmounts it now, as a person pulling the iPod would (lazily, so that nothing open stops it);
  // the mount folder stays behind.
  void Unmount();

 private:
  std::filesystem::path root_;
  std::string options_;
  bool mounted_ = false;
  std::string skipReason_;
};
