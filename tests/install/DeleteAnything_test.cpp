#include "install/DeleteAnything.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "install/ScopedStuckItem.h"
#include "support/FixtureVolume.h"
#include "support/ScopedBindMount.h"
#include "support/ScopedGestaltVersion.h"
#include "support/ScopedOpenFileLimit.h"
#include "support/ScopedTmpfs.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

const std::string kCleanupError = "0 |  | Atomnote Install cleanup error #928.";

std::string SystemName(int32_t version) { return version == kTiger ? "Tiger" : "Panther"; }

// Records the name of every item in the order deleteAnything deletes it.
class ScopedDeleteRecorder {
 public:
  ScopedDeleteRecorder() {
    SetDeleteObserverForTesting([this](const FolderItem& item) { names.push_back(item.Name()); });
  }
  ~ScopedDeleteRecorder() { SetDeleteObserverForTesting(nullptr); }
  std::vector<std::string> names;
};

void MakeFile(const fs::path& path) { WriteFileBytes(path, "note"); }

// A folder "Atomnote" holding the files a, b and c (items 1, 2 and 3).
fs::path FolderOfThree(const TempFolder& temp) {
  const fs::path folder = temp / "Atomnote";
  fs::create_directory(folder);
  for (const char* name : {"a", "b", "c"}) MakeFile(folder / name);
  return folder;
}

// ---- which method, and the order of the item-by-item delete ----

struct MethodCase {
  const char* name;
  std::optional<int32_t> systemVersion;
  std::vector<std::string> deletions;
};

class DeleteAnythingMethod : public testing::TestWithParam<MethodCase> {};

