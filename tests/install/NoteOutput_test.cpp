#include "install/NoteOutput.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>

#include "framework/Exceptions.h"
#include "framework/FolderItem.h"
#include "install/InstallTestSupport.h"
#include "install/InstallerWindow.h"
#include "support/ScopedBindMount.h"
#include "support/ScopedTmpfs.h"

namespace fs = std::filesystem;

namespace {

class NoteOutputTest : public ::testing::Test {
 protected:
  TempFolder temp_;
  FolderItem folder_{temp_.path()};
};

// Texts go out byte for byte: UTF-8 literals, CR breaks inside a line, and one LF only where a
// line is ended.
TEST_F(NoteOutputTest, WritesTextsAsTheyAre) {
  TextOutputStream note = CreateNote(folder_, "note");
  const InstallerWindow window;
  window.uniWriteLn("• Δ ˚ ³ Å Ω π", note);
  window.uniWriteLn("first\rsecond", note);
  window.uniWrite("no line end", note);
  uniWriteLn("", note);
  uniWrite("last", note);
  note.Close();
  EXPECT_EQ(ReadFileBytes(temp_ / "note"), "• Δ ˚ ³ Å Ω π\nfirst\rsecond\nno line end\nlast");
}

TEST_F(NoteOutputTest, RefusesANilStream) {
  TextOutputStream nil;
  const InstallerWindow window;
  EXPECT_THROW(uniWriteLn("text", nil), NilObjectException);
  EXPECT_THROW(uniWrite("text", nil), NilObjectException);
  EXPECT_THROW(window.uniWriteLn("text", nil), NilObjectException);
  EXPECT_THROW(window.uniWrite("text", nil), NilObjectException);
}

// A new note has its creator code and no file type; the rights notice has its own code.
TEST_F(NoteOutputTest, CreatesNotesWithTheirCreatorCode) {
  CreateNote(folder_, "menu.linx").Close();
  CreateNote(folder_, "License Note.txt", kRightsNoticeCreator).Close();
  EXPECT_EQ(folder_.Child("menu.linx").MacCreator(), "vølk");
  EXPECT_EQ(folder_.Child("License Note.txt").MacCreator(), "!Rch");
  EXPECT_EQ(folder_.Child("menu.linx").MacType(), "");
  EXPECT_EQ(ReadFileBytes(temp_ / "menu.linx"), "");
}

// When a folder already holds the note's name there is no stream, and the folder is not given
// the note's creator code.
TEST_F(NoteOutputTest, LeavesAnItemInTheWayAsItWas) {
  fs::create_directory(temp_ / "about.linx");
  TextOutputStream note = CreateNote(folder_, "about.linx");
  EXPECT_TRUE(note.IsNil());
  EXPECT_EQ(folder_.Child("about.linx").MacCreator(), "");
  EXPECT_THROW(uniWriteLn("<TITLE>About</TITLE>", note), NilObjectException);
}

// A link where a note would go sends nothing anywhere: not a link with the note's name, not a
// folder that is a link, not a folder below one. What they point to stays as it was.
TEST_F(NoteOutputTest, IsNeverCreatedThroughALink) {
  const fs::path outside = temp_ / "outside";
  fs::create_directory(outside);
  WriteFileBytes(outside / "own", "mine");
  fs::create_directory(outside / "sub");
  fs::create_directory(temp_ / "Notes");
  fs::create_symlink(outside / "own", temp_ / "Notes" / "alpha.linx");
  fs::create_symlink(outside, temp_ / "Notes" / "h");
  const std::map<std::string, std::string> before = TreeContents(outside);
  struct Case {
    FolderItem folder;
    const char* name;
  };
  const FolderItem notes(temp_ / "Notes");
  const Case cases[] = {
      {notes, "alpha.linx"},
      {notes.Child("h"), "glossary.linx"},
      {notes.Child("h"), "own"},
      {notes.Child("h").Child("sub"), "term"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder.Child(c.name).ShellPath());
    TextOutputStream note = CreateNote(c.folder, c.name);
    EXPECT_TRUE(note.IsNil());
    EXPECT_THROW(uniWriteLn("<TITLE>Alphabetical</TITLE>", note), NilObjectException);
  }
  EXPECT_EQ(TreeContents(outside), before);
}

// A mount inside the tree (one the clean-up could not delete) is not the iPod's: no note goes into
// a volume mounted on a folder, nor into a folder of the person's bound there, nor onto a file
// bound where the note would go. What they hold stays as it was.
TEST_F(NoteOutputTest, IsNeverCreatedOnAMountInsideTheTree) {
  const fs::path notes = temp_ / "Notes";
  fs::create_directories(notes / "Recipes");
  WriteFileBytes(notes / "Recipes" / "soup", "mine");
  WriteFileBytes(notes / "alpha.linx", "");
  const ScopedTmpfs volume(notes / "h", 64 * 1024);
  if (!volume.mounted()) GTEST_SKIP() << volume.skipReason();
  WriteFileBytes(notes / "h" / "glossary.linx", "mine");
  const ScopedBindMount folder(notes / "Recipes", notes / "e");
  if (!folder.mounted()) GTEST_SKIP() << folder.skipReason();
  const ScopedBindMount file(notes / "Recipes" / "soup", notes / "alpha.linx");
  if (!file.mounted()) GTEST_SKIP() << file.skipReason();
  const std::map<std::string, std::string> before = TreeContents(notes);
  const std::pair<const char*, const char*> cases[] = {{"h", "glossary.linx"}, {"e", "soup"}, {"e", "H"}};
  for (const auto& [folderName, name] : cases) {
    SCOPED_TRACE(std::string(folderName) + "/" + name);
    EXPECT_TRUE(CreateNote(FolderItem(notes / folderName), name).IsNil());
  }
  EXPECT_TRUE(CreateNote(FolderItem(notes), "alpha.linx").IsNil());
  EXPECT_EQ(TreeContents(notes), before);
}

TEST(NoteTextTest, FormatsAtomicNumbersInThreeColumns) {
  const InstallerWindow window;
  const std::pair<int, const char*> cases[] = {
      {1, "  1 hydrogen"},  {9, "  9 hydrogen"},   {10, " 10 hydrogen"},
      {99, " 99 hydrogen"}, {100, "100 hydrogen"},
  };
  for (const auto& [n, expected] : cases) EXPECT_EQ(window.formatAtNumber("hydrogen", n), expected) << n;
}

TEST(NoteTextTest, BuildsMenuReferencesForEachMode) {
  LoadShippedDataOnce();
  const InstallerWindow window;
  StringArray names(110);
  names(0) = "hydrogen";
  names(110) = "element 111";
  for (bool monopolize : {true, false}) {
    SCOPED_TRACE(monopolize);
    ApplyInstallChoices({.monopolize = monopolize});
    const std::string folder = monopolize ? "/e/" : "/Atomnote/e/";
    EXPECT_EQ(window.deepReferencer(1, names), "<A HREF=\"" + folder + "H\">hydrogen</A>");
    EXPECT_EQ(window.deepReferencer(111, names),
              "<A HREF=\"" + folder + eGeneral(110, 1) + "\">element 111</A>");
    EXPECT_EQ(window.deepMenuReference(),
              monopolize ? "<A HREF=\"/alpha.linx\">" : "<A HREF=\"/main.linx\">");
  }
  ResetPreferenceGlobals();
}

}  // namespace
