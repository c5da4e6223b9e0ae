#include "install/Eject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "framework/Application.h"
#include "framework/AtomnoteState.h"
#include "framework/Exceptions.h"
#include "support/ScopedLaunchRecord.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

const char* const kCannotEject =
    "Could not eject the iPod. Use iTunes or the Finder to eject the iPod before disconnecting it.";

// Number of lines in the file; 0 when it does not exist.
int LinesIn(const fs::path& path) {
  const std::string text = ReadFileBytes(path);
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Waits (at most a minute) until the file holds the given number of lines.
bool WaitForLines(const fs::path& path, int lines) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (LinesIn(path) < lines) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// An installer bundle in a temporary folder that the running program takes as its own, on the
// given system version. The stub eject helper adds a line to a record file each time it runs.
class EjectTest : public testing::Test {
 protected:
  EjectTest() {
    fs::create_directories(bundle_ / "Contents" / "MacOS");
    fs::create_directories(resources_);
    WriteFileBytes(bundle_ / "Contents" / "MacOS" / "AtomnoteInstaller", "");
    Application::SetExecutableFileForTesting(bundle_ / "Contents" / "MacOS" / "AtomnoteInstaller");
  }
  ~EjectTest() override {
    Application::SetExecutableFileForTesting({});
    App().globalMacOSVersion = previousVersion_;
  }

  void PutStubHelper(fs::perms permissions = fs::perms::owner_all) {
    WriteFileBytes(helper_, "#!/bin/sh\necho ran >> '" + record_.string() + "'\n");
    fs::permissions(helper_, permissions);
  }

  double previousVersion_ = App().globalMacOSVersion;
  TempFolder temp_;
  fs::path bundle_ = temp_ / "Atomnote 1.6.2 Installer.app";
  fs::path resources_ = bundle_ / "Contents" / "Resources";
  fs::path helper_ = resources_ / "EjectIpod.app";
  fs::path record_ = temp_ / "ejects";
  ScopedRecordingSink sink_;
};

TEST_F(EjectTest, TheMenuItemLaunchesTheHelperEachTimeWithoutWaiting) {
  App().globalMacOSVersion = 10.4;
  PutStubHelper();
  ejectmenuitem item;

  EXPECT_FALSE(item.Event_Action());
  EXPECT_FALSE(item.Event_Action());

  EXPECT_TRUE(WaitForLines(record_, 2));
  EXPECT_TRUE(sink_.messages().empty());
}

TEST_F(EjectTest, AMissingHelperSaysHowToEjectByHand) {
  App().globalMacOSVersion = 10.4;

  ejectiPodMethod();

  ASSERT_EQ(sink_.messages().size(), 1u);
  EXPECT_EQ(sink_.messages()[0].text, kCannotEject);
  EXPECT_EQ(sink_.messages()[0].icon, 0);
  EXPECT_EQ(sink_.messages()[0].title, "");
}

// A helper that is there but cannot be started is the caller's error, not a silent success.
TEST_F(EjectTest, AHelperThatCannotStartRaises) {
  App().globalMacOSVersion = 10.4;
  PutStubHelper(fs::perms::owner_read | fs::perms::owner_write);

  EXPECT_THROW(ejectiPodMethod(), RuntimeException);
  EXPECT_TRUE(sink_.messages().empty());
}

TEST_F(EjectTest, BeforeTigerNothingHappens) {
  App().globalMacOSVersion = 10.3;
  ejectiPodMethod();
  EXPECT_TRUE(sink_.messages().empty()) << "no message, even though the helper is missing";

  PutStubHelper();
  const ScopedLaunchRecord launches;
  ejectiPodMethod();
  EXPECT_EQ(launches.launched(), std::vector<fs::path>{}) << "launched before 10.4";
  // The same call launches it from 10.4 on.
  App().globalMacOSVersion = 10.4;
  ejectiPodMethod();
  EXPECT_EQ(launches.launched(), std::vector<fs::path>{helper_});
  EXPECT_TRUE(WaitForLines(record_, 1));
  EXPECT_TRUE(sink_.messages().empty());
}

}  // namespace
