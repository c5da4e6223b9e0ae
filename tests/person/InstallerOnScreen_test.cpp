#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "person/PersonAtScreen.h"
#include "person/TmpfsiPod.h"
#include "support/KeepFolder.h"
#include "support/TestSupport.h"
#include "support/x11/ChildProcess.h"
#include "support/x11/VirtualXServer.h"

namespace fs = std::filesystem;

namespace {

const fs::path kInstaller = fs::path(ATOMNOTE_BUNDLE_DIR) / "Contents" / "MacOS" / "AtomnoteInstaller";
const char kMainWindowTitle[] = "Atomnote Installer";
// The main window's content area lies under its menu bar and keeps this height.
constexpr int kContentHeight = 360;
// Places in the content area, as the window's control table gives them.
const QRect kInstallButton(360, 280, 220, 32);
const QRect kRemoveButton(20, 280, 220, 32);

constexpr int kStartMs = 20000;
constexpr int kInstallMs = 30000;

// The person's own note in the Notes folder: nothing the installer does may change it.
const char kUserNoteName[] = "My Chemistry Notes.txt";
const std::string kUserNote =
    "<TITLE>Lab</TITLE>\r\nTitration at 9, bring the burette.\nCaf\xC3\xA9 after.\n";

std::string ReadAll(const fs::path& path) { return ReadFileBytes(path); }

// Every note under folder whose text holds needle.
[[maybe_unused]] std::vector<std::string> NotesHolding(const fs::path& folder, const std::string& needle) {
  std::vector<std::string> found;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && ReadAll(entry.path()).find(needle) != std::string::npos) {
      found.push_back(entry.path().filename().string());
    }
  }
  return found;
}

class InstallerOnScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kInstaller)) GTEST_SKIP() << "the installer bundle is not built: " << kInstaller;
    if (!pod_.Mounted()) GTEST_SKIP() << pod_.skipReason();
    if (!ProgramOnPath("xdotool"))
      GTEST_SKIP() << "xdotool is not installed (scripts/install-deps.sh installs it)";
    x_ = std::make_unique<VirtualXServer>();
    if (!x_->Running()) GTEST_SKIP() << x_->skipReason();
    person_ = std::make_unique<PersonAtScreen>(x_->DisplayName());
    WriteFileBytes(pod_.Notes() / kUserNoteName, kUserNote);
    fs::create_directories(config_);
    fs::create_directories(runtime_);
    fs::permissions(runtime_, fs::perms::owner_all);
  }

  void TearDown() override {
    if (installer_ && HasFailure()) std::cerr << "installer output:\n" << ReadAll(log_) << '\n';
  }

  void StartInstaller() {
    installer_ = std::make_unique<ChildProcess>(std::vector<std::string>{kInstaller.string()},
                                                std::map<std::string, std::optional<std::string>>{
                                                    {"DISPLAY", x_->DisplayName()},
                                                    {"QT_QPA_PLATFORM", "xcb"},
                                                    {"XDG_CONFIG_HOME", config_.string()},
                                                    {"XDG_RUNTIME_DIR", runtime_.string()},
                                                },
                                                log_);
    ASSERT_TRUE(installer_->Started());
    const auto main = x_->WaitForWindow(
        installer_->Pid(), [](const auto& window) { return window.title == kMainWindowTitle; }, kStartMs);
    ASSERT_TRUE(main) << "the main window never came up";
    main_ = *main;
    // The menu bar takes the top of the window, above the content area.
    contentTop_ = main_.geometry.height() - kContentHeight;
    ASSERT_GT(contentTop_, 0) << "no menu bar above the content area";
  }

  // The screen point of a point of the main window's content area.
  QPoint OnScreen(QPoint content) const {
    return main_.geometry.topLeft() + QPoint(0, contentTop_) + content;
  }

  void Click(const QRect& control) const { ASSERT_TRUE(person_->ClickAt(OnScreen(control.center()))); }

  // Waits for a message box or dialog of the installer and answers it with keys.
  void Answer(const std::string& keys, int timeoutMs) const {
    const auto dialog = x_->WaitForWindow(
        installer_->Pid(), [](const auto& window) { return window.dialog; }, timeoutMs);
    ASSERT_TRUE(dialog) << "no dialog came";
    ASSERT_TRUE(person_->TypeInto(dialog->id, keys));
    ASSERT_TRUE(x_->WaitForNoWindow(
        installer_->Pid(), [](const auto& window) { return window.dialog; }, kStartMs));
  }

  TempFolder work_;
  TmpfsiPod pod_{work_.path(), "IPOD"};
  const fs::path config_ = work_ / "config";
  const fs::path runtime_ = work_ / "runtime";
  const fs::path log_ = work_ / "installer.log";
  std::unique_ptr<VirtualXServer> x_;
  std::unique_ptr<PersonAtScreen> person_;
  std::unique_ptr<ChildProcess> installer_;
  VirtualXServer::WindowInfo main_;
  int contentTop_ = 0;
};

TEST_F(InstallerOnScreenTest, InstallsWhatThePersonChoseThenRemovesItLeavingTheirOwnNotes) {
  ASSERT_NO_FATAL_FAILURE(StartInstaller());

  const QImage screenshot = x_->CaptureWhenDrawn(main_, kStartMs);
  ASSERT_EQ(screenshot.size(), main_.geometry.size()) << "the main window was never drawn";
  if (const auto keep = KeepFolder())
    screenshot.save(QString::fromStdString((*keep / "main-window.png").string()));

  // Install; the completion dialog answered "Continue Using Installer" (the button after the
  // default one).
  ASSERT_NO_FATAL_FAILURE(Click(kInstallButton));
  ASSERT_NO_FATAL_FAILURE(Answer("Tab space", kInstallMs));
  EXPECT_FALSE(installer_->WaitForExit(0)) << "the installer went on running";

  const fs::path product = pod_.Notes() / "Atomnote";
  ASSERT_TRUE(fs::is_directory(product / "e"));
  EXPECT_TRUE(fs::exists(product / "e" / "Fe"));
  EXPECT_EQ(ReadAll(pod_.Notes() / kUserNoteName), kUserNote);

  // Remove, and the closing message answered.
  ASSERT_NO_FATAL_FAILURE(Click(kRemoveButton));
  ASSERT_NO_FATAL_FAILURE(Answer("Return", kInstallMs));
  std::vector<std::string> left;
  for (const fs::directory_entry& entry : fs::directory_iterator(pod_.Notes())) {
    left.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(left, (std::vector<std::string>{kUserNoteName}));
  EXPECT_EQ(ReadAll(pod_.Notes() / kUserNoteName), kUserNote);

  // Quit from the keyboard: the preferences are saved.
  ASSERT_TRUE(person_->TypeInto(main_.id, "ctrl+q"));
  EXPECT_EQ(installer_->WaitForExit(kStartMs), 0);
  EXPECT_TRUE(fs::exists(config_ / "Atomnote Preferences"));
}

}  // namespace
