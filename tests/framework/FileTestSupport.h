#pragma once

#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <filesystem>
#include <string>

#include "framework/FinderInfo.h"
#include "support/ScopedFileSizeLimit.h"
#include "support/TestSupport.h"

// True when files in folder can carry user extended attributes.
inline bool SupportsUserAttributes(const std::filesystem::path& folder) {
  const std::filesystem::path probe = folder / "attribute-probe";
  WriteFileBytes(probe, "");
  const bool supported = setxattr(probe.c_str(), "user.atomnote.probe", "x", 1, 0) == 0;
  std::filesystem::remove(probe);
  return supported;
}

// The Finder info attribute exactly as stored, read past the code under test.
inline std::string StoredFinderInfo(const std::filesystem::path& path) {
  std::string value(64, '\0');
  const ssize_t size = getxattr(path.c_str(), FinderInfo::kAttributeName, value.data(), value.size());
  value.resize(size < 0 ? 0 : static_cast<std::size_t>(size));
  return value;
}

inline void StoreFinderInfo(const std::filesystem::path& path, const std::string& bytes) {
  ASSERT_EQ(setxattr(path.c_str(), FinderInfo::kAttributeName, bytes.data(), bytes.size(), 0), 0);
}

// A temporary folder whose files can carry user extended attributes; the test is skipped where
// the system's temporary folder keeps none.
class AttributeFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!SupportsUserAttributes(temp_.path())) {
      GTEST_SKIP() << "the temporary folder's file system keeps no user extended attributes";
    }
  }

  TempFolder temp_;
};
