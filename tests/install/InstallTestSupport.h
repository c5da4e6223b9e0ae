#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "framework/Application.h"
#include "framework/AtomnoteState.h"
#include "framework/FolderItem.h"
#include "framework/Volumes.h"
#include "install/InstallerWindow.h"
#include "install/ProgressDisplay.h"
#include "install/iPodScanClass.h"
#include "prefs/PreferenceGlobals.h"
#include "support/FixtureVolume.h"
#include "support/TestSupport.h"

// Shared set-up of the install tests. The test program is built from the *_test.cpp files only,
// so these helpers live in this header.

// The fixture bundle: "Atomnote 1.6.2 Installer.app" with four small JPEGs in
// Contents/Resources, standing in for the installer's own bundle.
inline std::filesystem::path FixtureBundle() {
  return std::filesystem::path(ATOMNOTE_FIXTURES_DIR) / "bundle" / "Atomnote 1.6.2 Installer.app";
}

inline std::filesystem::path FixtureBundleResources() { return FixtureBundle() / "Contents" / "Resources"; }

// The shipped element tables, glossary and spelling pairs, loaded once for the test program.
inline void LoadShippedDataOnce() {
  static const bool loaded = [] {
    loadDatasets();
    buildBritishTranslationTable();
    return true;
  }();
  (void)loaded;
}

// The four preferences an install reads; every other preference global at its start value.
struct InstallChoices {
  bool monopolize = false;
  int language = 0;
  bool visualTables = false;
  bool glossary = false;
};

inline void ApplyInstallChoices(const InstallChoices& choices) {
  ResetPreferenceGlobals();
  prefMonopolizeiPodNotes = choices.monopolize;
  prefLanguage = choices.language;
  prefVisualTables = choices.visualTables;
  prefGlossary = choices.glossary;
}

// Puts the given Notes folders into the scan's lists, as a scan that found them would, with the
// mounts their volumes are on now.
inline void SetScanList(const std::vector<FolderItem>& notesFolders) {
  iPodScanClass::iPodFolderItemList.ResizeTo(-1);
  iPodScanClass::iPodList.ResizeTo(-1);
  iPodScanClass::iPodType.ResizeTo(-1);
  iPodScanClass::iPodMountList.ResizeTo(-1);
  for (const FolderItem& notes : notesFolders) {
    iPodScanClass::iPodFolderItemList.Append(notes);
    iPodScanClass::iPodList.Append(notes.IsNil() ? "" : notes.ShellPath());
    iPodScanClass::iPodType.Append("iPod");
    iPodScanClass::iPodMountList.Append(notes.IsNil() ? 0 : MountOf(notes.Parent()).value_or(0));
  }
}

// Closes the progress window if one is open and lets Qt delete it.
inline void CloseProgressWindowIfOpen() {
  CurrentProgressDisplay().Close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Puts a progress display in place while it lives, then the previous one back.
template <typename Display>
class ScopedProgressDisplay {
 public:
  ScopedProgressDisplay() : display_(std::make_shared<Display>()), previous_(SetProgressDisplay(display_)) {}
  ~ScopedProgressDisplay() { SetProgressDisplay(previous_); }
  ScopedProgressDisplay(const ScopedProgressDisplay&) = delete;
  ScopedProgressDisplay& operator=(const ScopedProgressDisplay&) = delete;

  Display& operator*() const { return *display_; }
  Display* operator->() const { return display_.get(); }

 private:
  std::shared_ptr<Display> display_;
  std::shared_ptr<ProgressDisplay> previous_;
};

// What an install or a removal showed of its progress, recorded.
using ScopedRecordingProgress = ScopedProgressDisplay<RecordingProgressDisplay>;

// The installer's running program inside the given bundle while it lives.
class ScopedBundle {
 public:
  explicit ScopedBundle(const std::filesystem::path& bundle) {
    Application::SetExecutableFileForTesting(bundle / "Contents" / "MacOS" / "AtomnoteInstaller");
  }
  ~ScopedBundle() { Application::SetExecutableFileForTesting({}); }
  ScopedBundle(const ScopedBundle&) = delete;
  ScopedBundle& operator=(const ScopedBundle&) = delete;
};

// Whole-file contents as lines cut at LF; a final LF gives a last empty entry, so a missing or
// extra line end shows as a difference.
inline std::vector<std::string> FileLines(const std::filesystem::path& path) {
  const std::string bytes = ReadFileBytes(path);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = bytes.find('\n'); end != std::string::npos; end = bytes.find('\n', start)) {
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  lines.push_back(bytes.substr(start));
  return lines;
}

// Expects the two files to hold the same lines, naming the first line that differs.
inline void ExpectSameLines(const std::filesystem::path& expected, const std::filesystem::path& actual) {
  ASSERT_TRUE(std::filesystem::is_regular_file(actual)) << actual << " was not written";
  const std::vector<std::string> want = FileLines(expected);
  const std::vector<std::string> got = FileLines(actual);
  for (std::size_t i = 0; i < want.size() && i < got.size(); ++i) {
    if (want[i] != got[i]) {
      ADD_FAILURE() << actual << " line " << i + 1 << "\n  expected: " << want[i]
                    << "\n  written:  " << got[i];
      return;
    }
  }
  EXPECT_EQ(got.size(), want.size()) << actual
                                     << " has another number of lines (a final empty entry is a line end)";
}

// A fixture volume with the data loaded, the fixture bundle in place, a recording message sink,
// a recording progress display and the host answering as Mac OS X 10.4. Each test starts with
// no progress window and an empty scan list, and leaves them so.
class InstallTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadShippedDataOnce(); }

  void SetUp() override {
    CloseProgressWindowIfOpen();
    SetScanList({});
    ResetPreferenceGlobals();
    App().globalMacOSVersion = 10.4;
  }

  void TearDown() override {
    CloseProgressWindowIfOpen();
    SetScanList({});
    ResetPreferenceGlobals();
    App().globalMacOSVersion = 0.0;
  }

  std::filesystem::path Notes() const { return volume_.notes(); }

  // Scans the fixture volume, as the scan timer does, then runs the install as the Install
  // button does.
  void InstallOnVolume() {
    iPodScanClass::GetiPodList();
    ASSERT_EQ(iPodScanClass::iPodFolderItemList.Ubound(), 0) << "the fixture volume is not found as an iPod";
    RunInstall();
  }

  // Runs the install with whatever the scan list holds.
  void RunInstall() {
    InstallerWindow window;
    window.createFolders();
  }

  TempFolder temp_;
  FixtureVolume volume_{temp_.path(), "IPOD"};
  // The fixture volume is the one mounted volume while the test runs.
  ScopedVolumes volumes_{{volume_.root()}};
  ScopedBundle bundle_{FixtureBundle()};
  ScopedRecordingSink messages_;
  ScopedRecordingProgress progress_;
};
