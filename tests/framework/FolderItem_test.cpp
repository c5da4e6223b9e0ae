#include "framework/FolderItem.h"

#include <gtest/gtest.h>
#include <linux/msdos_fs.h>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "framework/Exceptions.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"
#include "support/FatImage.h"
#include "support/ScopedTmpfs.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> NamesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// ---- nil items ----

TEST(FolderItemNil, EveryOperationRaises) {
  TempFolder temp;
  const FolderItem nil;
  const FolderItem real(temp.path());
  const std::vector<std::pair<std::string, std::function<void()>>> operations = {
      {"Child", [&] { nil.Child("x"); }},
      {"Parent", [&] { nil.Parent(); }},
      {"Exists", [&] { nil.Exists(); }},
      {"Directory", [&] { nil.Directory(); }},
      {"IsReadable", [&] { nil.IsReadable(); }},
      {"IsWriteable", [&] { nil.IsWriteable(); }},
      {"Visible", [&] { nil.Visible(); }},
      {"SetVisible", [&] { nil.SetVisible(false); }},
      {"Name", [&] { nil.Name(); }},
      {"ShellPath", [&] { nil.ShellPath(); }},
      {"Path", [&] { nil.Path(); }},
      {"CreateAsFolder", [&] { nil.CreateAsFolder(); }},
      {"CreateTextFile", [&] { nil.CreateTextFile(); }},
      {"OpenAsTextFile", [&] { nil.OpenAsTextFile(); }},
      {"MacType", [&] { nil.MacType(); }},
      {"MacCreator", [&] { nil.MacCreator(); }},
      {"SetMacType", [&] { nil.SetMacType("TEXT"); }},
      {"SetMacCreator", [&] { nil.SetMacCreator("TEXT"); }},
      {"CopyFileTo", [&] { nil.CopyFileTo(real); }},
      {"CopyFileTo a nil destination", [&] { real.CopyFileTo(nil); }},
      {"Delete", [&] { nil.Delete(); }},
      {"MoveFileTo", [&] { nil.MoveFileTo(real); }},
      {"MoveFileTo a nil destination", [&] { real.MoveFileTo(nil); }},
      {"Count", [&] { nil.Count(); }},
      {"Item", [&] { nil.Item(1); }},
  };
  EXPECT_TRUE(nil.IsNil());
  for (const auto& [name, operation] : operations) {
    SCOPED_TRACE(name);
    EXPECT_THROW(operation(), NilObjectException);
  }
}

TEST(FolderItemNil, EmptyPathIsNil) { EXPECT_TRUE(FolderItem(fs::path()).IsNil()); }

// ---- paths and names ----

TEST(FolderItemPath, ChildAndParentNameItemsWhetherOrNotTheyExist) {
  TempFolder temp;
  const FolderItem folder(temp.path());
  const FolderItem child = folder.Child("missing").Child("deeper.txt");
  EXPECT_EQ(child.ShellPath(), (temp / "missing" / "deeper.txt").string());
  EXPECT_EQ(child.Name(), "deeper.txt");
  EXPECT_EQ(child.Parent().Parent().ShellPath(), folder.ShellPath());
  EXPECT_FALSE(child.Exists());
}

TEST(FolderItemPath, PathsAreAbsoluteWithoutTrailingSeparator) {
  TempFolder temp;
  EXPECT_EQ(FolderItem(temp.path().string() + "/sub/").ShellPath(), (temp / "sub").string());
  EXPECT_EQ(FolderItem(temp.path().string() + "/sub/").Name(), "sub");
  EXPECT_EQ(FolderItem("relative").ShellPath(), (fs::current_path() / "relative").string());
}

TEST(FolderItemPath, RootHasNoParentAndNoName) {
  const FolderItem root("/");
  EXPECT_EQ(root.ShellPath(), "/");
  EXPECT_EQ(root.Name(), "");
  EXPECT_TRUE(root.Parent().IsNil());
  EXPECT_EQ(FolderItem("/top").Parent().ShellPath(), "/");
}

