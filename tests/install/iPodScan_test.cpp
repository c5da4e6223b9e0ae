#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/msdos_fs.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/Volumes.h"
#include "install/InstallTestSupport.h"
#include "install/InstallerWindow.h"
#include "install/iPodScanClass.h"
#include "support/FatImage.h"
#include "support/FixtureVolume.h"
#include "support/ScopedTimeSlice.h"
#include "support/ScopedTmpfs.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

const std::string kNoiPodText =
    "Your iPod must be connected with disk mode enabled before you can install or remove Atomnote.";
const std::string kManyiPodsText =
    "Please connect only one iPod at a time when attempting to install or remove Atomnote.";

std::string ReadyText(const std::string& volumeName) {
  return "Ready to install Atomnote on the attached iPod named \"" + volumeName + "\".";
}

// Keeps what the scan sets on the main window's status line and its Install and Remove buttons,
// starting as the main window starts.
class StatusWindow : public InstallerWindow {
 public:
  std::string StatusLine() const { return status_; }
  bool InstallEnabled() const { return installEnabled_; }
  bool RemoveEnabled() const { return removeEnabled_; }

  void SetStatusText(const std::string& text) override { status_ = text; }
  void SetInstallEnabled(bool enabled) override { installEnabled_ = enabled; }
  void SetRemoveEnabled(bool enabled) override { removeEnabled_ = enabled; }

 private:
  std::string status_ = kNoiPodText;
  bool installEnabled_ = false;
  bool removeEnabled_ = false;
};

class iPodScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const FixtureVolume probe(temp_ / "probe", "Probe");
    if (FolderItem(probe.root() / "iPod_Control").Visible()) {
      GTEST_SKIP() << "the temporary folder keeps no extended attributes, so no folder can be made invisible";
    }
  }
  void TearDown() override { SetVolumesForTesting(nullptr); }

  // Every tick leaves the window as the scan found the volumes; the lists stay parallel.
  void ExpectWindowShows(const std::string& status, bool enabled) {
    EXPECT_EQ(window_.StatusLine(), status);
    EXPECT_EQ(window_.InstallEnabled(), enabled);
    EXPECT_EQ(window_.RemoveEnabled(), enabled);
  }

  TempFolder temp_;
  StatusWindow window_;
};

void ExpectScanListsHold(const std::vector<fs::path>& notesFolders) {
  const int last = static_cast<int>(notesFolders.size()) - 1;
  ASSERT_EQ(iPodScanClass::iPodList.Ubound(), last);
  ASSERT_EQ(iPodScanClass::iPodType.Ubound(), last);
  ASSERT_EQ(iPodScanClass::iPodFolderItemList.Ubound(), last);
  ASSERT_EQ(iPodScanClass::iPodMountList.Ubound(), last);
  for (int k = 0; k <= last; ++k) {
    EXPECT_EQ(iPodScanClass::iPodType(k), "iPod");
    EXPECT_EQ(iPodScanClass::iPodList(k), notesFolders[std::size_t(k)].string());
    EXPECT_EQ(iPodScanClass::iPodFolderItemList(k).Path(), notesFolders[std::size_t(k)]);
    EXPECT_EQ(std::optional(iPodScanClass::iPodMountList(k)),
              MountOf(FolderItem(notesFolders[std::size_t(k)].parent_path())));
  }
}

// ---- the scan table ----

struct MountedVolume {
  std::string name;
  FixtureVolumeLayout layout;
};

constexpr FixtureVolumeLayout kiPod{};
constexpr FixtureVolumeLayout kPlainDisk{.iPodControl = false, .notes = false};
constexpr FixtureVolumeLayout kVisibleControl{.iPodControlInvisible = false};
constexpr FixtureVolumeLayout kNoMusic{.music = false};
constexpr FixtureVolumeLayout kNoNotes{.notes = false};

struct ScanCase {
  std::string what;
  std::vector<MountedVolume> volumes;
  std::vector<std::string> iPodsFound;  // volume names, in the volume order
  std::string status;
};

