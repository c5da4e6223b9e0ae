#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// The 32-byte Finder info block of a file, kept in the extended attribute
// "user.com.apple.FinderInfo": bytes 0-3 the file type, 4-7 the creator (MacRoman), 8-9 the
// Finder flags (big-endian). The other bytes belong to the Finder and are kept as they are.
class FinderInfo {
 public:
  static constexpr std::size_t kSize = 32;
  static constexpr std::uint16_t kInvisibleFlag = 0x4000;
  static constexpr const char* kAttributeName = "user.com.apple.FinderInfo";

  using Bytes = std::array<std::uint8_t, kSize>;

  FinderInfo() = default;  // all zero
  explicit FinderInfo(const Bytes& bytes) : bytes_(bytes) {}

  // The block of the file at path. All zero when the file has none, cannot be read, or lives on
  // a file system that keeps no extended attributes.
  static FinderInfo Read(const std::filesystem::path& path);
  // Writes the block to the file at path. Returns 0 on success and, silently, where the file
  // system keeps no extended attributes; otherwise the errno of the failure.
  int Write(const std::filesystem::path& path) const;
  // The same on the file or folder open as fd.
  static FinderInfo Read(int fd);
  int Write(int fd) const;

  // Codes as UTF-8 text, trailing NULs trimmed.
  std::string FileType() const;
  std::string Creator() const;
  std::uint16_t Flags() const;

  // Codes are given as UTF-8 and stored in MacRoman; longer codes are cut to four characters,
  // shorter ones padded with spaces; the empty code is stored as four zero bytes.
  void SetFileType(std::string_view code);
  void SetCreator(std::string_view code);
  void SetFlags(std::uint16_t flags);

  const Bytes& bytes() const { return bytes_; }
  bool operator==(const FinderInfo&) const = default;

 private:
  std::string CodeAt(std::size_t offset) const;
  void SetCodeAt(std::size_t offset, std::string_view code);

  Bytes bytes_{};
};
