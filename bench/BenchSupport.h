#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "framework/Application.h"
#include "framework/FolderItem.h"
#include "framework/MessageSink.h"
#include "install/ProgressDisplay.h"
#include "install/widgets/ProgressWindowDisplay.h"

// What the install benchmarks share: a fixture volume on local disk, a message sink that answers
// at once, the application object and the loaded data.

// A temporary folder holding a volume laid out as an iPod (iPod_Control invisible, Music, Notes)
// and an installer bundle whose four pictures are 40 KB each, about the size of the real ones.
// The running executable is taken to be the bundle's while the fixture lives.
class InstallFixture {
 public:
  InstallFixture() {
    std::string pattern = (std::filesystem::temp_directory_path() / "atomnote-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    std::filesystem::create_directories(Notes());
    std::filesystem::create_directories(Volume() / "iPod_Control" / "Music");
    FolderItem(Volume() / "iPod_Control").SetVisible(false);

    const std::filesystem::path bundle = folder_ / "Atomnote 1.6.2 Installer.app";
    const std::filesystem::path resources = bundle / "Contents" / "Resources";
    std::filesystem::create_directories(resources);
    for (const char* name :
         {"periodic-320-vpod.jpg", "en-320-vpod.jpg", "solid-liquid-gas-320-vpod.jpg", "atwt-320-vpod.jpg"}) {
      std::ofstream(resources / name, std::ios::binary) << std::string(40 * 1024, '\xA5');
    }
    Application::SetExecutableFileForTesting(bundle / "Contents" / "MacOS" / "AtomnoteInstaller");
  }
  ~InstallFixture() {
    Application::SetExecutableFileForTesting({});
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  InstallFixture(const InstallFixture&) = delete;
  InstallFixture& operator=(const InstallFixture&) = delete;

  // The fixture's own folder, for whatever else a benchmark writes.
  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path Volume() const { return folder_ / "IPOD"; }
  std::filesystem::path Notes() const { return Volume() / "Notes"; }

 private:
  std::filesystem::path folder_;
};

// Counts the message boxes (an install that shows one is an error of the benchmark) and answers
// every dialog "Continue Using Installer" (the alternate action button), calling onDialog first.
class ContinueSink : public MessageSink {
 public:
  void ShowMessageBox(const MessageBoxRecord&) override { ++messages; }
  MessageDialogAnswer ShowMessageDialog(const MessageDialogRecord&) override {
    ++dialogs;
    if (onDialog) onDialog();
    return MessageDialogAnswer::AlternateAction;
  }
  int messages = 0;
  int dialogs = 0;
  std::function<void()> onDialog;
};

// The progress window is a widget, so a QApplication must exist; the benchmark program makes
// none of its own. It is left to the end of the process, after every window is gone. Installs
// show their progress in the progress window, as in the program.
inline void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  SetProgressDisplay(std::make_shared<ProgressWindowDisplay>());
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "atomnote_bench";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

// The element tables and the spelling table, loaded once for the whole program.
inline void LoadDataOnce() {
  static const bool loaded = [] {
    loadDatasets();
    buildBritishTranslationTable();
    return true;
  }();
  (void)loaded;
}