const std::vector<ScanCase> kScanCases = {
    {"no volumes at all", {}, {}, kNoiPodText},
    {"only the startup disk", {{"Startup", kPlainDisk}}, {}, kNoiPodText},
    {"one iPod", {{"Startup", kPlainDisk}, {"Pod", kiPod}}, {"Pod"}, ReadyText("Pod")},
    {"two iPods",
     {{"First", kiPod}, {"Startup", kPlainDisk}, {"Second", kiPod}},
     {"First", "Second"},
     kManyiPodsText},
    {"visible iPod_Control", {{"Pod", kVisibleControl}}, {}, kNoiPodText},
    {"no Music in iPod_Control", {{"Pod", kNoMusic}}, {}, kNoiPodText},
    {"no Notes at the top", {{"Pod", kNoNotes}}, {}, kNoiPodText},
    {"one iPod beside volumes that are not",
     {{"Visible", kVisibleControl}, {"Pod", kiPod}, {"NoMusic", kNoMusic}},
     {"Pod"},
     ReadyText("Pod")},
    {"a volume name with double quotes",
     {{"Sam's \"Blue\" iPod", kiPod}},
     {"Sam's \"Blue\" iPod"},
     ReadyText("Sam's \"Blue\" iPod")},
    {"a volume name that looks like markup",
     {{"<b>Pod<i> &amp;", kiPod}},
     {"<b>Pod<i> &amp;"},
     ReadyText("<b>Pod<i> &amp;")},
};

TEST_F(iPodScanTest, ScanTable) {
  for (const ScanCase& scan : kScanCases) {
    SCOPED_TRACE(scan.what);
    const TempFolder mounts;
    std::vector<fs::path> roots;
    for (const MountedVolume& volume : scan.volumes) {
      roots.push_back(FixtureVolume(mounts.path(), volume.name, volume.layout).root());
    }
    std::vector<fs::path> notesFolders;
    for (const std::string& name : scan.iPodsFound) notesFolders.push_back(mounts / name / "Notes");
    const ScopedVolumes mounted(roots);

    window_.scanTimerAction();

    ExpectScanListsHold(notesFolders);
    ExpectWindowShows(scan.status, scan.iPodsFound.size() == 1);
  }
}

// ---- scans over time ----

TEST_F(iPodScanTest, AfterOneOfTwoiPodsIsUnmountedTheNextTickIsReady) {
  std::vector<fs::path> mounted = {FixtureVolume(temp_.path(), "First").root(),
                                   FixtureVolume(temp_.path(), "Second").root()};
  SetVolumesForTesting([&mounted] { return mounted; });
  window_.scanTimerAction();
  ExpectWindowShows(kManyiPodsText, false);

  mounted.erase(mounted.begin());
  window_.scanTimerAction();
  ExpectWindowShows(ReadyText("Second"), true);
  ExpectScanListsHold({temp_ / "Second" / "Notes"});
}

TEST_F(iPodScanTest, AVolumeUnmountedDuringTheScanEmptiesTheListsUntilTheNextTick) {
  std::vector<fs::path> mounted = {FixtureVolume(temp_.path(), "Pod").root(),
                                   FixtureVolume(temp_.path(), "Leaving").root()};
  // The list is read once for the count, then once per volume: the second volume is unmounted
  // after the first has been looked at, so its index has no volume any more.
  int reads = 0;
  SetVolumesForTesting([&] {
    if (++reads == 3) mounted.pop_back();
    return mounted;
  });
  {
    const ScopedRecordingSink messages;
    window_.scanTimerAction();
    EXPECT_TRUE(messages.messages().empty());
  }
  ExpectScanListsHold({});
  ExpectWindowShows(kNoiPodText, false);

  window_.scanTimerAction();
  ExpectWindowShows(ReadyText("Pod"), true);
  ExpectScanListsHold({temp_ / "Pod" / "Notes"});
}

TEST_F(iPodScanTest, EveryTickSetsTheStatusLineAndButtonsAgain) {
  const ScopedVolumes mounted({FixtureVolume(temp_.path(), "Pod").root()});
  window_.scanTimerAction();
  // Something else changed them since: the next tick puts them back although the volumes did not change.
  window_.SetStatusText("Installing");
  window_.SetInstallEnabled(false);
  window_.SetRemoveEnabled(false);
  window_.scanTimerAction();
  ExpectWindowShows(ReadyText("Pod"), true);
}

