#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/AtomnoteState.h"
#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "framework/Application.h"
#include "framework/FolderItem.h"
#include "framework/MessageSink.h"
#include "framework/Volumes.h"
#include "install/InstallerWindow.h"
#include "install/ProgressWindow.h"
#include "install/iPodScanClass.h"
#include "prefs/PreferenceGlobals.h"

namespace {

namespace fs = std::filesystem;

// A temporary folder holding a volume laid out as an iPod (iPod_Control invisible, Music, Notes)
// and an installer bundle whose four pictures are 40 KB each, about the size of the real ones.
class InstallFixture {
 public:
  InstallFixture() {
    std::string pattern = (fs::temp_directory_path() / "atomnote-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    fs::create_directories(Notes());
    fs::create_directories(Volume() / "iPod_Control" / "Music");
    FolderItem(Volume() / "iPod_Control").SetVisible(false);

    const fs::path resources = folder_ / "Atomnote 1.6.2 Installer.app" / "Contents" / "Resources";
    fs::create_directories(resources);
    for (const char* name :
         {"periodic-320-vpod.jpg", "en-320-vpod.jpg", "solid-liquid-gas-320-vpod.jpg", "atwt-320-vpod.jpg"}) {
      std::ofstream(resources / name, std::ios::binary) << std::string(40 * 1024, '\xA5');
    }
    Application::SetExecutableFileForTesting(folder_ / "Atomnote 1.6.2 Installer.app" / "Contents" / "MacOS" /
                                             "AtomnoteInstaller");
  }
  ~InstallFixture() {
    Application::SetExecutableFileForTesting({});
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  InstallFixture(const InstallFixture&) = delete;
  InstallFixture& operator=(const InstallFixture&) = delete;

  fs::path Volume() const { return folder_ / "IPOD"; }
  fs::path Notes() const { return Volume() / "Notes"; }

 private:
  fs::path folder_;
};

// Every message goes nowhere; an install that fails shows up as an error of the benchmark.
class CountingSink : public MessageSink {
 public:
  void ShowMessageBox(const MessageBoxRecord&) override { ++count; }
  int count = 0;
};

// The progress window is a widget, so a QApplication must exist; the benchmark program makes
// none of its own. It is left to the end of the process, after every window is gone.
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

// The installer's own scan over these mount folders in place of the machine's: it fills the
// three scan lists as it does for a real iPod.
void ScanVolumes(const std::vector<fs::path>& roots) {
  SetVolumesForTesting([roots] { return roots; });
  iPodScanClass::GetiPodList();
  SetVolumesForTesting(nullptr);
}

// One whole install of the menu notes (index notes with their sorted look-ups, visual tables,
// about notes, glossary, group and period notes) into a Notes folder that holds the previous
// round's install, which the clean-up removes first. No event loop runs, so the yields cost
// nothing here.
void BM_CreateFolders(benchmark::State& state) {
  EnsureApplication();
  LoadDataOnce();
  ResetPreferenceGlobals();
  prefMonopolizeiPodNotes = state.range(0) != 0;
  prefVisualTables = true;
  prefGlossary = true;
  App().globalMacOSVersion = 10.4;

  InstallFixture fixture;
  auto sink = std::make_shared<CountingSink>();
  const std::shared_ptr<MessageSink> previous = InstallMessageSink(sink);
  ScanVolumes({fixture.Volume()});
  if (iPodScanClass::iPodFolderItemList.Ubound() != 0) state.SkipWithError("the fixture volume is no iPod");
  InstallerWindow window;

  for (auto _ : state) {
    window.createFolders();
    state.PauseTiming();
    if (progressWindowExists()) progressWindow().Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  if (sink->count != 0) state.SkipWithError("the install showed a message");

  InstallMessageSink(previous);
  ScanVolumes({});
  ResetPreferenceGlobals();
  App().globalMacOSVersion = 0.0;
}
BENCHMARK(BM_CreateFolders)->ArgName("monopolize")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
