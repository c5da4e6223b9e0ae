#include "framework/Volumes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/ScopedBindMount.h"
#include "support/ScopedTmpfs.h"
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

// What is mounted on a folder: another volume, or a folder of the same volume bound there. A
// plain folder, a file, a link to a mount and a missing item are no mount points.
TEST_F(VolumesTest, TellsWhereSomethingIsMounted) {
  fs::create_directories(temp_ / "plain" / "sub");
  WriteFileBytes(temp_ / "file", "");
  const ScopedTmpfs volume(temp_ / "volume", 64 * 1024);
  if (!volume.mounted()) GTEST_SKIP() << volume.skipReason();
  const ScopedBindMount bound(temp_ / "plain", temp_ / "bound");
  if (!bound.mounted()) GTEST_SKIP() << bound.skipReason();
  fs::create_directory_symlink(temp_ / "volume", temp_ / "link");
  const std::pair<const char*, bool> cases[] = {
      {"volume", true}, {"bound", true}, {"bound/sub", false}, {"plain", false},
      {"file", false},  {"link", false}, {"missing", false},
  };
  for (const auto& [name, mountPoint] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(IsMountPoint(FolderItem(temp_ / name)), mountPoint);
  }
}

// ---- the system's mount table ----

// A mount table as /proc/self/mounts gives it: the kernel's own file systems, the disk the system
// runs from, an iPod on a USB disk whose name holds a blank and a backslash, a loop-mounted image,
// an NTFS disk through FUSE, a tmpfs test volume, a network share and an automount point.
const char* const kMountTable =
    "proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0\n"
    "sysfs /sys sysfs rw,nosuid,nodev,noexec,relatime 0 0\n"
    "devtmpfs /dev devtmpfs rw,nosuid,size=4096k,mode=755 0 0\n"
    "devpts /dev/pts devpts rw,nosuid,noexec,relatime,gid=5,mode=620 0 0\n"
    "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n"
    "cgroup2 /sys/fs/cgroup cgroup2 rw,nosuid,nodev,noexec,relatime 0 0\n"
    "/dev/sdb1 /media/me/Sam\\134s\\040iPod vfat rw,nosuid,nodev,uid=1000,shortname=mixed 0 0\n"
    "/dev/loop0 /media/IPOD vfat rw,relatime 0 0\n"
    "/dev/sdc1 /media/me/Backup fuseblk rw,nosuid,nodev,user_id=0,group_id=0 0 0\n"
    "tmpfs /tmp/Test\\011Pod tmpfs rw,size=65536k 0 0\n"
    "server:/export /mnt/share nfs4 rw,relatime,vers=4.2 0 0\n"
    "systemd-1 /mnt/auto autofs rw,relatime,fd=40 0 0\n";

TEST(MountTable, ReadsEachLineWithItsEscapesDecoded) {
  const std::vector<MountEntry> entries = ParseMountTable(
      "/dev/sdb1 /media/me/Sam\\134s\\040iPod vfat rw 0 0\n"
      "/dev/disk\\040one /media/a\\012b\\\\c ext4 rw 0 0\n"
      "\n"
      "two fields\n"
      "tmpfs /tmp tmpfs rw 0 0");
  EXPECT_EQ(entries, (std::vector<MountEntry>{{"/dev/sdb1", "/media/me/Sam\\s iPod", "vfat"},
                                              {"/dev/disk one", "/media/a\nb\\\\c", "ext4"},
                                              {"tmpfs", "/tmp", "tmpfs"}}));
}

class MountTableVolumesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMountTableForTesting([this] { return table_; });
  }
  void TearDown() override {
    SetMountTableForTesting(nullptr);
    SetVolumesForTesting(nullptr);
  }
  std::string table_ = kMountTable;
};

std::vector<std::string> VolumePaths() {
  std::vector<std::string> paths;
  for (int i = 0; i < VolumeCount(); ++i) paths.push_back(Volume(i).ShellPath());
  return paths;
}

// Once the folder seam is cleared, the volumes are the mount table's real file systems, in its order.
TEST_F(MountTableVolumesTest, VolumesAreTheMountTablesRealFileSystemsInItsOrder) {
  SetVolumesForTesting([] { return std::vector<fs::path>{"/fixture"}; });
  SetVolumesForTesting(nullptr);
  EXPECT_EQ(VolumePaths(), (std::vector<std::string>{"/", "/media/me/Sam\\s iPod", "/media/IPOD",
                                                     "/media/me/Backup", "/tmp/Test\tPod"}));
  EXPECT_EQ(Volume(1).Name(), "Sam\\s iPod");
}

TEST_F(MountTableVolumesTest, TheTableIsReadAfreshOnEveryCall) {
  ASSERT_EQ(VolumeCount(), 5);
  table_ = "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n";
  EXPECT_TRUE(Volume(1).IsNil());
  EXPECT_EQ(VolumeCount(), 1);
  table_.clear();
  EXPECT_EQ(VolumeCount(), 0);
}

}  // namespace
