#include "framework/FinderInfo.h"

#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "framework/MacRoman.h"

namespace {

constexpr std::size_t kTypeOffset = 0;
constexpr std::size_t kCreatorOffset = 4;
constexpr std::size_t kFlagsOffset = 8;
constexpr std::size_t kCodeLength = 4;

// The attribute's value as get (getxattr or fgetxattr on one item) reads it, or an empty vector
// when there is none or it cannot be read. A value longer than a block is read whole so that its
// first bytes are not lost to ERANGE; a block's worth is asked for first, as most values are one.
template <typename Get>
std::vector<std::uint8_t> ReadAttribute(Get get) {
  std::vector<std::uint8_t> value(FinderInfo::kSize);
  ssize_t read = get(value.data(), value.size());
  if (read < 0 && errno == ERANGE) {
    const ssize_t size = get(nullptr, 0);
    if (size <= 0) return {};
    value.resize(static_cast<std::size_t>(size));
    read = get(value.data(), value.size());
  }
  if (read < 0) return {};
  value.resize(static_cast<std::size_t>(read));
  return value;
}

FinderInfo FromValue(const std::vector<std::uint8_t>& value) {
  FinderInfo::Bytes bytes{};
  std::copy_n(value.begin(), std::min(value.size(), FinderInfo::kSize), bytes.begin());
  return FinderInfo(bytes);
}

// True when errno value error means the file system keeps no extended attributes.
bool IsAttributeUnsupported(int error) { return error == ENOTSUP || error == EOPNOTSUPP; }

}  // namespace

FinderInfo FinderInfo::Read(const std::filesystem::path& path) {
  return FromValue(ReadAttribute([&path](void* value, std::size_t size) {
    return getxattr(path.c_str(), kAttributeName, value, size);
  }));
}

FinderInfo FinderInfo::Read(int fd) {
  return FromValue(ReadAttribute(
      [fd](void* value, std::size_t size) { return fgetxattr(fd, kAttributeName, value, size); }));
}

int FinderInfo::Write(const std::filesystem::path& path) const {
  // Never through a link: the block belongs to the item of this name.
  if (lsetxattr(path.c_str(), kAttributeName, bytes_.data(), bytes_.size(), 0) == 0) return 0;
  const int error = errno;
  return IsAttributeUnsupported(error) ? 0 : error;
}

int FinderInfo::Write(int fd) const {
  if (fsetxattr(fd, kAttributeName, bytes_.data(), bytes_.size(), 0) == 0) return 0;
  const int error = errno;
  return IsAttributeUnsupported(error) ? 0 : error;
}

std::string FinderInfo::FileType() const { return CodeAt(kTypeOffset); }

std::string FinderInfo::Creator() const { return CodeAt(kCreatorOffset); }

std::uint16_t FinderInfo::Flags() const {
  return static_cast<std::uint16_t>(bytes_[kFlagsOffset] << 8 | bytes_[kFlagsOffset + 1]);
}

void FinderInfo::SetFileType(std::string_view code) { SetCodeAt(kTypeOffset, code); }

void FinderInfo::SetCreator(std::string_view code) { SetCodeAt(kCreatorOffset, code); }

void FinderInfo::SetFlags(std::uint16_t flags) {
  bytes_[kFlagsOffset] = static_cast<std::uint8_t>(flags >> 8);
  bytes_[kFlagsOffset + 1] = static_cast<std::uint8_t>(flags & 0xFF);
}

std::string FinderInfo::CodeAt(std::size_t offset) const {
  std::string code(reinterpret_cast<const char*>(bytes_.data() + offset), kCodeLength);
  code.erase(code.find_last_not_of('\0') + 1);
  return Utf8FromMacRoman(code);
}

void FinderInfo::SetCodeAt(std::size_t offset, std::string_view code) {
  std::string stored = MacRomanFromUtf8(code);
  if (!stored.empty()) stored.resize(kCodeLength, ' ');
  stored.resize(kCodeLength, '\0');
  std::copy(stored.begin(), stored.end(), bytes_.begin() + offset);
}
