#include "framework/DosAttributes.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cstdint>
#include <optional>

#include "framework/FileDescriptor.h"

namespace {

FileDescriptor OpenItem(const std::filesystem::path& path) {
  return FileDescriptor(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
}

std::optional<std::uint32_t> ReadAttributes(int fd) {
  std::uint32_t attributes = 0;
  if (ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attributes) != 0) return std::nullopt;
  return attributes;
}

bool IsOnFatVolume(int fd) {
  struct statfs volume {};
  return fstatfs(fd, &volume) == 0 && volume.f_type == MSDOS_SUPER_MAGIC;
}

}  // namespace

bool IsOnFatVolume(const std::filesystem::path& path) {
  struct statfs volume {};
  return statfs(path.c_str(), &volume) == 0 && volume.f_type == MSDOS_SUPER_MAGIC;
}

bool DosHidden(const std::filesystem::path& path) {
  if (!IsOnFatVolume(path)) return false;
  const FileDescriptor item = OpenItem(path);
  return item.IsOpen() && DosHidden(item.get());
}

void SetDosHidden(const std::filesystem::path& path, bool hidden) {
  if (!IsOnFatVolume(path)) return;
  const FileDescriptor item = OpenItem(path);
  if (item.IsOpen()) SetDosHidden(item.get(), hidden);
}

bool DosHidden(int fd) {
  if (!IsOnFatVolume(fd)) return false;
  const std::optional<std::uint32_t> attributes = ReadAttributes(fd);
  return attributes && (*attributes & ATTR_HIDDEN) != 0;
}

void SetDosHidden(int fd, bool hidden) {
  if (!IsOnFatVolume(fd)) return;
  const std::optional<std::uint32_t> attributes = ReadAttributes(fd);
  if (!attributes) return;
  std::uint32_t changed = hidden ? (*attributes | ATTR_HIDDEN) : (*attributes & ~std::uint32_t{ATTR_HIDDEN});
  if (changed == *attributes) return;
  (void)ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &changed);
}
