#pragma once

#include <filesystem>
#include <string>

// An iPod in disk mode for a test: a small tmpfs mounted on a folder named after the volume,
// holding an invisible iPod_Control with Music inside, and Notes. It is mounted in a mount
// namespace of the test's own, so no other program sees it and it goes when the test process
// ends whatever happens; the iPods mounted on the machine are out of the test's view. It is
// unmounted when the object goes. Where that cannot be done (not root, no namespaces, no user
// extended attributes on tmpfs), nothing is mounted and skipReason() says why.
class TmpfsiPod {
 public:
  // The volume is mounted on parent / name.
  TmpfsiPod(const std::filesystem::path& parent, const std::string& name);
  ~TmpfsiPod();
  TmpfsiPod(const TmpfsiPod&) = delete;
  TmpfsiPod& operator=(const TmpfsiPod&) = delete;

  bool Mounted() const { return skipReason_.empty(); }
  const std::string& skipReason() const { return skipReason_; }
  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Notes() const { return root_ / "Notes"; }

 private:
  std::string Mount();

  std::filesystem::path root_;
  bool mounted_ = false;
  std::string skipReason_;
};