TEST(FolderItemPath, ChildStaysInsideItsFolder) {
  TempFolder temp;
  const FolderItem folder(temp.path());
  for (const std::string name : {"", ".", ".."}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(folder.Child(name).IsNil());
  }
  EXPECT_TRUE(folder.Child(std::string("a\0b", 3)).IsNil());
  const std::vector<std::pair<std::string, std::string>> stored = {
      {"Mass/Weight", "Mass:Weight"}, {"../escape", "..:escape"}, {"/etc", ":etc"}};
  for (const auto& [name, onDisk] : stored) {
    SCOPED_TRACE(name);
    const FolderItem child = folder.Child(name);
    EXPECT_EQ(child.Name(), onDisk);
    EXPECT_EQ(child.Parent().ShellPath(), folder.ShellPath());
  }
}

// ---- what is on disk ----

// A folder holding a file, a folder, links to each, a dangling link and nothing called "missing".
class FolderItemKindsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(temp_ / "file", "text");
    fs::create_directory(temp_ / "folder");
    fs::create_symlink(temp_ / "folder", temp_ / "link-to-folder");
    fs::create_symlink(temp_ / "file", temp_ / "link-to-file");
    fs::create_symlink(temp_ / "nowhere", temp_ / "dangling-link");
  }
  FolderItem Item(const std::string& name) const { return FolderItem(temp_.path()).Child(name); }

  TempFolder temp_;
};

TEST_F(FolderItemKindsTest, ExistsAndDirectory) {
  struct Case {
    std::string name;
    bool exists;
    bool directory;
  };
  const std::vector<Case> cases = {
      {"file", true, false},         {"folder", true, true},         {"link-to-folder", true, true},
      {"link-to-file", true, false}, {"dangling-link", true, false}, {"missing", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Item(c.name).Exists(), c.exists);
    EXPECT_EQ(Item(c.name).Directory(), c.directory);
  }
}

TEST_F(FolderItemKindsTest, ReadableAndWriteable) {
  struct Case {
    FolderItem item;
    bool readable;
    bool writeable;
  };
  const std::vector<Case> cases = {
      {Item("file"), true, true},
      {Item("folder"), true, true},
      {Item("missing"), false, true},
      {Item("missing").Child("inside"), false, false},
      {Item("file").Child("under-a-file"), false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item.ShellPath());
    EXPECT_EQ(c.item.IsReadable(), c.readable);
    EXPECT_EQ(c.item.IsWriteable(), c.writeable);
  }
}

TEST_F(FolderItemKindsTest, NamesStartingWithADotAreInvisible) {
  WriteFileBytes(temp_ / ".hidden", "");
  EXPECT_FALSE(Item(".hidden").Visible());
  EXPECT_FALSE(Item("._file").Visible());
  EXPECT_TRUE(Item("file").Visible());
  EXPECT_TRUE(Item("folder").Visible());
}

// ---- creating ----

TEST_F(FolderItemKindsTest, CreateAsFolder) {
  struct Case {
    FolderItem item;
    bool created;
    int error;
  };
  const std::vector<Case> cases = {
      {Item("new"), true, 0},
      {Item("folder"), false, EEXIST},
      {Item("file"), false, EEXIST},
      {Item("missing").Child("new"), false, ENOENT},
      {Item("file").Child("new"), false, ENOTDIR},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item.ShellPath());
    EXPECT_EQ(c.item.CreateAsFolder(), c.created);
    EXPECT_EQ(c.item.LastErrorCode(), c.error);
  }
  EXPECT_TRUE(Item("new").Directory());
}

