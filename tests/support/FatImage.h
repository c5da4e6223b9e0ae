#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "support/TestSupport.h"

// A small FAT volume for a test: an image file made with mkfs.vfat and loop-mounted on a folder
// while it lives. Where that cannot be done here (not root, no dosfstools, no vfat in the kernel,
// no loop devices) nothing is mounted and skipReason() says why, for GTEST_SKIP.
class FatImage {
 public:
  // Mounts the image on mountFolder, made if missing; label names the volume when not empty.
  explicit FatImage(std::filesystem::path mountFolder, const std::string& label = "");
  ~FatImage();
  FatImage(const FatImage&) = delete;
  FatImage& operator=(const FatImage&) = delete;

  bool mounted() const { return skipReason_.empty(); }
  const std::string& skipReason() const { return skipReason_; }
  const std::filesystem::path& root() const { return root_; }

 private:
  std::string MakeAndMount(const std::string& label);

  TempFolder imageFolder_;
  std::filesystem::path root_;
  std::string skipReason_;
};

// The DOS attribute bits of an item on a FAT volume, read past the code under test (0 when they
// cannot be read).
std::uint32_t DosAttributesOf(const std::filesystem::path& path);
void SetDosAttributesOf(const std::filesystem::path& path, std::uint32_t attributes);
