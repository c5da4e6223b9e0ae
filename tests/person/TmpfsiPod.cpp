#include "person/TmpfsiPod.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "framework/Volumes.h"

namespace {

// The Finder info block with the invisible flag (0x4000, big-endian at byte 8).
std::array<unsigned char, 32> InvisibleFinderInfo() {
  std::array<unsigned char, 32> info{};
  info[8] = 0x40;
  return info;
}

// Mounts made or unmounted by this process from now on are its own business, and the machine's
// mounts are seen as they were at this moment.
std::string EnterOwnMountNamespace() {
  if (unshare(CLONE_NEWNS) != 0)
    return std::string("no mount namespace of the test's own: ") + std::strerror(errno);
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    return std::string("cannot keep the test's mounts to itself: ") + std::strerror(errno);
  }
  return {};
}

// Whether folder lies below parent (not parent itself).
bool IsBelow(const std::filesystem::path& folder, const std::filesystem::path& parent) {
  const std::filesystem::path relative = folder.lexically_relative(parent);
  return !relative.empty() && relative != "." && *relative.begin() != "..";
}

// Takes every other volume that looks like an iPod out of this process's view (the machine keeps
// them), so the test's iPod is the one attached, whatever else is mounted on the machine. So too
// every volume under the temporary folder: other tests running at once mount their iPods there,
// and one mounted but not yet laid out as an iPod would become one in this view once it is.
void HideOtheriPods() {
  const std::filesystem::path temporary = std::filesystem::temp_directory_path();
  for (const MountEntry& entry : MountTable()) {
    const std::filesystem::path& folder = entry.folder;
    if (folder == "/") continue;
    std::error_code error;
    if (IsBelow(folder, temporary) || std::filesystem::exists(folder / "iPod_Control", error))
      umount2(folder.c_str(), MNT_DETACH);
  }
}

}  // namespace

TmpfsiPod::TmpfsiPod(const std::filesystem::path& parent, const std::string& name) : root_(parent / name) {
  skipReason_ = Mount();
}

std::string TmpfsiPod::Mount() {
  if (geteuid() != 0) return "mounting the test iPod needs root";
  if (std::string failure = EnterOwnMountNamespace(); !failure.empty()) return failure;
  HideOtheriPods();
  std::filesystem::create_directories(root_);
  if (mount("tmpfs", root_.c_str(), "tmpfs", 0, "size=64m,mode=0755") != 0) {
    return std::string("cannot mount a tmpfs for the test iPod: ") + std::strerror(errno);
  }
  mounted_ = true;
  std::filesystem::create_directories(root_ / "iPod_Control" / "Music");
  std::filesystem::create_directories(Notes());
  const auto info = InvisibleFinderInfo();
  if (setxattr((root_ / "iPod_Control").c_str(), "user.com.apple.FinderInfo", info.data(), info.size(), 0) !=
      0) {
    return "tmpfs keeps no user extended attributes here (Linux 6.6 or later does), so iPod_Control cannot be "
           "made invisible";
  }
  return {};
}

TmpfsiPod::~TmpfsiPod() {
  if (mounted_) umount2(root_.c_str(), MNT_DETACH);
}
