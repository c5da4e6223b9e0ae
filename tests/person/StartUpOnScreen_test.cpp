#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "person/PersonAtScreen.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"
#include "support/x11/VirtualXServer.h"

namespace fs = std::filesystem;

namespace {

const char kMainWindowTitle[] = "Atomnote 1.6.2 Installer";
const char kLicenceTitle[] = "Software License";
const char kUntitledBoxTitle[] = "Atomnote Installer";
constexpr int kStartMs = 20000;

// The installer's start-up (startup_child) on an X server of the test's own, with a preferences
// folder of its own; the person answers its messages with the keyboard.
class StartUpOnScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ProgramOnPath("xdotool"))
      GTEST_SKIP() << "xdotool is not installed (scripts/install-deps.sh installs it)";
    x_ = std::make_unique<VirtualXServer>();
    if (!x_->Running()) GTEST_SKIP() << x_->skipReason();
    person_ = std::make_unique<PersonAtScreen>(x_->DisplayName());
    fs::create_directories(config_);
    fs::create_directories(runtime_);
    fs::permissions(runtime_, fs::perms::owner_all);
  }

  void Start(const std::string& preferences) {
    WriteFileBytes(config_ / "Atomnote Preferences", preferences);
    installer_ =
        std::make_unique<ChildProcess>(ATOMNOTE_STARTUP_CHILD, std::vector<std::string>{},
                                       ChildProcessOptions{.environment = {
                                                               {"DISPLAY", x_->DisplayName()},
                                                               {"QT_QPA_PLATFORM", "xcb"},
                                                               {"XDG_CONFIG_HOME", config_.string()},
                                                               {"XDG_RUNTIME_DIR", runtime_.string()},
                                                           }});
    ASSERT_TRUE(installer_->Started());
  }

  // Where the window of that title lies in the X server's stacking order, 0 the bottom; -1 when
  // it is not mapped.
  int StackingPlaceOf(const std::string& title) const {
    const std::vector<VirtualXServer::WindowInfo> windows = x_->WindowsOf(installer_->Pid());
    const auto found = std::find_if(windows.begin(), windows.end(), Titled(title));
    return found == windows.end() ? -1 : static_cast<int>(found - windows.begin());
  }

  TempFolder work_;
  const fs::path config_ = work_ / "config";
  const fs::path runtime_ = work_ / "runtime";
  std::unique_ptr<VirtualXServer> x_;
  std::unique_ptr<PersonAtScreen> person_;
  std::unique_ptr<ChildProcess> installer_;
};

// The first run after an update: the update message comes before the main window, and the person
// takes longer to read it than the licence timer's second. Answered only once the timer has gone
// off, the main window comes up and the licence in front of it, as the X server stacks them.
TEST_F(StartUpOnScreenTest, TheLicenceComesUpInFrontOfTheMainWindowAfterALongUpdateMessage) {
  ASSERT_NO_FATAL_FAILURE(Start("prefLastUsedVersion=1.5\nprefDiskUseReminder=0\n"));
  const auto message = x_->WaitForWindow(
      installer_->Pid(), [](const VirtualXServer::WindowInfo& window) { return window.dialog; }, kStartMs);
  ASSERT_TRUE(message) << "the update message never came";
  // A box with no title of its own (as the update message is) carries the program's name.
  ASSERT_EQ(message->title, kUntitledBoxTitle) << "another message came first";
  ASSERT_TRUE(installer_->WaitForLine("Timer1 went off", std::chrono::milliseconds(kStartMs)));
  ASSERT_TRUE(x_->WaitForWindow(
      installer_->Pid(), [&](const VirtualXServer::WindowInfo& window) { return window.id == message->id; },
      0))
      << "the message went before the person answered it";

  ASSERT_TRUE(person_->TypeInto(message->id, "Return"));
  const auto main = x_->WaitForWindow(installer_->Pid(), Titled(kMainWindowTitle), kStartMs);
  ASSERT_TRUE(main) << "the main window never came up";
  ASSERT_TRUE(x_->WaitForWindow(installer_->Pid(), Titled(kLicenceTitle), kStartMs))
      << "the licence never came up";
  EXPECT_GT(StackingPlaceOf(kLicenceTitle), StackingPlaceOf(kMainWindowTitle))
      << "the licence lies behind the main window";

  ASSERT_TRUE(person_->TypeInto(main->id, "ctrl+q"));
  ASSERT_TRUE(installer_->WaitForEnd(std::chrono::milliseconds(kStartMs)));
  EXPECT_TRUE(installer_->ExitedNormally());
  EXPECT_EQ(installer_->ExitCode(), 0);
}

}  // namespace
