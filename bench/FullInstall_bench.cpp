#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <string>

#include "app/AtomnoteState.h"
#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "framework/Application.h"
#include "framework/FolderItem.h"
#include "framework/MessageSink.h"
#include "install/ProgressWindow.h"
#include "install/iPodScanClass.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/PreferencesFile.h"
#include "ui/Window1.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A temporary folder on local disk holding an iPod-like volume and an installer bundle whose
// four pictures are 40 KB each, about the size of the real ones.
class FullInstallFixture {
 public:
  FullInstallFixture() {
    std::string pattern = (fs::temp_directory_path() / "atomnote-full-install-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    fs::create_directories(Notes());
    fs::create_directories(folder_ / "IPOD" / "iPod_Control" / "Music");
    FolderItem(folder_ / "IPOD" / "iPod_Control").SetVisible(false);
    const fs::path resources = folder_ / "Atomnote 1.6.2 Installer.app" / "Contents" / "Resources";
    fs::create_directories(resources);
    for (const char* name :
         {"periodic-320-vpod.jpg", "en-320-vpod.jpg", "solid-liquid-gas-320-vpod.jpg", "atwt-320-vpod.jpg"}) {
      std::ofstream(resources / name, std::ios::binary) << std::string(40 * 1024, '\xA5');
    }
    Application::SetExecutableFileForTesting(folder_ / "Atomnote 1.6.2 Installer.app" / "Contents" / "MacOS" /
                                             "AtomnoteInstaller");
  }
  ~FullInstallFixture() {
    Application::SetExecutableFileForTesting({});
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  FullInstallFixture(const FullInstallFixture&) = delete;
  FullInstallFixture& operator=(const FullInstallFixture&) = delete;

  fs::path Notes() const { return folder_ / "IPOD" / "Notes"; }
  fs::path CopyOfNotes() const { return folder_ / "copy" / "Notes"; }

 private:
  fs::path folder_;
};

// Counts the messages (an install that shows one is an error of the benchmark) and answers the
// completion dialog "Continue Using Installer", telling the caller that the worker is done.
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

void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "atomnote_bench";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

void LoadDataOnce() {
  static const bool loaded = [] {
    loadDatasets();
    buildBritishTranslationTable();
    return true;
  }();
  (void)loaded;
}

// The Install button's road to its end: the menu notes, then the event loop runs the worker
// until its completion dialog has been answered (at most a minute).
void InstallToTheEnd(class Window1& window, ContinueSink& sink) {
  QEventLoop loop;
  sink.onDialog = [&loop] { loop.quit(); };
  const int dialogsBefore = sink.dialogs;
  window.PushButton1_Action();
  QTimer::singleShot(60000, &loop, &QEventLoop::quit);
  if (sink.dialogs == dialogsBefore) loop.exec();
  sink.onDialog = nullptr;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

double Seconds(Clock::duration elapsed) { return std::chrono::duration<double>(elapsed).count(); }

// A full install (every dataset, glossary, visual tables) into an empty Notes folder, from the
// Install button to the completion dialog; then, untimed by the benchmark's own clock but
// measured, a plain recursive copy of the finished tree into a fresh folder. The previous round's
// install and copy are deleted before each round, outside both times. The benchmark's time is
// the install; the counters give both means and their ratio.
void BM_FullInstall(benchmark::State& state) {
  EnsureApplication();
  LoadDataOnce();
  setDefaultPreferences();
  prefVisualTables = true;
  prefGlossary = true;
  App().globalMacOSVersion = 10.4;

  FullInstallFixture fixture;
  auto sink = std::make_shared<ContinueSink>();
  const std::shared_ptr<MessageSink> previous = InstallMessageSink(sink);
  iPodScanClass::iPodFolderItemList.ResizeTo(-1);
  iPodScanClass::iPodFolderItemList.Append(FolderItem(fixture.Notes()));
  class Window1 window;

  double installSeconds = 0;
  double copySeconds = 0;
  for (auto _ : state) {
    // Both the install and the copy write into a folder emptied beforehand, untimed.
    fs::remove_all(fixture.Notes() / "Atomnote");
    const Clock::time_point start = Clock::now();
    InstallToTheEnd(window, *sink);
    const Clock::time_point installed = Clock::now();
    fs::remove_all(fixture.CopyOfNotes().parent_path());
    fs::create_directories(fixture.CopyOfNotes().parent_path());
    const Clock::time_point copyStart = Clock::now();
    fs::copy(fixture.Notes(), fixture.CopyOfNotes(), fs::copy_options::recursive);
    const Clock::time_point copied = Clock::now();

    state.SetIterationTime(Seconds(installed - start));
    installSeconds += Seconds(installed - start);
    copySeconds += Seconds(copied - copyStart);
  }
  if (sink->messages != 0) state.SkipWithError("the install showed a message");
  if (sink->dialogs != static_cast<int>(state.iterations())) state.SkipWithError("a worker did not finish");

  const double iterations = static_cast<double>(state.iterations());
  state.counters["install_ms"] = installSeconds / iterations * 1000;
  state.counters["copy_ms"] = copySeconds / iterations * 1000;
  state.counters["install/copy"] = installSeconds / copySeconds;
  std::cout << "full install " << installSeconds / iterations * 1000 << " ms, copy of the tree "
            << copySeconds / iterations * 1000 << " ms, ratio " << installSeconds / copySeconds << '\n';

  InstallMessageSink(previous);
  iPodScanClass::iPodFolderItemList.ResizeTo(-1);
  ResetPreferenceGlobals();
  App().globalMacOSVersion = 0.0;
}
BENCHMARK(BM_FullInstall)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
