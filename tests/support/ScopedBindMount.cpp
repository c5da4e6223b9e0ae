#include "support/ScopedBindMount.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <utility>

ScopedBindMount::ScopedBindMount(const std::filesystem::path& item, std::filesystem::path mountPoint)
    : mountPoint_(std::move(mountPoint)) {
  if (!std::filesystem::exists(mountPoint_)) std::filesystem::create_directories(mountPoint_);
  if (::mount(item.c_str(), mountPoint_.c_str(), nullptr, MS_BIND, nullptr) == 0) {
    mounted_ = true;
    return;
  }
  const int error = errno;
  skipReason_ = error == EPERM ? "binding a folder needs root here"
                               : std::string("cannot bind a folder here: ") + std::strerror(error);
}

ScopedBindMount::~ScopedBindMount() {
  if (mounted_) ::umount2(mountPoint_.c_str(), MNT_DETACH);
}
