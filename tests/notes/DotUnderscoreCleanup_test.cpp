#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "framework/Exceptions.h"
#include "framework/FolderItem.h"
#include "notes/threadClass.h"
#include "support/ScopedImmutableFile.h"
#include "support/ScopedTmpfs.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

class DotUnderscoreCleanupTest : public ::testing::Test {
 protected:
  // A folder of the notes tree (its name holds a blank, as an iPod's often does).
  fs::path MakeFolder(const std::string& name) {
    const fs::path folder = temp_ / "My iPod" / name;
    fs::create_directories(folder);
    return folder;
  }

  static void MakeFile(const fs::path& path) { WriteFileBytes(path, "x"); }

  // Names directly in the folder.
  static std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  TempFolder temp_;
  threadClass worker_;
};

// Only names that start with "._", only directly in the folder.
TEST_F(DotUnderscoreCleanupTest, RemovesTheDotUnderscoreFilesOfTheFolderOnly) {
  const fs::path e = MakeFolder("e");
  for (const char* name : {"._a", "._b", "._", "Fe", "Fe-i", ".hidden", "a._b", "_.x"}) MakeFile(e / name);
  fs::create_directory(e / "sub");
  MakeFile(e / "sub" / "._c");

  worker_.blastDotUnderscoreFiles(FolderItem(e));

  EXPECT_EQ(Names(e), (std::set<std::string>{"Fe", "Fe-i", ".hidden", "a._b", "_.x", "sub"}));
  EXPECT_EQ(Names(e / "sub"), (std::set<std::string>{"._c"}));
  EXPECT_FALSE(worker_.stopFuturermCMDs);
}

// As "rm ._*" does: a link is removed, never what it points to; a "._" folder is left where it is,
// and since it matched, the next folder is still cleaned.
TEST_F(DotUnderscoreCleanupTest, RemovesLinksAndLeavesFolders) {
  const fs::path e = MakeFolder("e");
  const fs::path outside = MakeFolder("outside");
  MakeFile(outside / "target");
  fs::create_symlink(outside / "target", e / "._link");
  fs::create_directory_symlink(outside, e / "._folderlink");
  fs::create_symlink(outside / "missing", e / "._dangling");
  fs::create_directory(e / "._folder");
  MakeFile(e / "._folder" / "kept");

  worker_.blastDotUnderscoreFiles(FolderItem(e));

  EXPECT_EQ(Names(e), (std::set<std::string>{"._folder"}));
  EXPECT_EQ(Names(e / "._folder"), (std::set<std::string>{"kept"}));
  EXPECT_EQ(Names(outside), (std::set<std::string>{"target"}));
  EXPECT_FALSE(worker_.stopFuturermCMDs);
}

// The first folder without any "._" entry ends the clean-ups of the run.
TEST_F(DotUnderscoreCleanupTest, AFolderWithoutAnyStopsTheLaterCleanUps) {
  const fs::path e = MakeFolder("e");
  const fs::path root = MakeFolder("root");
  const fs::path h = MakeFolder("h");
  MakeFile(e / "._Fe");
  MakeFile(root / "menu.linx");
  MakeFile(h / "._glossary");

  worker_.blastDotUnderscoreFiles(FolderItem(e));
  EXPECT_FALSE(worker_.stopFuturermCMDs);
  worker_.blastDotUnderscoreFiles(FolderItem(root));
  EXPECT_TRUE(worker_.stopFuturermCMDs);
  worker_.blastDotUnderscoreFiles(FolderItem(h));

  EXPECT_TRUE(Names(e).empty());
  EXPECT_EQ(Names(root), (std::set<std::string>{"menu.linx"}));
  EXPECT_EQ(Names(h), (std::set<std::string>{"._glossary"}));
  EXPECT_TRUE(worker_.stopFuturermCMDs);
}

// What is not a folder is skipped and leaves the flag as it was.
TEST_F(DotUnderscoreCleanupTest, SkipsWhatIsNotAFolder) {
  const fs::path e = MakeFolder("e");
  MakeFile(e / "._Fe");
  for (const fs::path& item : {e / "._Fe", e / "missing"}) {
    worker_.blastDotUnderscoreFiles(FolderItem(item));
    EXPECT_FALSE(worker_.stopFuturermCMDs) << item;
  }
  EXPECT_EQ(Names(e), (std::set<std::string>{"._Fe"}));
}

// A folder that is a link, or lies below one, is not the tree's: its "._" files stay, and the flag
// is left as it was.
TEST_F(DotUnderscoreCleanupTest, SkipsAFolderReachedThroughALink) {
  const fs::path outside = MakeFolder("outside");
  MakeFile(outside / "._own");
  fs::create_directory(outside / "sub");
  MakeFile(outside / "sub" / "._own");
  const fs::path root = MakeFolder("root");
  fs::create_directory_symlink(outside, root / "h");
  for (const FolderItem& folder : {FolderItem(root / "h"), FolderItem(root / "h" / "sub")}) {
    worker_.blastDotUnderscoreFiles(folder);
    EXPECT_FALSE(worker_.stopFuturermCMDs) << folder.ShellPath();
  }
  EXPECT_EQ(Names(outside), (std::set<std::string>{"._own", "sub"}));
  EXPECT_EQ(Names(outside / "sub"), (std::set<std::string>{"._own"}));
}

// A volume mounted on a folder of the tree is not the tree's either: its "._" files stay, and the
// flag is left as it was.
TEST_F(DotUnderscoreCleanupTest, SkipsAVolumeMountedInTheTree) {
  const fs::path root = MakeFolder("root");
  const ScopedTmpfs volume(root / "h", 64 * 1024);
  if (!volume.mounted()) GTEST_SKIP() << volume.skipReason();
  MakeFile(root / "h" / "._own");

  worker_.blastDotUnderscoreFiles(FolderItem(root / "h"));

  EXPECT_FALSE(worker_.stopFuturermCMDs);
  EXPECT_EQ(Names(root / "h"), (std::set<std::string>{"._own"}));
}

TEST_F(DotUnderscoreCleanupTest, ANilFolderIsTheCallersFailure) {
  EXPECT_THROW(worker_.blastDotUnderscoreFiles(FolderItem()), NilObjectException);
}

// A file that cannot be removed is not reported; the rest go, and the next folder is cleaned.
TEST_F(DotUnderscoreCleanupTest, AFileThatCannotBeRemovedIsLeftSilently) {
  const fs::path e = MakeFolder("e");
  MakeFile(e / "._a");
  MakeFile(e / "._b");
  ScopedImmutableFile stuck(e / "._a");
  if (!stuck.applied()) GTEST_SKIP() << "immutable files need root and a file system that keeps the flag";

  worker_.blastDotUnderscoreFiles(FolderItem(e));

  EXPECT_EQ(Names(e), (std::set<std::string>{"._a"}));
  EXPECT_FALSE(worker_.stopFuturermCMDs);
}

}  // namespace
