#include "support/ScopedBindMount.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <utility>

ScopedBindMount::ScopedBindMount(const std::filesystem::path& folder, std::filesystem::path mountFolder)
    : mountFolder_(std::move(mountFolder)) {
  std::filesystem::create_directories(mountFolder_);
  if (::mount(folder.c_str(), mountFolder_.c_str(), nullptr, MS_BIND, nullptr) == 0) {
    mounted_ = true;
    return;
  }
  const int error = errno;
  skipReason_ = error == EPERM ? "binding a folder needs root here"
                               : std::string("cannot bind a folder here: ") + std::strerror(error);
}

ScopedBindMount::~ScopedBindMount() {
  if (mounted_) ::umount2(mountFolder_.c_str(), MNT_DETACH);
}