TEST_F(iPodScanTest, TheScanLetsOtherWorkRunBetweenVolumes) {
  std::vector<fs::path> roots;
  for (const char* name : {"A", "B", "C"}) roots.push_back(FixtureVolume(temp_.path(), name).root());
  int reads = 0;
  SetVolumesForTesting([&] {
    ++reads;
    return roots;
  });
  int readsWhenOtherWorkRan = -1;
  const ScopedTimeSlice everyYield(std::chrono::milliseconds(0));
  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&] {
    QTimer::singleShot(0, &loop, [&] { readsWhenOtherWorkRan = reads; });
    window_.scanTimerAction();
    loop.quit();
  });
  loop.exec();
  // The count and three volumes make four reads; the other work ran before the last of them.
  EXPECT_EQ(reads, 4);
  EXPECT_GT(readsWhenOtherWorkRan, 0);
  EXPECT_LT(readsWhenOtherWorkRan, 4);
  ExpectWindowShows(kManyiPodsText, false);
}

TEST_F(iPodScanTest, WorkDuringAScanSeesTheLastCompleteResult) {
  const fs::path plain = temp_.path() / "Startup";
  fs::create_directories(plain);
  const fs::path pod = FixtureVolume(temp_.path(), "Pod").root();
  const ScopedVolumes mounted({plain, pod});
  window_.scanTimerAction();
  ASSERT_EQ(iPodScanClass::iPodFolderItemList.Ubound(), 0);

  // An Install or Remove click handled at the scan's first yield must still find the iPod.
  int iPodsSeenDuringTheScan = -1;
  const ScopedTimeSlice everyYield(std::chrono::milliseconds(0));
  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&] {
    QTimer::singleShot(0, &loop,
                       [&] { iPodsSeenDuringTheScan = iPodScanClass::iPodFolderItemList.Ubound() + 1; });
    window_.scanTimerAction();
    loop.quit();
  });
  loop.exec();

  EXPECT_EQ(iPodsSeenDuringTheScan, 1);
  EXPECT_EQ(iPodScanClass::iPodList.Ubound(), 0);
}

TEST_F(iPodScanTest, ANotesFolderThatIsALinkIsNotAnIPod) {
  const fs::path elsewhere = temp_.path() / "home";
  fs::create_directories(elsewhere);
  const fs::path pod = FixtureVolume(temp_.path(), "Pod", {.notes = false}).root();
  fs::create_directory_symlink(elsewhere, pod / "Notes");
  const ScopedVolumes mounted({pod});

  window_.scanTimerAction();

  EXPECT_EQ(iPodScanClass::iPodFolderItemList.Ubound(), -1);
  ExpectWindowShows(kNoiPodText, false);
}

// ---- is the iPod the scan found still there? ----

// What happens to the iPod between the scan and the click.
enum class Change {
  kNone,
  kUnplugged,                   // unmounted; its empty mount folder stays on the system's disk
  kUnpluggedLeavingALookAlike,  // and that folder now looks like an iPod
  kAnotherVolumeMounted,        // another iPod's volume is mounted on the same folder
  kNotesFolderRemoved,
  kNotesFolderNowALink,
  kNoLongerListed,  // gone from the mounted volumes
};

struct StillAttachedCase {
  const char* name;
  Change change;
  bool stillAttached;
};

const StillAttachedCase kStillAttachedCases[] = {
    {"Unchanged", Change::kNone, true},
    {"Unplugged", Change::kUnplugged, false},
    {"UnpluggedLeavingALookAlike", Change::kUnpluggedLeavingALookAlike, false},
    {"AnotherVolumeMounted", Change::kAnotherVolumeMounted, false},
    {"NotesFolderRemoved", Change::kNotesFolderRemoved, false},
    {"NotesFolderNowALink", Change::kNotesFolderNowALink, false},
    {"NoLongerListed", Change::kNoLongerListed, false},
};

