#pragma once

#include <filesystem>
#include <string>

// A folder bound onto another folder for a test (mount --bind) while it lives: the second folder
// then shows what the first holds, on the first one's volume. Where nothing can be mounted here
// (not root), nothing is bound and skipReason() says why, for GTEST_SKIP.
class ScopedBindMount {
 public:
  // Binds folder onto mountFolder (made if missing).
  ScopedBindMount(const std::filesystem::path& folder, std::filesystem::path mountFolder);
  ~ScopedBindMount();
  ScopedBindMount(const ScopedBindMount&) = delete;
  ScopedBindMount& operator=(const ScopedBindMount&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& skipReason() const { return skipReason_; }

 private:
  std::filesystem::path mountFolder_;
  bool mounted_ = false;
  std::string skipReason_;
};