TEST_F(FolderItemKindsTest, LastErrorCodeClearsAfterASuccess) {
  const FolderItem item = Item("missing").Child("new");
  EXPECT_FALSE(item.CreateAsFolder());
  EXPECT_EQ(item.LastErrorCode(), ENOENT);
  ASSERT_TRUE(Item("missing").CreateAsFolder());
  EXPECT_TRUE(item.CreateAsFolder());
  EXPECT_EQ(item.LastErrorCode(), 0);
}

TEST_F(FolderItemKindsTest, CreateTextFileCreatesOrTruncates) {
  for (const std::string name : {"new.txt", "file"}) {
    SCOPED_TRACE(name);
    TextOutputStream out = Item(name).CreateTextFile();
    ASSERT_FALSE(out.IsNil());
    out.WriteLine("written");
    out.Close();
    EXPECT_EQ(ReadFileBytes(temp_ / name), "written\n");
  }
}

// A link with the file's name is never written through, whatever it points to: its target stays
// as it was and a dangling link's target is not made.
TEST_F(FolderItemKindsTest, CreateTextFileFailuresGiveANilStream) {
  const std::vector<std::pair<FolderItem, int>> cases = {
      {Item("file").Child("under-a-file"), ENOTDIR},
      {Item("missing").Child("new.txt"), ENOENT},
      {Item("folder"), EISDIR},
      {Item("link-to-file"), ELOOP},
      {Item("dangling-link"), ELOOP},
      {Item("link-to-folder"), ELOOP},
  };
  for (const auto& [item, error] : cases) {
    SCOPED_TRACE(item.ShellPath());
    EXPECT_TRUE(item.CreateTextFile().IsNil());
    EXPECT_EQ(item.LastErrorCode(), error);
  }
  EXPECT_EQ(ReadFileBytes(temp_ / "file"), "text");
  EXPECT_FALSE(fs::exists(temp_ / "nowhere"));
  EXPECT_TRUE(fs::is_empty(temp_ / "folder"));
}

TEST_F(FolderItemKindsTest, OpenAsTextFile) {
  TextInputStream in = Item("link-to-file").OpenAsTextFile();
  ASSERT_FALSE(in.IsNil());
  EXPECT_EQ(in.ReadAll(), "text");
  const std::vector<std::pair<FolderItem, int>> failures = {
      {Item("folder"), EISDIR}, {Item("missing"), ENOENT}, {Item("dangling-link"), ENOENT}};
  for (const auto& [item, error] : failures) {
    SCOPED_TRACE(item.ShellPath());
    EXPECT_TRUE(item.OpenAsTextFile().IsNil());
    EXPECT_EQ(item.LastErrorCode(), error);
  }
}

// ---- copying, deleting, moving ----

class FolderItemCopyTest : public FolderItemKindsTest {
 protected:
  void SetUp() override {
    FolderItemKindsTest::SetUp();
    // Larger than one piece of the copy, with bytes a text copy could alter.
    for (int i = 0; i < 70000; ++i) content_ += static_cast<char>(i % 256);
    WriteFileBytes(temp_ / "source.bin", content_);
    fs::create_directory(temp_ / "destination");
  }

  std::string content_;
};

TEST_F(FolderItemCopyTest, IntoAFolderKeepsTheName) {
  EXPECT_TRUE(Item("source.bin").CopyFileTo(Item("destination")));
  EXPECT_EQ(ReadFileBytes(temp_ / "destination" / "source.bin"), content_);
  EXPECT_EQ(NamesIn(temp_ / "destination"), std::vector<std::string>{"source.bin"});
}

