#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdint>
#include <optional>

// Which mount an item lies on, as statx tells it: the device of its file system and, where the
// system numbers its mounts, the number of the mount. Two folders of one file system on two
// mounts (a folder bound elsewhere) differ in the mount number alone.
struct MountIdentity {
  // Asks statx for what MountIdentity needs, beside the basic status.
  static constexpr unsigned int kStatxMask = STATX_BASIC_STATS | STATX_MNT_ID | 0x00004000U;

  std::uint64_t device = 0;
  // The mount's number that is never given to another mount (Linux 6.8 on), else the one a later
  // mount may take again; none where the system does not tell.
  std::optional<std::uint64_t> mount;

  static MountIdentity Of(const struct statx& status);

  // One number for the mount: its number where the system tells it, else the device.
  std::uint64_t Number() const { return mount.value_or(device); }

  // The same mount: the same device and, where both are known, the same mount number.
  bool SameMountAs(const MountIdentity& other) const;
};

// The status of the item at path from folder (AT_FDCWD for the working folder), links not
// followed, with MountIdentity's fields asked for; 0 or the errno of the failure.
int StatusOf(int folder, const char* path, struct statx& status, int flags = AT_SYMLINK_NOFOLLOW);
// The status of what descriptor fd is open on.
int StatusOf(int fd, struct statx& status);
// True when something is mounted on the item status tells of (the root of a mount).
bool IsMountRoot(const struct statx& status);
