#include <gtest/gtest.h>

#include <QLabel>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/FolderItem.h"
#include "install/DeleteAnything.h"
#include "install/InstallerWindow.h"
#include "install/ProgressWindow.h"
#include "install/iPodScanClass.h"
#include "support/FixtureVolume.h"
#include "support/ScopedGestaltVersion.h"
#include "support/ScopedImmutableFile.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kTiger = 0x1049;
constexpr int32_t kPanther = 0x1039;

// Each message box as icon | title | text.
const std::string kRemoved =
    "0 |  | Atomnote has been successfully removed from your iPod.\n\nThank you for trying Atomnote!";
const std::string kNothingRemoved =
    "48 | Problem finding iPod. | Nothing was removed.\n\nMake sure your iPod is connected and it really has "
    "Atomnote installed!";
const std::string kUninstallError = "48 | Error | Error #705: Generic Atomnote uninstall error.";
const std::string kCleanupError = "0 |  | Atomnote Install cleanup error #928.";

std::vector<std::string> Shown(const ScopedRecordingSink& sink) {
  std::vector<std::string> shown;
  for (const MessageBoxRecord& m : sink.messages()) {
    shown.push_back(std::to_string(m.icon) + " | " + m.title + " | " + m.text);
  }
  return shown;
}

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

void EmptyScanLists() {
  iPodScanClass::iPodType.ResizeTo(-1);
  iPodScanClass::iPodList.ResizeTo(-1);
  iPodScanClass::iPodFolderItemList.ResizeTo(-1);
}

// A fresh window, empty scan lists and no progress window for every test.
class RemovalTest : public testing::Test {
 protected:
  RemovalTest() { EmptyScanLists(); }
  ~RemovalTest() override {
    EmptyScanLists();
    if (progressWindowExists()) progressWindow().Close();
  }

  // Scans the fixture volume as the installer does.
  void Scan(const FixtureVolume& volume) {
    ScopedVolumes volumes({volume.root()});
    iPodScanClass::GetiPodList();
    ASSERT_EQ(iPodScanClass::iPodFolderItemList.Ubound(), 0);
  }

  TempFolder temp_;
  ScopedRecordingSink sink_;
  InstallerWindow window_;
};

// ---- removal with either delete method ----

class RemovalBothMethods : public RemovalTest, public testing::WithParamInterface<int32_t> {
 protected:
  ScopedGestaltVersion version_{GetParam()};
};

TEST_P(RemovalBothMethods, RemovesWhatTheInstallerWroteAndKeepsTheUsersNotes) {
  FixtureVolume volume(temp_.path(), "IPOD");
  PutInstalledNotes(volume.notes());
  PutUsersNotes(volume.notes());
  Scan(volume);

  window_.removeAtomnote();

  EXPECT_EQ(TreeListing(volume.notes()), kUsersNotes);
  EXPECT_EQ(Shown(sink_), std::vector<std::string>{kRemoved});
  EXPECT_FALSE(progressWindowExists());
}

TEST_P(RemovalBothMethods, AnIPodWithoutAtomnoteStillHearsOfSuccess) {
  FixtureVolume volume(temp_.path(), "IPOD");
  PutUsersNotes(volume.notes());
  Scan(volume);

  window_.removeAtomnote();

  EXPECT_EQ(TreeListing(volume.notes()), kUsersNotes);
  EXPECT_EQ(Shown(sink_), std::vector<std::string>{kRemoved});
  EXPECT_FALSE(progressWindowExists());
}

INSTANTIATE_TEST_SUITE_P(Systems, RemovalBothMethods, testing::Values(kTiger, kPanther),
                         [](const testing::TestParamInfo<int32_t>& info) {
                           return info.param == kTiger ? std::string("Tiger") : std::string("Panther");
                         });

// ---- what the person sees while it runs ----

TEST_F(RemovalTest, ShowsTheProgressWindowWhileDeleting) {
  FixtureVolume volume(temp_.path(), "IPOD");
  PutInstalledNotes(volume.notes());
  Scan(volume);
  std::vector<std::string> seen;
  SetDeleteObserverForTesting([&seen](const FolderItem&) {
    if (!progressWindowExists()) {
      seen.push_back("no progress window");
      return;
    }
    auto& progress = progressWindow();
    seen.push_back(progress.Title() + " | " + progress.ControlAs<QLabel>("StaticText1").text().toStdString() +
                   " | " + (progress.isVisible() ? "shown" : "hidden"));
  });

  window_.removeAtomnote();
  SetDeleteObserverForTesting(nullptr);

  ASSERT_FALSE(seen.empty());
  for (const std::string& s : seen) EXPECT_EQ(s, "Removing… | Removing Atomnote from iPod... | shown");
  EXPECT_FALSE(progressWindowExists());
}

// ---- when there is nothing to remove from ----

TEST_F(RemovalTest, ANilEntryRemovesNothing) {
  iPodScanClass::iPodType.Append("iPod");
  iPodScanClass::iPodList.Append("");
  iPodScanClass::iPodFolderItemList.Append(FolderItem());

  window_.removeAtomnote();

  EXPECT_EQ(Shown(sink_), std::vector<std::string>{kNothingRemoved});
  EXPECT_FALSE(progressWindowExists());
}

TEST_F(RemovalTest, AnEmptyScanListIsAnUninstallError) {
  window_.removeAtomnote();

  EXPECT_EQ(Shown(sink_), std::vector<std::string>{kUninstallError});
  EXPECT_FALSE(progressWindowExists());
}

// The iPod was disconnected after the last scan: nothing can have been removed, and the person is
// told so rather than told of a success.
TEST_F(RemovalTest, ANotesFolderGoneSinceTheScanRemovesNothing) {
  FixtureVolume volume(temp_.path(), "IPOD");
  Scan(volume);
  fs::remove_all(volume.root());

  window_.removeAtomnote();

  EXPECT_EQ(Shown(sink_), std::vector<std::string>{kNothingRemoved});
  EXPECT_FALSE(progressWindowExists());
}

// ---- a note that cannot be deleted ----

TEST_F(RemovalTest, ANoteThatCannotBeDeletedIsToldAndTheRestStillGoes) {
  ScopedGestaltVersion version(kPanther);
  FixtureVolume volume(temp_.path(), "IPOD");
  PutInstalledNotes(volume.notes());
  PutUsersNotes(volume.notes());
  ScopedImmutableFile stuck(volume.notes() / "e" / "H");
  if (!stuck.applied()) GTEST_SKIP() << "this file system keeps no immutable flag";
  Scan(volume);

  window_.removeAtomnote();

  EXPECT_EQ(TreeListing(volume.notes()),
            (std::vector<std::string>{"Recipes/", "Recipes/soup", "e/", "e/H", "index.linx", "my note.txt"}));
  EXPECT_EQ(Shown(sink_), (std::vector<std::string>{kCleanupError, kRemoved}));
}

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
