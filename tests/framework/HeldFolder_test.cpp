// Items reached through folders held open (FolderItem::Held, FolderItem::HeldVolumeRoot, and the
// HeldFolder beneath them): what they reach, what they refuse, and that a folder once opened
// stays the folder written into whatever its path leads to afterwards.
#include "framework/HeldFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "framework/FolderItem.h"
#include "framework/TextOutputStream.h"
#include "framework/Volumes.h"
#include "support/FixtureVolume.h"
#include "support/ScopedBindMount.h"
#include "support/ScopedTmpfs.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Writes text into a new note called name in folder; the errno when it could not be made.
int WriteNote(const FolderItem& folder, const std::string& name, const std::string& text) {
  const FolderItem note = folder.Child(name);
  TextOutputStream stream = note.CreateTextFile();
  if (stream.IsNil()) return note.LastErrorCode();
  stream.Write(text);
  stream.Close();
  return 0;
}

// A tree with a folder of the person's outside it, and links from the tree to it.
class HeldFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(tree_ / "folder" / "sub");
    fs::create_directories(outside_ / "sub");
    WriteFileBytes(outside_ / "own", "mine");
    fs::create_directory_symlink(outside_, tree_ / "link-to-folder");
    fs::create_symlink(outside_ / "own", tree_ / "folder" / "link-to-file");
    ASSERT_EQ(::mkfifo((tree_ / "folder" / "pipe").c_str(), 0600), 0);
    outsideBefore_ = TreeContents(outside_);
  }

  void TearDown() override { EXPECT_EQ(TreeContents(outside_), outsideBefore_) << "outside the tree"; }

  FolderItem HeldTree() const { return FolderItem(tree_).Held(); }

  TempFolder temp_;
  fs::path tree_ = temp_ / "tree";
  fs::path outside_ = temp_ / "outside";
  std::map<std::string, std::string> outsideBefore_;
};

// A note is made where its held folder is, and nowhere a link leads: not through a link to a
// folder, not below one, not onto a link with the note's name; a pipe there is refused rather
// than waited for, a folder there is left as it is.
TEST_F(HeldFolderTest, NotesAreMadeInTheFolderAndNeverThroughALink) {
  struct Case {
    const char* name;
    FolderItem folder;
    const char* note;
    int error;
  };
  const FolderItem tree = HeldTree();
  const Case cases[] = {
      {"in a folder", tree.Child("folder").Child("sub"), "H", 0},
      {"replacing a note", tree.Child("folder").Child("sub"), "H", 0},
      // A folder opened without following a link finds no folder in a link.
      {"in a link to a folder", tree.Child("link-to-folder"), "H", ENOTDIR},
      {"below a link to a folder", tree.Child("link-to-folder").Child("sub"), "H", ENOTDIR},
      {"onto a link", tree.Child("folder"), "link-to-file", ELOOP},
      // A pipe is not opened, so nothing waits for a reader.
      {"onto a pipe", tree.Child("folder"), "pipe", EINVAL},
      {"onto a folder", tree.Child("folder"), "sub", EISDIR},
      {"in a missing folder", tree.Child("missing"), "H", ENOENT},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WriteNote(c.folder, c.note, c.name), c.error);
  }
  EXPECT_EQ(ReadFileBytes(tree_ / "folder" / "sub" / "H"), "replacing a note");
  EXPECT_TRUE(fs::is_directory(tree_ / "folder" / "sub"));
}

// A plain item made held is reached from the root of the file system one folder at a time, so a
// link anywhere on its path fails it, while the same folder reached without the link works.
TEST_F(HeldFolderTest, AnItemMadeHeldIsReachedWithoutALinkOnItsPath) {
  fs::create_directory_symlink(tree_, temp_ / "up");
  EXPECT_EQ(WriteNote(FolderItem(temp_ / "up" / "folder").Held(), "H", "through a link"), ENOTDIR);
  EXPECT_EQ(WriteNote(FolderItem(tree_ / "folder").Held(), "H", "reached"), 0);
  EXPECT_EQ(ReadFileBytes(tree_ / "folder" / "H"), "reached");
}

// Once a folder of the tree has been opened, what is written through it goes into that folder,
// even after its name has been given to a link to the folder outside: the path is not asked
// again.
TEST_F(HeldFolderTest, AnOpenedFolderIsWrittenIntoWhateverItsPathLeadsToLater) {
  const FolderItem folder = HeldTree().Child("folder");
  ASSERT_EQ(WriteNote(folder, "H", "hydrogen"), 0);
  fs::rename(tree_ / "folder", tree_ / "moved");
  fs::create_directory_symlink(outside_, tree_ / "folder");

  EXPECT_EQ(WriteNote(folder, "He", "helium"), 0);
  EXPECT_TRUE(folder.Child("He").Exists());
  EXPECT_TRUE(folder.Child("H").Delete());

  EXPECT_EQ(ReadFileBytes(tree_ / "moved" / "He"), "helium");
  EXPECT_FALSE(fs::exists(tree_ / "moved" / "H"));
}

// Deleting through a held folder deletes a link itself, never what it points to, and only what
// is there: a missing item and a folder with something in it are failures.
TEST_F(HeldFolderTest, DeletesALinkItselfAndTellsWhatItCouldNotDelete) {
  const FolderItem tree = HeldTree();
  const FolderItem link = tree.Child("link-to-folder");
  EXPECT_TRUE(link.IsLink());
  EXPECT_FALSE(link.Directory());
  EXPECT_TRUE(link.Delete());
  EXPECT_FALSE(fs::exists(fs::symlink_status(tree_ / "link-to-folder")));

  const FolderItem missing = tree.Child("missing");
  EXPECT_FALSE(missing.Delete());
  EXPECT_EQ(missing.LastErrorCode(), ENOENT);
  const FolderItem folder = tree.Child("folder");
  EXPECT_FALSE(folder.Delete());
  EXPECT_EQ(folder.LastErrorCode(), ENOTEMPTY);
  EXPECT_TRUE(fs::is_directory(tree_ / "folder"));
}

