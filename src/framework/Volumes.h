#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/FolderItem.h"

// The mounted volumes, in the order of the system's mount table, leaving out the kernel's pseudo
// file systems and network shares (neither ever holds an iPod). A volume is the folder it is
// mounted on; its name is the name of that folder. The list is read afresh on every call, so a
// volume that is unmounted between two calls is gone from the second. Reading it touches none
// of the volumes, so a network share that hangs cannot hold up a scan.
int VolumeCount();
// The root folder of volume index (0 to VolumeCount() - 1); nil when there is no such volume
// (any more).
FolderItem Volume(int index);

// The mounted volume that holds the item, as one number (MountIdentity::Number; a link is not
// followed); nullopt when the item cannot be looked at. Two items on one mount give the same
// number; the volume mounted again, or another volume mounted in its place, gives another where
// the system numbers its mounts for good (Linux 6.8 on), and otherwise another unless it reuses
// the mount's number (or, before Linux 5.8, the device number).
std::optional<std::uint64_t> MountOf(const FolderItem& item);
// True when folder is the root folder of one of the mounted volumes now.
bool IsMountedVolume(const FolderItem& folder);
// True when something is mounted on the item (a link is not followed): a volume, or a folder or
// file of a volume bound there, even one of the volume that holds the item. What lies at or
// below such an item is not on the volume of the folder that holds it.
bool IsMountPoint(const FolderItem& item);

// One line of the system's mount table.
struct MountEntry {
  std::string device;  // what is mounted: "/dev/sdb1", "/dev/loop0", "tmpfs", "server:/share"
  std::filesystem::path folder;
  std::string type;  // "vfat", "ext4", "fuseblk", "tmpfs", "proc", ...

  bool operator==(const MountEntry&) const = default;
};

// The entries of a mount table in the format of /proc/self/mounts, in its order. The octal
// escapes the kernel writes for blanks, tabs, line ends and backslashes ("\040") are decoded
// in the device and folder; a line with fewer than three fields is passed over.
std::vector<MountEntry> ParseMountTable(const std::string& text);
// The system's mount table, read afresh (/proc/self/mounts); empty when it cannot be read.
std::vector<MountEntry> MountTable();

// Test seam: the mount folders the platform reports, asked for on every call; an empty function
// restores the platform's own list.
using VolumeListFunction = std::function<std::vector<std::filesystem::path>()>;
void SetVolumesForTesting(VolumeListFunction volumes);
// Test seam: the text of the system's mount table, asked for on every read; an empty function
// restores /proc/self/mounts.
using MountTableTextFunction = std::function<std::string()>;
void SetMountTableForTesting(MountTableTextFunction text);
