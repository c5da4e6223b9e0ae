#include "framework/MountIdentity.h"

#include <sys/sysmacros.h>

#include <cerrno>

namespace {

// The mount's number that is never given to another mount (newer than the C library's headers).
constexpr unsigned int kStatxUniqueMountId = 0x00004000U;

}  // namespace

MountIdentity MountIdentity::Of(const struct statx& status) {
  MountIdentity identity;
  identity.device = makedev(status.stx_dev_major, status.stx_dev_minor);
  if (status.stx_mask & (kStatxUniqueMountId | STATX_MNT_ID)) identity.mount = status.stx_mnt_id;
  return identity;
}

bool MountIdentity::SameMountAs(const MountIdentity& other) const {
  if (device != other.device) return false;
  return !mount || !other.mount || *mount == *other.mount;
}

int StatusOf(int folder, const char* path, struct statx& status, int flags) {
  return ::statx(folder, path, flags | AT_NO_AUTOMOUNT, MountIdentity::kStatxMask, &status) == 0 ? 0 : errno;
}

int StatusOf(int fd, struct statx& status) { return StatusOf(fd, "", status, AT_EMPTY_PATH); }

bool IsMountRoot(const struct statx& status) {
  return (status.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) &&
         (status.stx_attributes & STATX_ATTR_MOUNT_ROOT);
}