// Items are listed from the folder's descriptor, sorted, links among them unresolved; a held
// folder's items are held too.
TEST_F(HeldFolderTest, ListsItsItemsFromItsDescriptor) {
  const FolderItem folder = HeldTree().Child("folder");
  std::vector<std::string> names;
  for (const FolderItem& item : folder.Items()) {
    EXPECT_TRUE(item.IsHeld());
    names.push_back(item.Name());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"link-to-file", "pipe", "sub"}));
  EXPECT_EQ(folder.Count(), 3);
  EXPECT_EQ(folder.Item(3).Name(), "sub");
  EXPECT_TRUE(HeldTree().Child("link-to-folder").Items().empty());
}

// Finder info is read and set on the item's own descriptor: through a link it is neither read
// nor set.
TEST_F(HeldFolderTest, FinderInfoIsSetOnTheItemNeverThroughALink) {
  if (!SupportsUserAttributes(temp_.path())) GTEST_SKIP() << "no user extended attributes here";
  const FolderItem folder = HeldTree().Child("folder");
  ASSERT_EQ(WriteNote(folder, "H", ""), 0);
  folder.Child("H").SetMacCreator("vølk");
  EXPECT_EQ(folder.Child("H").MacCreator(), "vølk");
  EXPECT_EQ(FolderItem(tree_ / "folder" / "H").MacCreator(), "vølk");

  const FolderItem link = folder.Child("link-to-file");
  link.SetMacCreator("vølk");
  EXPECT_EQ(link.LastErrorCode(), ELOOP);
  EXPECT_EQ(StoredFinderInfo(outside_ / "own"), "");
}

// ---- mounts ----

// Something mounted inside the tree is not the tree's: a volume mounted on a folder, a folder of
// the same volume bound there, a file bound onto a note's name. Nothing is written onto them or
// deleted from them, and a file bound where a note goes is not emptied.
TEST_F(HeldFolderTest, MountsInsideTheTreeAreNeitherWrittenNorDeleted) {
  const ScopedTmpfs volume(tree_ / "folder" / "volume", 64 * 1024);
  if (!volume.mounted()) GTEST_SKIP() << volume.skipReason();
  WriteFileBytes(tree_ / "folder" / "volume" / "mine", "mine");
  const ScopedBindMount bound(outside_ / "sub", tree_ / "folder" / "bound");
  if (!bound.mounted()) GTEST_SKIP() << bound.skipReason();
  WriteFileBytes(tree_ / "folder" / "note", "");
  const ScopedBindMount boundFile(outside_ / "own", tree_ / "folder" / "note");
  if (!boundFile.mounted()) GTEST_SKIP() << boundFile.skipReason();
  const std::map<std::string, std::string> volumeBefore = TreeContents(tree_ / "folder" / "volume");

  const FolderItem folder = HeldTree().Child("folder");
  EXPECT_EQ(WriteNote(folder.Child("volume"), "H", "hydrogen"), EXDEV);
  EXPECT_EQ(WriteNote(folder.Child("bound"), "H", "hydrogen"), EXDEV);
  EXPECT_EQ(WriteNote(folder, "note", "hydrogen"), EXDEV);
  for (const char* name : {"volume", "bound", "note"}) {
    EXPECT_FALSE(folder.Child(name).Delete()) << name;
    EXPECT_TRUE(IsMountPoint(folder.Child(name))) << name;
  }
  EXPECT_FALSE(folder.Child("volume").Child("mine").Delete());
  EXPECT_EQ(TreeContents(tree_ / "folder" / "volume"), volumeBefore);
}

// A volume's root held open is taken only on the mount the scan found, however the system reaches
// its mount folder (a link above it does not count), and every change below it asks first whether
// the volume is still mounted there: once it has been pulled out (a lazy unmount leaves its tree
// reachable from the descriptors), nothing more is made or deleted, and the bare mount folder
// left behind gets nothing.
TEST(HeldVolumeRootTest, TakesOnlyItsMountAndChangesNothingOnceItIsGone) {
  TempFolder temp;
  ScopedTmpfs volume(temp / "IPOD", 64 * 1024);
  if (!volume.mounted()) GTEST_SKIP() << volume.skipReason();
  fs::create_directory(temp / "IPOD" / "Notes");
  fs::create_directory_symlink(temp.path(), temp / "up");
  const FolderItem root(temp / "up" / "IPOD");
  const std::uint64_t mount = *MountOf(root);

  EXPECT_TRUE(FolderItem::HeldVolumeRoot(root, mount + 1).IsNil());
  EXPECT_TRUE(FolderItem::HeldVolumeRoot(FolderItem(temp.path()), mount).IsNil());
  const FolderItem notes = FolderItem::HeldVolumeRoot(root, mount).Child("Notes");
  ASSERT_FALSE(notes.IsNil());
  ASSERT_EQ(WriteNote(notes, "H", "hydrogen"), 0);
  EXPECT_TRUE(notes.VolumeStillMounted());

  volume.Unmount();

  EXPECT_FALSE(notes.VolumeStillMounted());
  EXPECT_EQ(WriteNote(notes, "He", "helium"), ENODEV);
  const FolderItem note = notes.Child("H");
  EXPECT_FALSE(note.Delete());
  EXPECT_EQ(note.LastErrorCode(), ENODEV);
  EXPECT_FALSE(notes.Child("e").CreateAsFolder());
  EXPECT_TRUE(fs::is_empty(temp / "IPOD"));
}

}  // namespace
