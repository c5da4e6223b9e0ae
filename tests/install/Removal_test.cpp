#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "framework/FolderItem.h"
#include "install/DeleteAnything.h"
#include "install/InstallTestSupport.h"
#include "install/InstallerWindow.h"
#include "install/ScopedStuckItem.h"
#include "install/iPodLock.h"
#include "install/iPodScanClass.h"
#include "support/FixtureVolume.h"
#include "support/ScopedGestaltVersion.h"
#include "support/ScopedTmpfs.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Each message box as icon | title | text.
const std::string kRemoved =
    "0 |  | Atomnote has been successfully removed from your iPod.\n\nThank you for trying Atomnote!";
const std::string kNothingRemoved =
    "48 | Problem finding iPod. | Nothing was removed.\n\nMake sure your iPod is connected and it really has "
    "Atomnote installed!";
const std::string kUninstallError = "48 | Error | Error #705: Generic Atomnote uninstall error.";
const std::string kCleanupError = "0 |  | Atomnote Install cleanup error #928.";
const std::string kNotAllRemoved =
    "48 | Problem removing Atomnote. | Atomnote could not be removed completely from your iPod.\n\nSome of "
    "its notes or folders could not be deleted and are still on your iPod. Make sure your iPod is not "
    "locked or read-only, then try again.";

void MakeFile(const fs::path& path) {
  fs::create_directories(path.parent_path());
  WriteFileBytes(path, "note");
}

// What earlier installs leave in Notes: the product folder (with a folder of the user's own
// inside it), the older product folder, and every fixed name of an install that had the Notes
// folder to itself.
void PutInstalledNotes(const fs::path& notes) {
  for (const char* path : {"Atomnote/index.linx",
                           "Atomnote/e/H",
                           "Atomnote/e/H-i",
                           "Atomnote/My Notes/shopping",
                           "helixaNotes/index.linx",
                           "helixaNotes/e/He",
                           "License Note.txt",
                           "main.linx",
                           "alpha.linx",
                           "atnum.linx",
                           "symbol.linx",
                           "period.linx",
                           "group.linx",
                           "about.linx",
                           "table.linx",
                           "e/H",
                           "e/O-n",
                           "h/about-Atomnote",
                           "h/glossary.linx",
                           "g/alkali.linx",
                           "p/period1.linx",
                           "t/basic.jpg"}) {
    MakeFile(notes / path);
  }
}

// Notes of the user's own directly in Notes; index.linx there is not the installer's.
void PutUsersNotes(const fs::path& notes) {
  for (const char* path : {"index.linx", "Recipes/soup", "my note.txt"}) MakeFile(notes / path);
}

const std::vector<std::string> kUsersNotes = {"Recipes/", "Recipes/soup", "index.linx", "my note.txt"};

// A fresh window, empty scan lists and no progress window for every test.
class RemovalTest : public testing::Test {
 protected:
  RemovalTest() { SetScanList({}); }
  ~RemovalTest() override { SetScanList({}); }

  // Scans the fixture volume as the installer does.
  void Scan(const FixtureVolume& volume) {
    ASSERT_EQ(volume.root(), temp_ / "IPOD") << "only the folder IPOD counts as mounted";
    iPodScanClass::GetiPodList();
    ASSERT_EQ(iPodScanClass::iPodFolderItemList.Ubound(), 0);
  }

  TempFolder temp_;
  // The one mounted volume while the test runs, whether or not a test puts an iPod there.
  ScopedVolumes volumes_{{temp_ / "IPOD"}};
  ScopedRecordingSink sink_;
  ScopedRecordingProgress progress_;
  InstallerWindow window_;
};

// ---- removal with either delete method ----

std::string SystemName(int32_t version) { return version == kTiger ? "Tiger" : "Panther"; }

struct RemovalCase {
  const char* name;
  bool installed;  // whether an earlier install left its notes
};

const RemovalCase kRemovalCases[] = {
    {"RemovesWhatTheInstallerWroteAndKeepsTheUsersNotes", true},
    // An iPod with nothing of Atomnote on it still hears of success.
    {"AnIPodWithoutAtomnote", false},
};

void PrintTo(const RemovalCase& c, std::ostream* out) { *out << c.name; }

class RemovalBothMethods : public RemovalTest,
                           public testing::WithParamInterface<std::tuple<int32_t, RemovalCase>> {
 protected:
  ScopedGestaltVersion version_{std::get<0>(GetParam())};
};