TEST_F(FolderItemCopyTest, OntoAPathReplacingAnyFileThere) {
  WriteFileBytes(temp_ / "destination" / "old.bin", "old");
  for (const std::string name : {"new.bin", "old.bin"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(Item("source.bin").CopyFileTo(Item("destination").Child(name)));
    EXPECT_EQ(ReadFileBytes(temp_ / "destination" / name), content_);
  }
  EXPECT_EQ(NamesIn(temp_ / "destination"), (std::vector<std::string>{"new.bin", "old.bin"}));
}

// A link where the copy goes is replaced by the copy; what it points to is left alone.
TEST_F(FolderItemCopyTest, ALinkAtTheDestinationIsReplacedNotFollowed) {
  for (const std::string link : {"link-to-folder", "link-to-file", "dangling-link"}) {
    SCOPED_TRACE(link);
    EXPECT_TRUE(Item("source.bin").CopyFileTo(Item(link)));
    EXPECT_FALSE(fs::is_symlink(temp_ / link));
    EXPECT_EQ(ReadFileBytes(temp_ / link), content_);
  }
  EXPECT_TRUE(fs::is_empty(temp_ / "folder"));
  EXPECT_EQ(ReadFileBytes(temp_ / "file"), "text");
  EXPECT_FALSE(fs::exists(temp_ / "nowhere"));
}

TEST_F(FolderItemCopyTest, KeepsThePermissionBits) {
  fs::permissions(temp_ / "source.bin", fs::perms(0750));
  ASSERT_TRUE(Item("source.bin").CopyFileTo(Item("destination")));
  EXPECT_EQ(fs::status(temp_ / "destination" / "source.bin").permissions(), fs::perms(0750));
}

TEST_F(FolderItemCopyTest, OntoItselfKeepsTheContent) {
  EXPECT_TRUE(Item("source.bin").CopyFileTo(FolderItem(temp_.path())));
  EXPECT_EQ(ReadFileBytes(temp_ / "source.bin"), content_);
}

TEST_F(FolderItemCopyTest, FailuresLeaveTheDestinationAsItWas) {
  WriteFileBytes(temp_ / "destination" / "old.bin", "old");
  struct Case {
    FolderItem source;
    FolderItem destination;
    int error;
  };
  const std::vector<Case> cases = {
      {Item("missing"), Item("destination"), ENOENT},
      {Item("folder"), Item("destination"), EISDIR},
      {Item("source.bin"), Item("missing").Child("copy.bin"), ENOENT},
      {Item("source.bin"), Item("file").Child("copy.bin"), ENOTDIR},
      {Item("source.bin"), Item("destination").Child("old.bin").Child("x"), ENOTDIR},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source.Name() + " to " + c.destination.ShellPath());
    EXPECT_FALSE(c.source.CopyFileTo(c.destination));
    EXPECT_EQ(c.source.LastErrorCode(), c.error);
  }
  EXPECT_EQ(NamesIn(temp_ / "destination"), std::vector<std::string>{"old.bin"});
  EXPECT_EQ(ReadFileBytes(temp_ / "destination" / "old.bin"), "old");
}

TEST_F(FolderItemCopyTest, ACopyFailingPartWayKeepsTheOldFile) {
  WriteFileBytes(temp_ / "destination" / "source.bin", "old");
  bool copied = true;
  int error = 0;
  {
    ScopedFileSizeLimit limit(10000);
    const FolderItem source = Item("source.bin");
    copied = source.CopyFileTo(Item("destination"));
    error = source.LastErrorCode();
  }
  EXPECT_FALSE(copied);
  EXPECT_EQ(error, EFBIG);
  EXPECT_EQ(NamesIn(temp_ / "destination"), std::vector<std::string>{"source.bin"});
  EXPECT_EQ(ReadFileBytes(temp_ / "destination" / "source.bin"), "old");
}

TEST_F(FolderItemKindsTest, DeleteRemovesAFileOrAnEmptyFolder) {
  fs::create_directory(temp_ / "empty");
  WriteFileBytes(temp_ / "folder" / "inside", "");
  struct Case {
    std::string name;
    bool deleted;
    int error;
  };
  const std::vector<Case> cases = {
      {"file", true, 0},           {"empty", true, 0},         {"folder", false, ENOTEMPTY},
      {"link-to-folder", true, 0}, {"dangling-link", true, 0}, {"missing", false, ENOENT},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FolderItem item = Item(c.name);
    EXPECT_EQ(item.Delete(), c.deleted);
    EXPECT_EQ(item.LastErrorCode(), c.error);
    EXPECT_FALSE(c.deleted && fs::exists(fs::symlink_status(temp_ / c.name)));
  }
  // Deleting the link left the folder it pointed to.
  EXPECT_TRUE(fs::exists(temp_ / "folder" / "inside"));
}

