#include "framework/Volumes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

class VolumesTest : public ::testing::Test {
 protected:
  void TearDown() override { SetVolumesForTesting(nullptr); }
  TempFolder temp_;
};

TEST_F(VolumesTest, ListsTheGivenMountFoldersInOrder) {
  const std::vector<fs::path> roots = {temp_ / "Zeta", temp_ / "Alpha", temp_ / "My \"Pod\""};
  SetVolumesForTesting([roots] { return roots; });
  ASSERT_EQ(VolumeCount(), 3);
  EXPECT_EQ(Volume(0).Name(), "Zeta");
  EXPECT_EQ(Volume(1).Name(), "Alpha");
  EXPECT_EQ(Volume(2).Name(), "My \"Pod\"");
  EXPECT_EQ(Volume(2).Path(), roots[2]);
}

TEST_F(VolumesTest, AnIndexWithNoVolumeGivesNil) {
  SetVolumesForTesting([this] { return std::vector<fs::path>{temp_.path()}; });
  EXPECT_TRUE(Volume(-1).IsNil());
  EXPECT_FALSE(Volume(0).IsNil());
  EXPECT_TRUE(Volume(1).IsNil());
}

TEST_F(VolumesTest, TheListIsReadAfreshOnEveryCall) {
  // A volume unmounted between two calls is gone from the second.
  std::vector<fs::path> mounted = {temp_ / "A", temp_ / "B"};
  SetVolumesForTesting([&mounted] { return mounted; });
  ASSERT_EQ(VolumeCount(), 2);
  mounted.pop_back();
  EXPECT_TRUE(Volume(1).IsNil());
  EXPECT_EQ(VolumeCount(), 1);
}

TEST_F(VolumesTest, NoVolumesAtAll) {
  SetVolumesForTesting([] { return std::vector<fs::path>{}; });
  EXPECT_EQ(VolumeCount(), 0);
  EXPECT_TRUE(Volume(0).IsNil());
}

TEST_F(VolumesTest, AnEmptySeamRestoresTheMachinesOwnMounts) {
  // Only read: every volume the machine reports is a folder that is there.
  SetVolumesForTesting([] { return std::vector<fs::path>{}; });
  SetVolumesForTesting(nullptr);
  const int count = VolumeCount();
  for (int i = 0; i < count; ++i) {
    const FolderItem volume = Volume(i);
    if (volume.IsNil()) continue;  // unmounted since the count was taken
    EXPECT_TRUE(volume.Directory()) << volume.ShellPath();
  }
  EXPECT_TRUE(Volume(count).IsNil());
}

}  // namespace
