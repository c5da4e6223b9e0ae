#include "framework/Launch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

bool WaitForFile(const fs::path& path) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (!fs::exists(path)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

class LaunchTest : public ::testing::Test {
 protected:
  // A stub helper: records that it started, waits until the test lets it go, records its end.
  fs::path WriteStubHelper() {
    const fs::path stub = temp_ / "Helper";
    WriteFileBytes(stub,
                   "#!/bin/sh\n"
                   "touch '" +
                       started_.string() +
                       "'\n"
                       "i=0\n"
                       "while [ ! -e '" +
                       release_.string() +
                       "' ] && [ $i -lt 1000 ]; do sleep 0.01; i=$((i+1)); done\n"
                       "touch '" +
                       finished_.string() + "'\n");
    fs::permissions(stub, fs::perms::owner_all);
    return stub;
  }

  TempFolder temp_;
  fs::path started_ = temp_ / "started";
  fs::path release_ = temp_ / "release";
  fs::path finished_ = temp_ / "finished";
};

TEST_F(LaunchTest, StartsTheProgramAndDoesNotWaitForIt) {
  ASSERT_TRUE(Launch(FolderItem(WriteStubHelper()), true));
  // Launch has returned while the helper still waits to be let go.
  EXPECT_FALSE(fs::exists(finished_));
  EXPECT_TRUE(WaitForFile(started_));
  WriteFileBytes(release_, "");
  EXPECT_TRUE(WaitForFile(finished_));
}

TEST_F(LaunchTest, FailsForWhatCannotBeStarted) {
  const fs::path notExecutable = temp_ / "plain";
  WriteFileBytes(notExecutable, "#!/bin/sh\ntouch '" + started_.string() + "'\n");
  fs::permissions(notExecutable, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_directory(temp_ / "Folder.app");
  const std::vector<fs::path> programs = {temp_ / "missing", notExecutable, temp_ / "Folder.app"};
  for (const fs::path& program : programs) {
    EXPECT_FALSE(Launch(FolderItem(program), true)) << program;
  }
  EXPECT_FALSE(fs::exists(started_));
}

}  // namespace