TEST_P(RemovalBothMethods, LeavesOnlyTheUsersNotesAndTellsOfSuccess) {
  FixtureVolume volume(temp_.path(), "IPOD");
  if (std::get<1>(GetParam()).installed) PutInstalledNotes(volume.notes());
  PutUsersNotes(volume.notes());
  Scan(volume);

  window_.removeAtomnote();

  EXPECT_EQ(TreeListing(volume.notes()), kUsersNotes);
  EXPECT_EQ(MessageTexts(sink_), std::vector<std::string>{kRemoved});
  EXPECT_FALSE(progress_->IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Systems, RemovalBothMethods,
                         testing::Combine(testing::Values(kTiger, kPanther),
                                          testing::ValuesIn(kRemovalCases)),
                         [](const testing::TestParamInfo<std::tuple<int32_t, RemovalCase>>& info) {
                           return SystemName(std::get<0>(info.param)) + std::get<1>(info.param).name;
                         });

// ---- what the person sees while it runs ----

TEST_F(RemovalTest, ShowsTheProgressWindowWhileDeleting) {
  FixtureVolume volume(temp_.path(), "IPOD");
  PutInstalledNotes(volume.notes());
  Scan(volume);
  std::vector<std::string> seen;
  SetDeleteObserverForTesting([this, &seen](const FolderItem&) {
    seen.push_back(progress_->IsOpen() ? progress_->title + " | " + progress_->text : "no progress window");
  });

  window_.removeAtomnote();
  SetDeleteObserverForTesting(nullptr);

  ASSERT_FALSE(seen.empty());
  for (const std::string& s : seen) EXPECT_EQ(s, "Removing… | Removing Atomnote from iPod...");
  EXPECT_FALSE(progress_->IsOpen());
}

// ---- when there is nothing to remove from ----

TEST_F(RemovalTest, ANilEntryRemovesNothing) {
  SetScanList({FolderItem()});

  window_.removeAtomnote();

  EXPECT_EQ(MessageTexts(sink_), std::vector<std::string>{kNothingRemoved});
  EXPECT_FALSE(progress_->IsOpen());
}

TEST_F(RemovalTest, AnEmptyScanListIsAnUninstallError) {
  window_.removeAtomnote();

  EXPECT_EQ(MessageTexts(sink_), std::vector<std::string>{kUninstallError});
  EXPECT_FALSE(progress_->IsOpen());
}

// The iPod was disconnected after the last scan: nothing can have been removed, and the person is
// told so rather than told of a success.
TEST_F(RemovalTest, ANotesFolderGoneSinceTheScanRemovesNothing) {
  FixtureVolume volume(temp_.path(), "IPOD");
  Scan(volume);
  fs::remove_all(volume.root());

  window_.removeAtomnote();

  EXPECT_EQ(MessageTexts(sink_), std::vector<std::string>{kNothingRemoved});
  EXPECT_FALSE(progress_->IsOpen());
}

// The iPod is unplugged after the scan and its mount folder, left behind on the system's disk,
// holds a look-alike with the installer's names: nothing there is deleted.
TEST_F(RemovalTest, AniPodUnpluggedSinceTheScanRemovesNothing) {
  ScopedTmpfs pod(temp_ / "IPOD", 1024 * 1024);
  if (!pod.mounted()) GTEST_SKIP() << pod.skipReason();
  Scan(FixtureVolume(temp_.path(), "IPOD"));
  pod.Unmount();
  const FixtureVolume lookAlike(temp_.path(), "IPOD");
  PutInstalledNotes(lookAlike.notes());
  const std::map<std::string, std::string> before = TreeContents(lookAlike.root());

  window_.removeAtomnote();

  EXPECT_EQ(MessageTexts(sink_), std::vector<std::string>{kNothingRemoved});
  EXPECT_FALSE(progress_->IsOpen());
  EXPECT_EQ(TreeContents(lookAlike.root()), before);
}

// Another install or removal holds the iPod: nothing is deleted. Once the removal is over, it no
// longer holds the iPod itself.
TEST_F(RemovalTest, AniPodBusyWithAnotherInstallerRemovesNothing) {
  FixtureVolume volume(temp_.path(), "IPOD");
  PutInstalledNotes(volume.notes());
  Scan(volume);
  const std::map<std::string, std::string> before = TreeContents(volume.root());
  {
    const iPodLock other = iPodLock::Take(FolderItem(volume.notes()));
    ASSERT_TRUE(other.IsHeld());

    window_.removeAtomnote();
  }

  EXPECT_EQ(
      MessageTexts(sink_),
      std::vector<std::string>{"48 | iPod is busy. | Nothing was removed.\n\nAnother copy of Atomnote "
                               "Installer is installing or removing Atomnote on this iPod. Wait until it "
                               "has finished, then try again."});
  EXPECT_FALSE(progress_->IsOpen());
  EXPECT_EQ(TreeContents(volume.root()), before);

  window_.removeAtomnote();
  EXPECT_TRUE(iPodLock::Take(FolderItem(volume.notes())).IsHeld());
}

// ---- a note that cannot be deleted ----

class RemovalStuckNote : public RemovalTest, public testing::WithParamInterface<int32_t> {
 protected:
  ScopedGestaltVersion version_{GetParam()};
};

// The note that cannot be deleted is told once; everything else still goes, and the removal ends
// saying that not all of Atomnote could be removed.
TEST_P(RemovalStuckNote, IsToldAndTheRestStillGoes) {
  FixtureVolume volume(temp_.path(), "IPOD");
  PutInstalledNotes(volume.notes());
  PutUsersNotes(volume.notes());
  Scan(volume);
  ScopedStuckItem stuck(volume.notes() / "e" / "H");

  window_.removeAtomnote();

  EXPECT_EQ(TreeListing(volume.notes()),
            (std::vector<std::string>{"Recipes/", "Recipes/soup", "e/", "e/H/", "e/H/arrived", "index.linx",
                                      "my note.txt"}));
  EXPECT_EQ(MessageTexts(sink_), (std::vector<std::string>{kCleanupError, kNotAllRemoved}));
  EXPECT_FALSE(progress_->IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Systems, RemovalStuckNote, testing::Values(kTiger, kPanther),
                         [](const testing::TestParamInfo<int32_t>& info) { return SystemName(info.param); });

// ---- an iPod that does not let everything go ----

class RemovalOnTmpfs : public RemovalTest {
 protected:
  void SetUp() override {
    if (!pod_.mounted()) GTEST_SKIP() << pod_.skipReason();
  }

  ScopedTmpfs pod_{temp_ / "IPOD", 1024 * 1024};
};

// A read-only iPod: every item fails on its own, the user hears of each, and the end says that
// Atomnote is still there rather than that it was removed.
TEST_F(RemovalOnTmpfs, AReadOnlyiPodIsNotReportedAsDone) {
  const FixtureVolume volume(temp_.path(), "IPOD");
  PutInstalledNotes(volume.notes());
  PutUsersNotes(volume.notes());
  Scan(volume);
  const std::map<std::string, std::string> before = TreeContents(volume.root());
  ASSERT_TRUE(pod_.SetReadOnly(true));

  window_.removeAtomnote();

  pod_.SetReadOnly(false);
  std::vector<std::string> expected(16, kCleanupError);
  expected.push_back(kNotAllRemoved);
  EXPECT_EQ(MessageTexts(sink_), expected);
  EXPECT_EQ(TreeContents(volume.root()), before);
  EXPECT_FALSE(progress_->IsOpen());
}

// A volume mounted inside the product folder is not the iPod's: nothing on it is deleted, it is
// an item that could not go, and everything else of Atomnote still goes.
class RemovalAcrossAMount : public RemovalOnTmpfs, public testing::WithParamInterface<int32_t> {
 protected:
  ScopedGestaltVersion version_{GetParam()};
};

TEST_P(RemovalAcrossAMount, LeavesTheMountedVolumeAlone) {
  const FixtureVolume volume(temp_.path(), "IPOD");
  PutInstalledNotes(volume.notes());
  PutUsersNotes(volume.notes());
  Scan(volume);
  const ScopedTmpfs inside(volume.notes() / "Atomnote" / "My Notes", 64 * 1024);
  ASSERT_TRUE(inside.mounted()) << inside.skipReason();
  MakeFile(inside.root() / "diary");
  MakeFile(inside.root() / "e" / "H");

  window_.removeAtomnote();

  std::vector<std::string> left = {"Atomnote/", "Atomnote/My Notes/", "Atomnote/My Notes/diary",
                                   "Atomnote/My Notes/e/", "Atomnote/My Notes/e/H"};
  left.insert(left.end(), kUsersNotes.begin(), kUsersNotes.end());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(TreeListing(volume.notes()), left);
  EXPECT_EQ(ReadFileBytes(inside.root() / "diary"), "note");
  EXPECT_EQ(MessageTexts(sink_), (std::vector<std::string>{kCleanupError, kNotAllRemoved}));
}

INSTANTIATE_TEST_SUITE_P(Systems, RemovalAcrossAMount, testing::Values(kTiger, kPanther),
                         [](const testing::TestParamInfo<int32_t>& info) { return SystemName(info.param); });

// deleteOldFiles touches only its fixed names, whatever else lies in the folder.
TEST_F(RemovalTest, DeleteOldFilesLeavesTheProductFoldersAndOtherNames) {
  FixtureVolume volume(temp_.path(), "IPOD");
  PutInstalledNotes(volume.notes());
  PutUsersNotes(volume.notes());

  window_.deleteOldFiles(FolderItem(volume.notes()));

  std::vector<std::string> expected = {"Atomnote/",
                                       "Atomnote/My Notes/",
                                       "Atomnote/My Notes/shopping",
                                       "Atomnote/e/",
                                       "Atomnote/e/H",
                                       "Atomnote/e/H-i",
                                       "Atomnote/index.linx",
                                       "Recipes/",
                                       "Recipes/soup",
                                       "helixaNotes/",
                                       "helixaNotes/e/",
                                       "helixaNotes/e/He",
                                       "helixaNotes/index.linx",
                                       "index.linx",
                                       "my note.txt"};
  EXPECT_EQ(TreeListing(volume.notes()), expected);
  EXPECT_TRUE(sink_.messages().empty());
}

}  // namespace
