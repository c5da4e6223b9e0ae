#include "support/ScopedTmpfs.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <utility>

ScopedTmpfs::ScopedTmpfs(std::filesystem::path mountFolder, std::size_t bytes)
    : root_(std::move(mountFolder)), options_("size=" + std::to_string(bytes) + ",mode=0755") {
  std::filesystem::create_directories(root_);
  if (::mount("tmpfs", root_.c_str(), "tmpfs", 0, options_.c_str()) == 0) {
    mounted_ = true;
    return;
  }
  const int error = errno;
  skipReason_ = error == EPERM ? "mounting a tmpfs needs root here"
                               : std::string("cannot mount a tmpfs here: ") + std::strerror(error);
}

ScopedTmpfs::~ScopedTmpfs() { Unmount(); }

bool ScopedTmpfs::SetReadOnly(bool readOnly) {
  const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
  return mounted_ && ::mount(nullptr, root_.c_str(), nullptr, flags, options_.c_str()) == 0;
}

void ScopedTmpfs::Unmount() {
  if (mounted_ && ::umount2(root_.c_str(), MNT_DETACH) == 0) mounted_ = false;
}