TEST_F(FolderItemKindsTest, MoveFileToReplacesTheDestination) {
  WriteFileBytes(temp_ / "old", "old");
  EXPECT_TRUE(Item("file").MoveFileTo(Item("old")));
  EXPECT_EQ(ReadFileBytes(temp_ / "old"), "text");
  EXPECT_FALSE(fs::exists(temp_ / "file"));
}

TEST_F(FolderItemKindsTest, MoveFileToFailuresKeepTheSource) {
  const std::vector<std::pair<FolderItem, int>> cases = {
      {Item("file").Child("under-a-file"), ENOTDIR},
      {Item("missing").Child("moved"), ENOENT},
  };
  for (const auto& [destination, error] : cases) {
    SCOPED_TRACE(destination.ShellPath());
    const FolderItem source = Item("file");
    EXPECT_FALSE(source.MoveFileTo(destination));
    EXPECT_EQ(source.LastErrorCode(), error);
    EXPECT_EQ(ReadFileBytes(temp_ / "file"), "text");
  }
  const FolderItem missing = Item("missing");
  EXPECT_FALSE(missing.MoveFileTo(Item("elsewhere")));
  EXPECT_EQ(missing.LastErrorCode(), ENOENT);
}

// ---- folder contents ----

TEST(FolderItemContents, ItemsAreSortedByNameBytesWithLinksUnresolved) {
  TempFolder temp;
  TempFolder elsewhere;
  for (const std::string name : {"b", "B", "a", ".hidden", "\xC3\xA9", "z"}) WriteFileBytes(temp / name, "");
  fs::create_symlink(elsewhere.path(), temp / "link");
  const FolderItem folder(temp.path());
  const std::vector<std::string> expected = {".hidden", "B", "a", "b", "link", "z", "\xC3\xA9"};
  ASSERT_EQ(folder.Count(), static_cast<int>(expected.size()));
  for (int i = 1; i <= folder.Count(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(folder.Item(i).Name(), expected[static_cast<std::size_t>(i) - 1]);
  }
  EXPECT_EQ(folder.Item(5).ShellPath(), (temp / "link").string());
  for (const int outside : {0, -1, folder.Count() + 1}) {
    SCOPED_TRACE(outside);
    EXPECT_TRUE(folder.Item(outside).IsNil());
  }
}

TEST(FolderItemContents, WhatIsNotAFolderHasNoItems) {
  TempFolder temp;
  WriteFileBytes(temp / "file", "");
  const std::vector<std::pair<FolderItem, int>> cases = {
      {FolderItem(temp / "file"), ENOTDIR},
      {FolderItem(temp / "missing"), ENOENT},
  };
  for (const auto& [item, error] : cases) {
    SCOPED_TRACE(item.ShellPath());
    EXPECT_EQ(item.Count(), 0);
    EXPECT_EQ(item.LastErrorCode(), error);
    EXPECT_TRUE(item.Item(1).IsNil());
  }
  EXPECT_EQ(FolderItem(temp.path()).Count(), 1);
}

// ---- the preferences folder ----

TEST(PreferencesFolder, FollowsXdgConfigHomeThenHome) {
  TempFolder temp;
  struct Case {
    std::string label;
    std::optional<std::string> xdg;
    std::optional<std::string> home;
    std::optional<fs::path> expected;
  };
  WriteFileBytes(temp / "a-file", "");
  const std::vector<Case> cases = {
      {"xdg, made with parents", (temp / "xdg" / "deep").string(), (temp / "home1").string(),
       temp / "xdg" / "deep"},
      {"empty xdg", "", (temp / "home2").string(), temp / "home2" / ".config"},
      {"relative xdg", "relative", (temp / "home3").string(), temp / "home3" / ".config"},
      {"home only", std::nullopt, (temp / "home4").string(), temp / "home4" / ".config"},
      {"no home", std::nullopt, std::nullopt, std::nullopt},
      {"empty home", std::nullopt, "", std::nullopt},
      {"xdg is a file", (temp / "a-file").string(), (temp / "home5").string(), std::nullopt},
      {"home is a file", std::nullopt, (temp / "a-file").string(), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ScopedEnvironment xdg("XDG_CONFIG_HOME", c.xdg);
    ScopedEnvironment home("HOME", c.home);
    const FolderItem folder = PreferencesFolder();
    ASSERT_EQ(folder.IsNil(), !c.expected.has_value());
    if (!c.expected) continue;
    EXPECT_EQ(folder.ShellPath(), c.expected->string());
    EXPECT_TRUE(folder.Directory());
    EXPECT_EQ(fs::status(*c.expected).permissions() & fs::perms::all, fs::perms::owner_all);
  }
}

TEST(PreferencesFolder, KeepsAnExistingFolderAndFollowsALinkToOne) {
  TempFolder temp;
  fs::create_directories(temp / "real");
  WriteFileBytes(temp / "real" / "prefs", "kept");
  fs::create_symlink(temp / "real", temp / "link");
  for (const std::string name : {"real", "link"}) {
    SCOPED_TRACE(name);
    ScopedEnvironment xdg("XDG_CONFIG_HOME", (temp / name).string());
    const FolderItem folder = PreferencesFolder();
    ASSERT_FALSE(folder.IsNil());
    EXPECT_EQ(folder.ShellPath(), (temp / name).string());
    EXPECT_EQ(ReadFileBytes(temp / name / "prefs"), "kept");
  }
}

// ---- FAT volumes ----

// A small FAT volume, made from an image file and loop-mounted for the test.
class FatVolumeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!volume_.mounted()) GTEST_SKIP() << volume_.skipReason();
    WriteFileBytes(volume_.root() / "NOTE.TXT", "note");
  }

  TempFolder temp_;
  FatImage volume_{temp_ / "volume"};
};

