#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "install/InstallTestSupport.h"
#include "install/iPodLock.h"
#include "support/ScopedBindMount.h"
#include "support/ScopedFileSizeLimit.h"
#include "support/ScopedImmutableFile.h"
#include "support/ScopedOpenFileLimit.h"
#include "support/ScopedTmpfs.h"

namespace fs = std::filesystem;

namespace {

const std::string kSetupError = "48 | Error | Error #703: Generic setup error.";

// An earlier install, in this mode, and a note of the person's own.
void PlaceEarlierInstall(const fs::path& notes) {
  WriteFileBytes(notes / "main.linx", "old");
  fs::create_directory(notes / "helixaNotes");
  WriteFileBytes(notes / "helixaNotes" / "old", "old");
  WriteFileBytes(notes / "Shopping", "milk");
}

using InstallFailureTest = InstallTest;

// No Notes folder in the first entry: the message, before any window opens, and nothing touched.
TEST_F(InstallFailureTest, NoNotesFolderInTheScanList) {
  PlaceEarlierInstall(Notes());
  const std::vector<std::string> before = TreeListing(volume_.root());
  SetScanList({FolderItem()});
  ApplyInstallChoices({.monopolize = true});
  RunInstall();

  EXPECT_EQ(
      MessageTexts(messages_),
      std::vector<std::string>{
          "48 | Problem finding iPod. | Nothing was installed.\n\nMake sure your iPod is connected and you "
          "are selecting your iPod when you try again. Also remember that disk mode must be enabled on "
          "your iPod for it to appear in the selection dialog."});
  EXPECT_FALSE(progress_->IsOpen());
  EXPECT_EQ(TreeListing(volume_.root()), before);
}

// An empty scan list ends in the catch-all, with no progress window to close.
TEST_F(InstallFailureTest, EmptyScanList) {
  const std::vector<std::string> before = TreeListing(volume_.root());
  RunInstall();
  EXPECT_EQ(MessageTexts(messages_), std::vector<std::string>{kSetupError});
  EXPECT_FALSE(progress_->IsOpen());
  EXPECT_EQ(TreeListing(volume_.root()), before);
}

const std::string kNothingInstalled =
    "48 | Problem finding iPod. | Nothing was installed.\n\nMake sure your iPod is connected and you are "
    "selecting your iPod when you try again. Also remember that disk mode must be enabled on your iPod "
    "for it to appear in the selection dialog.";

// A volume that went away and left a plain file in its place: the install tells that nothing was
// installed, before any window opens, and touches nothing.
TEST_F(InstallFailureTest, AVolumeGoneSinceTheScan) {
  const fs::path gone = temp_ / "GONE";
  WriteFileBytes(gone, "not a volume");
  SetScanList({FolderItem(gone / "Notes")});
  ApplyInstallChoices({.monopolize = true});
  RunInstall();

  EXPECT_EQ(MessageTexts(messages_), std::vector<std::string>{kNothingInstalled});
  EXPECT_FALSE(progress_->IsOpen());
  EXPECT_EQ(ReadFileBytes(gone), "not a volume");
}

// The iPod is unplugged after the scan and its mount folder stays behind on the system's disk,
// even laid out like an iPod there: nothing is written to that disk, and nothing is created.
TEST_F(InstallFailureTest, AniPodUnpluggedSinceTheScan) {
  ScopedTmpfs pod(temp_ / "POD", 1024 * 1024);
  if (!pod.mounted()) GTEST_SKIP() << pod.skipReason();
  FixtureVolume(temp_.path(), "POD");
  const ScopedVolumes mounted({pod.root()});
  iPodScanClass::GetiPodList();
  ASSERT_EQ(iPodScanClass::iPodFolderItemList.Ubound(), 0);
  pod.Unmount();
  FixtureVolume(temp_.path(), "POD");
  WriteFileBytes(pod.root() / "Notes" / "Shopping", "milk");
  const std::map<std::string, std::string> before = TreeContents(pod.root());
  ApplyInstallChoices({.monopolize = true});

  RunInstall();

  EXPECT_EQ(MessageTexts(messages_), std::vector<std::string>{kNothingInstalled});
  EXPECT_FALSE(progress_->IsOpen());
  EXPECT_EQ(TreeContents(pod.root()), before);
}

// Another install or removal holds the iPod: the install says so and writes nothing.
TEST_F(InstallFailureTest, AniPodBusyWithAnotherInstallerGetsNothing) {
  PlaceEarlierInstall(Notes());
  const std::map<std::string, std::string> before = TreeContents(volume_.root());
  const iPodLock other = iPodLock::Take(FolderItem(Notes()));
  ASSERT_TRUE(other.IsHeld());
  ApplyInstallChoices({.monopolize = true});

  InstallOnVolume();

  EXPECT_EQ(
      MessageTexts(messages_),
      std::vector<std::string>{"48 | iPod is busy. | Nothing was installed.\n\nAnother copy of Atomnote "
                               "Installer is installing or removing Atomnote on this iPod. Wait until it "
                               "has finished, then try again."});
  EXPECT_FALSE(progress_->IsOpen());
  EXPECT_EQ(TreeContents(volume_.root()), before);
}

enum class Fault { kFullVolume, kNoteNotCreated };

struct FaultCase {
  const char* name;
  Fault fault;
  bool glossary;
  // The tree the failed install leaves in Notes; the earlier install is gone.
  std::vector<std::string> partialTree;
};

const FaultCase kFaultCases[] = {
    // The volume fills up: no file may grow past 1 KB, so alpha.linx fails while it is written
    // out and keeps its first kilobyte.
    {"FullVolume", Fault::kFullVolume, false, {"License Note.txt", "Shopping", "alpha.linx", "main.linx"}},
    // The glossary menu stays open while each term note is made; with one file more allowed,
    // the first term note cannot be created and the glossary menu keeps its first link.
    {"NoteNotCreated",
     Fault::kNoteNotCreated,
     true,
     {"License Note.txt", "Shopping", "about.linx", "alpha.linx", "atnum.linx", "h/", "h/about-Atomnote",
      "h/about-table", "h/glossary.linx", "main.linx", "symbol.linx"}},
};

class NoteFaultTest : public InstallTest, public ::testing::WithParamInterface<FaultCase> {
 protected:
  void InstallWithFault() {
    SetScanList({FolderItem(Notes())});
    if (GetParam().fault == Fault::kFullVolume) {
      ScopedFileSizeLimit limit(1024);
      RunInstall();
    } else {
      // The next file opened while one note is open fails: a note that cannot be created. The
      // install itself keeps four more open by then: the Notes folder it locks, and the folders
      // it writes through, held open (the volume's root, Notes, and "h" for the glossary).
      ScopedOpenFileLimit limit(5);
      RunInstall();
    }
  }
};

// The error ends the install in the #703 box; the progress window, in front, is closed, and
// the notes written so far stay.
TEST_P(NoteFaultTest, EndsInTheSetupErrorAndKeepsThePartialTree) {
  PlaceEarlierInstall(Notes());
  ApplyInstallChoices({.monopolize = true, .glossary = GetParam().glossary});
  InstallWithFault();

  EXPECT_EQ(MessageTexts(messages_), std::vector<std::string>{kSetupError});
  EXPECT_FALSE(progress_->IsOpen());
  EXPECT_EQ(TreeListing(Notes()), GetParam().partialTree);
  EXPECT_EQ(ReadFileBytes(Notes() / "Shopping"), "milk");
  if (GetParam().fault == Fault::kFullVolume) {
    EXPECT_EQ(fs::file_size(Notes() / "alpha.linx"), 1024u);
  } else {
    EXPECT_EQ(FileLines(Notes() / "h" / "glossary.linx"),
              (std::vector<std::string>{"<?xml encoding=\"UTF-8\"?>", "<TITLE>Glossary</TITLE>",
                                        "<A HREF=\"actinides\">actinides</A>", ""}));
  }
}

INSTANTIATE_TEST_SUITE_P(Faults, NoteFaultTest, ::testing::ValuesIn(kFaultCases),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

// ---- links that cannot be cleared away ----

const std::string kCleanupError = "0 |  | Atomnote Install cleanup error #928.";

struct LinkCase {
  const char* name;
  bool monopolize;
  bool visualTables;
  const char* link;  // in Notes, the installer's name that is a link out of the iPod
  bool toFolder;     // to the outside folder, else to a file in it
  std::vector<std::string> messages;
};

const LinkCase kLinkCases[] = {
    {"EntryNote", true, false, "main.linx", false, {kCleanupError, kSetupError}},
    {"RightsNotice", true, false, "License Note.txt", false, {kCleanupError, kSetupError}},
    {"ProductFolder", false, false, "Atomnote", true, {kCleanupError, kSetupError}},
    {"HelpFolder", true, false, "h", true, {kCleanupError, kSetupError}},
    {"GroupFolder", true, false, "g", true, {kCleanupError, kSetupError}},
    {"TablesFolder", true, true, "t", true, {kCleanupError, kSetupError}},
};

void PrintTo(const LinkCase& c, std::ostream* out) { *out << c.name; }

class UnclearedLinkTest : public InstallTest, public ::testing::WithParamInterface<LinkCase> {};

// A link where the installer writes, which its clean-up cannot delete (here the Notes folder
// takes new items but gives none up), fails that item on its own error path: nothing is ever
// written through it, and what it points to stays byte for byte.
TEST_P(UnclearedLinkTest, IsNeverWrittenThrough) {
  const fs::path outside = temp_ / "outside";
  fs::create_directory(outside);
  for (const char* name : {"own.txt", "H", "index.linx", "._keep"}) WriteFileBytes(outside / name, name);
  fs::create_symlink(GetParam().toFolder ? outside : outside / "own.txt", Notes() / GetParam().link);
  WriteFileBytes(Notes() / "Shopping", "milk");
  const std::map<std::string, std::string> outsideBefore = TreeContents(outside);
  const ScopedAppendOnlyFolder stuck(Notes());
  if (!stuck.applied()) GTEST_SKIP() << "append-only folders need root and a file system that keeps the flag";
  ApplyInstallChoices({.monopolize = GetParam().monopolize, .visualTables = GetParam().visualTables});

  InstallOnVolume();

  EXPECT_EQ(MessageTexts(messages_), GetParam().messages);
  EXPECT_EQ(TreeContents(outside), outsideBefore);
  EXPECT_TRUE(fs::is_symlink(Notes() / GetParam().link));
  EXPECT_EQ(ReadFileBytes(Notes() / "Shopping"), "milk");
}

INSTANTIATE_TEST_SUITE_P(Links, UnclearedLinkTest, ::testing::ValuesIn(kLinkCases),
                         [](const ::testing::TestParamInfo<LinkCase>& info) { return info.param.name; });

// ---- mounts inside the tree, which its clean-up cannot delete ----

struct MountCase {
  const char* name;
  bool monopolize;
  bool visualTables;
  const char* mountFolder;  // in Notes, the installer's name that something is mounted on
  bool personsFolder;       // a folder of the person's on the iPod bound there, else another volume
  std::vector<std::string> messages;
};

const MountCase kMountCases[] = {
    {"ProductFolder", false, false, "Atomnote", false, {kCleanupError, kSetupError}},
    {"HelpFolder", true, false, "h", true, {kCleanupError, kSetupError}},
    {"TablesFolder", true, true, "t", false, {kCleanupError, kSetupError}},
};

void PrintTo(const MountCase& c, std::ostream* out) { *out << c.name; }

class MountInsideTheTreeTest : public InstallTest, public ::testing::WithParamInterface<MountCase> {};

// A volume mounted on one of the installer's names, or a folder of the person's bound there, is
// not the install's to delete or to write into: that item fails on its own error path, and what
// is mounted there stays byte for byte.
TEST_P(MountInsideTheTreeTest, IsNeverWrittenInto) {
  const fs::path mountFolder = Notes() / GetParam().mountFolder;
  fs::create_directories(Notes() / "Recipes");
  WriteFileBytes(Notes() / "Shopping", "milk");
  std::optional<ScopedTmpfs> volume;
  std::optional<ScopedBindMount> bound;
  if (GetParam().personsFolder) {
    bound.emplace(Notes() / "Recipes", mountFolder);
    if (!bound->mounted()) GTEST_SKIP() << bound->skipReason();
  } else {
    volume.emplace(mountFolder, 64 * 1024);
    if (!volume->mounted()) GTEST_SKIP() << volume->skipReason();
  }
  for (const char* name : {"soup", "H", "index.linx", "about.linx", "._keep"}) {
    WriteFileBytes(mountFolder / name, name);
  }
  const std::map<std::string, std::string> mountedBefore = TreeContents(mountFolder);
  ApplyInstallChoices({.monopolize = GetParam().monopolize, .visualTables = GetParam().visualTables});

  InstallOnVolume();

  EXPECT_EQ(MessageTexts(messages_), GetParam().messages);
  EXPECT_EQ(TreeContents(mountFolder), mountedBefore);
  EXPECT_EQ(ReadFileBytes(Notes() / "Shopping"), "milk");
}

INSTANTIATE_TEST_SUITE_P(Mounts, MountInsideTheTreeTest, ::testing::ValuesIn(kMountCases),
                         [](const ::testing::TestParamInfo<MountCase>& info) { return info.param.name; });

// When the progress window is not in front after the box (while the #703 box is up, another
// modal window comes in front of it), it is left open.
TEST_F(InstallFailureTest, LeavesTheProgressWindowOpenWhenAnotherWindowIsInFront) {
  messages_.OnMessageBox([this] { progress_->inFront = false; });
  SetScanList({FolderItem(Notes())});
  ApplyInstallChoices({.monopolize = true});
  {
    ScopedFileSizeLimit limit(1024);
    RunInstall();
  }
  messages_.OnMessageBox(nullptr);

  EXPECT_EQ(MessageTexts(messages_), std::vector<std::string>{kSetupError});
  EXPECT_TRUE(progress_->IsOpen());
}

}  // namespace
