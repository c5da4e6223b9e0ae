#include "install/DeleteAnything.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/FixtureVolume.h"
#include "support/ScopedGestaltVersion.h"
#include "support/ScopedImmutableFile.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

const char* const kCleanupError = "Atomnote Install cleanup error #928.";

constexpr int32_t kTiger = 0x1049;    // 10.4.9: a folder goes in one operation
constexpr int32_t kPanther = 0x1039;  // 10.3.9: item by item

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

int CleanupErrors(const ScopedRecordingSink& sink) {
  int count = 0;
  for (const MessageBoxRecord& message : sink.messages()) {
    EXPECT_EQ(message.text, kCleanupError);
    EXPECT_EQ(message.icon, 0);
    EXPECT_EQ(message.title, "");
    ++count;
  }
  return count;
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
  deleteAnything(FolderItem(temp_ / "main.linx"));
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

  deleteAnything(FolderItem(temp_ / "Atomnote"));

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

// A delete that does not happen is reported, never taken for a success.
TEST_P(DeleteAnythingBothMethods, ReportsAnItemThatCannotBeDeleted) {
  deleteAnything(FolderItem(temp_ / "gone"));
  deleteAnything(FolderItem());
  EXPECT_EQ(CleanupErrors(sink_), 2);
}

INSTANTIATE_TEST_SUITE_P(Systems, DeleteAnythingBothMethods, testing::Values(kTiger, kPanther),
                         [](const testing::TestParamInfo<int32_t>& info) {
                           return info.param == kTiger ? std::string("Tiger") : std::string("Panther");
                         });

// ---- failures: one message per failing item, the rest still goes ----

TEST(DeleteAnythingFailure, AFailingItemDoesNotStopItsSiblings) {
  TempFolder temp;
  ScopedGestaltVersion version(kPanther);
  ScopedRecordingSink sink;
  const fs::path folder = FolderOfThree(temp);
  ScopedImmutableFile stuck(folder / "b");
  if (!stuck.applied()) GTEST_SKIP() << "this file system keeps no immutable flag";
  ScopedDeleteRecorder recorder;

  deleteAnything(FolderItem(folder));

  EXPECT_EQ(recorder.names, (std::vector<std::string>{"c", "b", "a", "Atomnote"}));
  EXPECT_EQ(TreeListing(folder), std::vector<std::string>{"b"});
  EXPECT_EQ(CleanupErrors(sink), 1);
}

// The folders above a failing item cannot be emptied either; that is the same failure, told once.
TEST(DeleteAnythingFailure, AFailureDeepDownIsToldOnce) {
  TempFolder temp;
  ScopedGestaltVersion version(kPanther);
  ScopedRecordingSink sink;
  const fs::path folder = temp / "Atomnote";
  fs::create_directories(folder / "e" / "deeper");
  MakeFile(folder / "index.linx");
  MakeFile(folder / "e" / "H");
  MakeFile(folder / "e" / "deeper" / "stuck");
  ScopedImmutableFile stuck(folder / "e" / "deeper" / "stuck");
  if (!stuck.applied()) GTEST_SKIP() << "this file system keeps no immutable flag";

  deleteAnything(FolderItem(folder));

  EXPECT_EQ(TreeListing(folder), (std::vector<std::string>{"e/", "e/deeper/", "e/deeper/stuck"}));
  EXPECT_EQ(CleanupErrors(sink), 1);
}

TEST(DeleteAnythingFailure, AFolderThatCannotBeRemovedInOneOperationIsReported) {
  TempFolder temp;
  ScopedGestaltVersion version(kTiger);
  ScopedRecordingSink sink;
  const fs::path folder = FolderOfThree(temp);
  ScopedImmutableFile stuck(folder / "b");
  if (!stuck.applied()) GTEST_SKIP() << "this file system keeps no immutable flag";

  deleteAnything(FolderItem(folder));

  EXPECT_TRUE(fs::exists(folder / "b"));
  EXPECT_EQ(CleanupErrors(sink), 1);
}

}  // namespace