TEST_F(FatVolumeTest, DosHiddenAttributeMakesAnItemInvisible) {
  const FolderItem note(volume_.root() / "NOTE.TXT");
  EXPECT_TRUE(note.Visible());
  SetDosAttributesOf(note.Path(), DosAttributesOf(note.Path()) | ATTR_HIDDEN);
  EXPECT_FALSE(note.Visible());
}

TEST_F(FatVolumeTest, SetVisibleWritesTheDosHiddenAttribute) {
  const FolderItem note(volume_.root() / "NOTE.TXT");
  note.SetVisible(false);
  EXPECT_NE(DosAttributesOf(note.Path()) & ATTR_HIDDEN, 0u);
  EXPECT_FALSE(note.Visible());
  note.SetVisible(true);
  EXPECT_EQ(DosAttributesOf(note.Path()) & ATTR_HIDDEN, 0u);
  EXPECT_TRUE(note.Visible());
}

TEST_F(FatVolumeTest, FinderInfoIsSkippedSilently) {
  const FolderItem note(volume_.root() / "NOTE.TXT");
  note.SetMacType("TEXT");
  EXPECT_EQ(note.LastErrorCode(), 0);
  note.SetMacCreator("v\xC3\xB8lk");
  EXPECT_EQ(note.LastErrorCode(), 0);
  EXPECT_EQ(note.MacType(), "");
  EXPECT_EQ(note.MacCreator(), "");
  EXPECT_EQ(ReadFileBytes(note.Path()), "note");
}

}  // namespace
