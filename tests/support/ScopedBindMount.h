#pragma once

#include <filesystem>
#include <string>

// A folder or a file bound onto another one for a test (mount --bind) while it lives: the second
// then shows what the first holds, on the first one's volume. Where nothing can be mounted here
// (not root), nothing is bound and skipReason() says why, for GTEST_SKIP.
class ScopedBindMount {
 public:
  // Binds item onto mountPoint: a folder onto a folder (made if missing), a file onto a file.
  ScopedBindMount(const std::filesystem::path& item, std::filesystem::path mountPoint);
  ~ScopedBindMount();
  ScopedBindMount(const ScopedBindMount&) = delete;
  ScopedBindMount& operator=(const ScopedBindMount&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& skipReason() const { return skipReason_; }

 private:
  std::filesystem::path mountPoint_;
  bool mounted_ = false;
  std::string skipReason_;
};
