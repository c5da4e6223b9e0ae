#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/FolderItem.h"
#include "framework/TextFunctions.h"
#include "notes/threadClass.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

class FolderPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path = temp_.path().string();
    if (path.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/.-") !=
        std::string::npos) {
      GTEST_SKIP() << "the expected paths are written for a temporary folder of letters, digits and \"-\"";
    }
    // The temporary folder's name holds "-", which the rule escapes.
    escapedTemp_ = ReplaceAll(path, "-", "\\-");
  }

  TempFolder temp_;
  std::string escapedTemp_;
  const threadClass worker_;
};

TEST_F(FolderPathTest, EscapesTheBlankOfAnIPodName) {
  fs::create_directories(temp_ / "My iPod" / "Notes");
  EXPECT_EQ(worker_.unusedFolderPath(FolderItem(temp_ / "My iPod" / "Notes")),
            escapedTemp_ + "/My\\ iPod/Notes");
}

// Letters, digits, "/" and "." stay; every other character, a whole UTF-8 character at a time,
// gets one backslash.
TEST_F(FolderPathTest, EscapesEveryOtherCharacter) {
  struct Case {
    std::string name;
    std::string escaped;
  };
  for (const Case& c :
       {Case{"Notes.v2", "Notes.v2"}, Case{"it's", "it\\'s"}, Case{"a$b", "a\\$b"},
        Case{"x-y_z", "x\\-y\\_z"}, Case{"(1)", "\\(1\\)"}, Case{"a\"b", "a\\\"b"},
        Case{"back\\slash", "back\\\\slash"}, Case{"line\nbreak", "line\\\nbreak"}, Case{"Björk", "Bj\\örk"},
        Case{"•Δ", "\\•\\Δ"}, Case{"*?[~]&;|<>#", "\\*\\?\\[\\~\\]\\&\\;\\|\\<\\>\\#"}}) {
    fs::create_directory(temp_ / c.name);
    EXPECT_EQ(worker_.unusedFolderPath(FolderItem(temp_ / c.name)), escapedTemp_ + "/" + c.escaped) << c.name;
  }
}

TEST_F(FolderPathTest, GivesNothingForANilOrMissingFolder) {
  EXPECT_EQ(worker_.unusedFolderPath(FolderItem()), "");
  EXPECT_EQ(worker_.unusedFolderPath(FolderItem(temp_ / "missing")), "");
  EXPECT_EQ(worker_.unusedFolderPath(FolderItem(temp_ / "missing" / "Notes")), "");
}

}  // namespace
