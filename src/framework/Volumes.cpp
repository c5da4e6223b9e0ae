#include "framework/Volumes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <span>
#include <sstream>
#include <string_view>
#include <utility>

#include "framework/MountIdentity.h"

namespace {

// The kernel's views of itself, and automount points (looking into one mounts it).
constexpr std::string_view kPseudoFileSystems[] = {
    "proc",    "sysfs",  "devtmpfs",    "devpts",     "cgroup", "cgroup2",   "securityfs",
    "pstore",  "bpf",    "debugfs",     "tracefs",    "mqueue", "hugetlbfs", "configfs",
    "fusectl", "autofs", "binfmt_misc", "rpc_pipefs", "nsfs",   "efivarfs",  "selinuxfs"};
// Network shares: one that stops answering would hold up every look at it.
constexpr std::string_view kNetworkFileSystems[] = {"nfs",   "nfs4", "cifs", "smb3",      "smbfs",
                                                    "ncpfs", "afs",  "ceph", "fuse.sshfs"};

bool IsOneOf(const std::string& type, std::span<const std::string_view> types) {
  return std::find(types.begin(), types.end(), type) != types.end();
}

bool IsVolumeFileSystem(const std::string& type) {
  return !IsOneOf(type, kPseudoFileSystems) && !IsOneOf(type, kNetworkFileSystems);
}

VolumeListFunction& VolumesForTesting() {
  static VolumeListFunction volumes;
  return volumes;
}

MountTableTextFunction& MountTableForTesting() {
  static MountTableTextFunction text;
  return text;
}

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

// A field of the table with its "\ooo" escapes turned back into the bytes they stand for.
std::string Unescaped(const std::string& field) {
  std::string text;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctalDigit(field[i + 1]) &&
        IsOctalDigit(field[i + 2]) && IsOctalDigit(field[i + 3])) {
      text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      text += field[i];
    }
  }
  return text;
}

std::string MountTableText() {
  const MountTableTextFunction& text = MountTableForTesting();
  if (text) return text();
  std::ifstream table("/proc/self/mounts", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(table), std::istreambuf_iterator<char>());
}

std::vector<std::filesystem::path> MountedVolumeFolders() {
  std::vector<std::filesystem::path> folders;
  for (const MountEntry& entry : MountTable()) {
    if (IsVolumeFileSystem(entry.type)) folders.push_back(entry.folder);
  }
  return folders;
}

std::vector<std::filesystem::path> VolumeFolders() {
  const VolumeListFunction& volumes = VolumesForTesting();
  return volumes ? volumes() : MountedVolumeFolders();
}

}  // namespace

std::vector<MountEntry> ParseMountTable(const std::string& text) {
  std::vector<MountEntry> entries;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, folder, type;
    if (!(fields >> device >> folder >> type)) continue;
    entries.push_back({Unescaped(device), Unescaped(folder), type});
  }
  return entries;
}

std::vector<MountEntry> MountTable() { return ParseMountTable(MountTableText()); }

int VolumeCount() { return static_cast<int>(VolumeFolders().size()); }

FolderItem Volume(int index) {
  const std::vector<std::filesystem::path> folders = VolumeFolders();
  if (index < 0 || index >= static_cast<int>(folders.size())) return FolderItem();
  return FolderItem(folders[static_cast<std::size_t>(index)]);
}

std::optional<std::uint64_t> MountOf(const FolderItem& item) {
  struct statx status {};
  if (item.Status(status) != 0) return std::nullopt;
  return MountIdentity::Of(status).Number();
}

bool IsMountPoint(const FolderItem& item) {
  const std::filesystem::path& path = item.Path();
  struct statx status {};
  if (item.Status(status) != 0) return false;
  if (status.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) return IsMountRoot(status);
  // Older systems do not tell: then only a volume of its own, on another device than the folder
  // that holds the item, is seen.
  struct stat above {};
  if (path == path.root_path() || ::lstat(path.parent_path().c_str(), &above) != 0) return false;
  return makedev(status.stx_dev_major, status.stx_dev_minor) != above.st_dev;
}

bool IsMountedVolume(const FolderItem& folder) {
  const std::filesystem::path& path = folder.Path();
  for (const std::filesystem::path& volume : VolumeFolders()) {
    if (FolderItem(volume).Path() == path) return true;
  }
  return false;
}

void SetVolumesForTesting(VolumeListFunction volumes) { VolumesForTesting() = std::move(volumes); }

void SetMountTableForTesting(MountTableTextFunction text) { MountTableForTesting() = std::move(text); }