class StillAttachedTest : public iPodScanTest, public ::testing::WithParamInterface<StillAttachedCase> {
 protected:
  void SetUp() override {
    iPodScanTest::SetUp();
    if (IsSkipped()) return;
    if (!pod_.mounted()) GTEST_SKIP() << pod_.skipReason();
    FixtureVolume(temp_.path(), "POD");
    SetVolumesForTesting([this] { return listed_; });
  }

  void Apply(Change change) {
    const fs::path root = pod_.root();
    switch (change) {
      case Change::kNone:
        break;
      case Change::kUnplugged:
        pod_.Unmount();
        break;
      case Change::kUnpluggedLeavingALookAlike:
        pod_.Unmount();
        FixtureVolume(temp_.path(), "POD");
        break;
      case Change::kAnotherVolumeMounted:
        pod_.Unmount();
        other_ = std::make_unique<ScopedTmpfs>(root, 256 * 1024);
        FixtureVolume(temp_.path(), "POD");
        break;
      case Change::kNotesFolderRemoved:
        fs::remove(root / "Notes");
        break;
      case Change::kNotesFolderNowALink:
        fs::remove(root / "Notes");
        fs::create_directory(temp_ / "elsewhere");
        fs::create_directory_symlink(temp_ / "elsewhere", root / "Notes");
        break;
      case Change::kNoLongerListed:
        listed_.clear();
        break;
    }
  }

  ScopedTmpfs pod_{temp_ / "POD", 256 * 1024};
  std::unique_ptr<ScopedTmpfs> other_;
  std::vector<fs::path> listed_{temp_ / "POD"};
};

// Whether the system gives every mount a number of its own for good (Linux 6.8 on); before, a
// volume mounted in another's place may get the same device number.
bool MountsNumberedForGood() {
  struct statx status {};
  constexpr unsigned int kUniqueMountId = 0x00004000U;
  return ::statx(AT_FDCWD, "/", 0, kUniqueMountId, &status) == 0 && (status.stx_mask & kUniqueMountId);
}

TEST_P(StillAttachedTest, OnlyTheSameVolumeOnTheSameFolderStillLookingLikeAniPod) {
  if (GetParam().change == Change::kAnotherVolumeMounted && !MountsNumberedForGood()) {
    GTEST_SKIP() << "this system may give a volume mounted in another's place the same number";
  }
  iPodScanClass::GetiPodList();
  ASSERT_EQ(iPodScanClass::iPodFolderItemList.Ubound(), 0);

  Apply(GetParam().change);

  EXPECT_EQ(iPodScanClass::StillAttached(0), GetParam().stillAttached);
}

INSTANTIATE_TEST_SUITE_P(Changes, StillAttachedTest, ::testing::ValuesIn(kStillAttachedCases),
                         [](const ::testing::TestParamInfo<StillAttachedCase>& info) {
                           return info.param.name;
                         });

TEST(StillAttached, ANilEntryIsNotAttached) {
  SetScanList({FolderItem()});
  EXPECT_FALSE(iPodScanClass::StillAttached(0));
  SetScanList({});
}

// ---- an iPod formatted on Windows: FAT, iPod_Control hidden by its DOS attribute ----

class FatiPodTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!volume_.mounted()) GTEST_SKIP() << volume_.skipReason();
  }
  void TearDown() override { SetVolumesForTesting(nullptr); }

  TempFolder temp_;
  FatImage volume_{temp_ / "WINPOD", "IPOD"};
  StatusWindow window_;
};

TEST_F(FatiPodTest, AniPodFormattedOnWindowsIsFound) {
  // As the Windows tools leave it: no Finder info, iPod_Control hidden by its DOS attribute.
  const FixtureVolume pod(temp_.path(), "WINPOD");
  ASSERT_NE(DosAttributesOf(volume_.root() / "iPod_Control") & ATTR_HIDDEN, 0u);
  const ScopedVolumes mounted({volume_.root()});
  window_.scanTimerAction();
  EXPECT_EQ(window_.StatusLine(), ReadyText("WINPOD"));
  ExpectScanListsHold({volume_.root() / "Notes"});

  FolderItem(volume_.root() / "iPod_Control").SetVisible(true);
  window_.scanTimerAction();
  EXPECT_EQ(window_.StatusLine(), kNoiPodText);
}

}  // namespace