TEST_P(DeleteAnythingMethod, DeletesTheFolderInTheOrderOfItsMethod) {
  const MethodCase& c = GetParam();
  TempFolder temp;
  ScopedGestaltVersion version(c.systemVersion);
  ScopedRecordingSink sink;
  ScopedDeleteRecorder recorder;
  const fs::path folder = FolderOfThree(temp);

  deleteAnything(FolderItem(folder));

  EXPECT_EQ(recorder.names, c.deletions);
  EXPECT_FALSE(fs::exists(folder));
  EXPECT_TRUE(sink.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Systems, DeleteAnythingMethod,
                         testing::Values(MethodCase{"Tiger", kTiger, {"Atomnote"}},
                                         MethodCase{"FirstTiger", 0x1040, {"Atomnote"}},
                                         MethodCase{"Panther", kPanther, {"c", "b", "a", "Atomnote"}},
                                         MethodCase{"NoAnswer", std::nullopt, {"c", "b", "a", "Atomnote"}}),
                         [](const testing::TestParamInfo<MethodCase>& info) {
                           return std::string(info.param.name);
                         });

// ---- what goes and what stays, with either method ----

class DeleteAnythingBothMethods : public testing::TestWithParam<int32_t> {
 protected:
  ScopedGestaltVersion version_{GetParam()};
  ScopedRecordingSink sink_;
  TempFolder temp_;
};

TEST_P(DeleteAnythingBothMethods, DeletesAFile) {
  MakeFile(temp_ / "main.linx");
  EXPECT_TRUE(deleteAnything(FolderItem(temp_ / "main.linx")));
  EXPECT_FALSE(fs::exists(temp_ / "main.linx"));
  EXPECT_TRUE(sink_.messages().empty());
}

TEST_P(DeleteAnythingBothMethods, DeletesAFolderWithEverythingInIt) {
  fs::create_directories(temp_ / "Atomnote" / "e" / "deeper");
  MakeFile(temp_ / "Atomnote" / "index.linx");
  MakeFile(temp_ / "Atomnote" / "e" / "H");
  MakeFile(temp_ / "Atomnote" / "e" / ".hidden");
  MakeFile(temp_ / "Atomnote" / "e" / "deeper" / "mine");
  MakeFile(temp_ / "beside");

  EXPECT_TRUE(deleteAnything(FolderItem(temp_ / "Atomnote")));

  EXPECT_EQ(TreeListing(temp_.path()), std::vector<std::string>{"beside"});
  EXPECT_TRUE(sink_.messages().empty());
}

// A link inside the folder (or the item itself being a link) goes, never what it points to.
TEST_P(DeleteAnythingBothMethods, DeletesLinksNotWhatTheyPointTo) {
  fs::create_directories(temp_ / "elsewhere" / "keep");
  MakeFile(temp_ / "elsewhere" / "keep" / "precious");
  fs::create_directory(temp_ / "Atomnote");
  fs::create_directory_symlink(temp_ / "elsewhere", temp_ / "Atomnote" / "e");
  fs::create_symlink(temp_ / "elsewhere" / "keep" / "precious", temp_ / "Atomnote" / "link");
  fs::create_directory_symlink(temp_ / "elsewhere" / "keep", temp_ / "t");

  deleteAnything(FolderItem(temp_ / "Atomnote"));
  deleteAnything(FolderItem(temp_ / "t"));

  EXPECT_EQ(TreeListing(temp_.path()),
            (std::vector<std::string>{"elsewhere/", "elsewhere/keep/", "elsewhere/keep/precious"}));
  EXPECT_TRUE(sink_.messages().empty());
}

// A wide tree is deleted with few files open at a time: a folder lets go of its descriptor once
// it has been emptied, so a person's folder of many folders inside the notes goes whole.
TEST_P(DeleteAnythingBothMethods, DeletesAWideTreeWithFewFilesOpen) {
  for (int i = 0; i < 200; ++i) {
    const fs::path folder = temp_ / "Atomnote" / "My Notes" / std::to_string(i);
    fs::create_directories(folder);
    MakeFile(folder / "note");
  }
  {
    const ScopedOpenFileLimit limit(20);
    EXPECT_TRUE(deleteAnything(FolderItem(temp_ / "Atomnote")));
  }
  EXPECT_FALSE(fs::exists(temp_ / "Atomnote"));
  EXPECT_TRUE(sink_.messages().empty());
}

// A delete that does not happen is reported, never taken for a success.
TEST_P(DeleteAnythingBothMethods, ReportsAnItemThatCannotBeDeleted) {
  EXPECT_FALSE(deleteAnything(FolderItem(temp_ / "gone")));
  EXPECT_FALSE(deleteAnything(FolderItem()));
  EXPECT_EQ(MessageTexts(sink_), (std::vector<std::string>{kCleanupError, kCleanupError}));
}

// A mount inside the tree is not entered: it is one item that cannot be deleted (one report),
// nothing on it goes, and everything else does. The mount itself is left where it is too. That
// holds for another volume mounted there, and for a folder of the person's on the same volume
// bound there.
TEST_P(DeleteAnythingBothMethods, StaysOnTheVolumeItStartedOn) {
  const fs::path mountFolder = temp_ / "Atomnote" / "e" / "mine";
  fs::create_directories(temp_ / "Atomnote" / "e");
  MakeFile(temp_ / "Atomnote" / "index.linx");
  MakeFile(temp_ / "Atomnote" / "e" / "H");
  const std::vector<std::string> atomnoteLeft = {"Atomnote/", "Atomnote/e/", "Atomnote/e/mine/",
                                                 "Atomnote/e/mine/diary"};
  struct Case {
    const char* name;
    std::function<std::optional<std::string>()> mount;  // the reason to skip when it cannot
    std::vector<std::string> left;
  };
  std::optional<ScopedTmpfs> volume;
  std::optional<ScopedBindMount> bound;
  const Case cases[] = {
      {"another volume",
       [&] {
         volume.emplace(mountFolder, 64 * 1024);
         return volume->mounted() ? std::nullopt : std::optional(volume->skipReason());
       },
       atomnoteLeft},
      {"a folder of this volume",
       [&] {
         fs::create_directory(temp_ / "Recipes");
         bound.emplace(temp_ / "Recipes", mountFolder);
         return bound->mounted() ? std::nullopt : std::optional(bound->skipReason());
       },
       {"Atomnote/", "Atomnote/e/", "Atomnote/e/mine/", "Atomnote/e/mine/diary", "Recipes/",
        "Recipes/diary"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (const std::optional<std::string> skip = c.mount()) GTEST_SKIP() << *skip;
    MakeFile(mountFolder / "diary");
    for (const FolderItem& item : {FolderItem(temp_ / "Atomnote"), FolderItem(mountFolder)}) {
      SCOPED_TRACE(item.ShellPath());
      const std::size_t shownBefore = sink_.messages().size();

      EXPECT_FALSE(deleteAnything(item));

      EXPECT_EQ(sink_.messages().size(), shownBefore + 1);
      EXPECT_EQ(TreeListing(temp_.path()), c.left);
    }
    EXPECT_EQ(ReadFileBytes(mountFolder / "diary"), "note");
    volume.reset();
    bound.reset();
    fs::remove_all(temp_ / "Recipes");
  }
}

INSTANTIATE_TEST_SUITE_P(Systems, DeleteAnythingBothMethods, testing::Values(kTiger, kPanther),
                         [](const testing::TestParamInfo<int32_t>& info) { return SystemName(info.param); });

// ---- failures: one message per failing call, everything else still goes ----

// The tree of the folder "Atomnote" that the failure cases delete.
const std::vector<std::string> kAtomnoteTree = {"a", "b", "c", "e/", "e/H", "e/deeper/", "e/deeper/mine"};

struct StuckCase {
  const char* name;
  const char* stuck;  // inside "Atomnote"; "" for the folder itself
  std::vector<std::string> left;
};

// The item that cannot be deleted stays, as a folder holding the note that kept it; the folders
// above it cannot be emptied, which is the same failure and is told once with it.
const StuckCase kStuckCases[] = {
    {"FileAmongSiblings", "b", {"b/", "b/arrived"}},
    {"FileDeepDown", "e/deeper/mine", {"e/", "e/deeper/", "e/deeper/mine/", "e/deeper/mine/arrived"}},
    {"FolderThatFillsAgain", "e", {"e/", "e/arrived"}},
    {"TheFolderItself", "", {"arrived"}},
};

void PrintTo(const StuckCase& c, std::ostream* out) { *out << c.name; }

class DeleteAnythingStuck : public testing::TestWithParam<std::tuple<int32_t, StuckCase>> {};

TEST_P(DeleteAnythingStuck, DeletesEverythingElseAndTellsTheFailureOnce) {
  const auto& [systemVersion, c] = GetParam();
  TempFolder temp;
  ScopedGestaltVersion version(systemVersion);
  ScopedRecordingSink sink;
  const fs::path folder = temp / "Atomnote";
  fs::create_directory(folder);
  for (const std::string& item : kAtomnoteTree) {
    if (item.ends_with("/")) {
      fs::create_directories(folder / item);
    } else {
      MakeFile(folder / item);
    }
  }
  ScopedStuckItem stuck(std::string(c.stuck).empty() ? folder : folder / c.stuck);

  ASSERT_EQ(TreeListing(folder), kAtomnoteTree);

  deleteAnything(FolderItem(folder));

  EXPECT_EQ(TreeListing(folder), c.left);
  EXPECT_EQ(MessageTexts(sink), std::vector<std::string>{kCleanupError});
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteAnythingStuck,
                         testing::Combine(testing::Values(kTiger, kPanther), testing::ValuesIn(kStuckCases)),
                         [](const testing::TestParamInfo<std::tuple<int32_t, StuckCase>>& info) {
                           return SystemName(std::get<0>(info.param)) + std::get<1>(info.param).name;
                         });

}  // namespace
