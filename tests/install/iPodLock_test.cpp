#include "install/iPodLock.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace fs = std::filesystem;

extern char** environ;

namespace {

// Whether another process finds the folder locked: util-linux's flock(1), which takes the same
// kind of lock, without waiting. Nullopt when it cannot be run here.
std::optional<bool> LockedForAnotherProcess(const fs::path& folder) {
  std::vector<std::string> arguments = {"flock", "--nonblock",    "--conflict-exit-code",
                                        "7",     folder.string(), "true"};
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  if (posix_spawnp(&child, "flock", nullptr, nullptr, argv.data(), environ) != 0) return std::nullopt;
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return std::nullopt;
  if (WEXITSTATUS(status) == 7) return true;
  if (WEXITSTATUS(status) == 0) return false;
  return std::nullopt;
}

class iPodLockTest : public ::testing::Test {
 protected:
  iPodLockTest() { fs::create_directory(notes_); }

  TempFolder temp_;
  fs::path notes_ = temp_ / "Notes";
};

// One holder at a time, in this program or any other; letting go frees it for the next.
TEST_F(iPodLockTest, OneHolderAtATime) {
  iPodLock first = iPodLock::Take(FolderItem(notes_));
  ASSERT_TRUE(first.IsHeld());
  EXPECT_FALSE(first.HeldElsewhere());

  const iPodLock second = iPodLock::Take(FolderItem(notes_));
  EXPECT_FALSE(second.IsHeld());
  EXPECT_TRUE(second.HeldElsewhere());
  const std::optional<bool> lockedForOthers = LockedForAnotherProcess(notes_);
  if (lockedForOthers) {
    EXPECT_TRUE(*lockedForOthers);
  }

  first.Release();
  EXPECT_FALSE(first.IsHeld());
  EXPECT_TRUE(iPodLock::Take(FolderItem(notes_)).IsHeld());
  if (lockedForOthers) {
    EXPECT_EQ(LockedForAnotherProcess(notes_), false);
  }
}

// Where nothing can be locked, nothing is held and nothing stands in the way: the install's own
// checks deal with a missing or linked Notes folder.
TEST_F(iPodLockTest, NothingToLockIsNoObstacle) {
  fs::create_directory_symlink(notes_, temp_ / "link");
  for (const fs::path& folder : {temp_ / "missing", temp_ / "link"}) {
    SCOPED_TRACE(folder);
    const iPodLock lock = iPodLock::Take(FolderItem(folder));
    EXPECT_FALSE(lock.IsHeld());
    EXPECT_FALSE(lock.HeldElsewhere());
  }
}

}  // namespace
