#include "app/SingleInstanceLock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

const std::string kAlreadyRunning =
    "48 | Already running. | Atomnote Installer is already running.\n\nOnly one copy of the installer can run "
    "at a time. Use the one that is open, or quit it before you start the installer again.";

struct PlaceCase {
  const char* name;
  bool runtimeFolder;  // whether $XDG_RUNTIME_DIR names a folder
  const char* lockFile;
};

const PlaceCase kPlaceCases[] = {
    {"InTheRuntimeFolder", true, "runtime/Atomnote Installer.lock"},
    {"ElseHiddenInThePreferencesFolder", false, "config/.Atomnote Installer.lock"},
};

class SingleInstanceLockTest : public ::testing::TestWithParam<PlaceCase> {
 protected:
  SingleInstanceLockTest() { fs::create_directory(temp_ / "runtime"); }

  TempFolder temp_;
  ScopedEnvironment runtime_{"XDG_RUNTIME_DIR", GetParam().runtimeFolder
                                                    ? std::optional((temp_ / "runtime").string())
                                                    : std::nullopt};
  ScopedEnvironment config_{"XDG_CONFIG_HOME", (temp_ / "config").string()};
};

// While one installer runs, a second one of the same user finds it; once the first has ended, the
// next one starts.
TEST_P(SingleInstanceLockTest, FindsAnInstallerAlreadyRunning) {
  std::optional<SingleInstanceLock> first(std::in_place);
  EXPECT_FALSE(first->AnotherInstallerIsRunning());
  EXPECT_TRUE(fs::is_regular_file(temp_ / GetParam().lockFile));

  EXPECT_TRUE(SingleInstanceLock().AnotherInstallerIsRunning());

  first.reset();
  EXPECT_FALSE(SingleInstanceLock().AnotherInstallerIsRunning());
}

INSTANTIATE_TEST_SUITE_P(Places, SingleInstanceLockTest, ::testing::ValuesIn(kPlaceCases),
                         [](const ::testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

// Where no lock file can be made, the installer is not kept from starting.
TEST(SingleInstanceLock, NoPlaceForALockIsNoObstacle) {
  TempFolder temp;
  WriteFileBytes(temp / "file", "");
  ScopedEnvironment runtime("XDG_RUNTIME_DIR", (temp / "file").string());
  ScopedEnvironment config("XDG_CONFIG_HOME", (temp / "file").string());
  const SingleInstanceLock first;
  EXPECT_FALSE(first.AnotherInstallerIsRunning());
  EXPECT_FALSE(SingleInstanceLock().AnotherInstallerIsRunning());
}

TEST(SingleInstanceLock, SaysThatOneIsRunning) {
  ScopedRecordingSink messages;
  SingleInstanceLock::ShowAlreadyRunning();
  EXPECT_EQ(MessageTexts(messages), std::vector<std::string>{kAlreadyRunning});
}

}  // namespace
