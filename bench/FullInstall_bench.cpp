#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "framework/AtomnoteState.h"
#include "framework/FolderItem.h"
#include "framework/MessageSink.h"
#include "framework/Volumes.h"
#include "install/iPodScanClass.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/PreferencesFile.h"
#include "ui/Window1.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

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

  InstallFixture fixture;
  const fs::path copyOfNotes = fixture.Folder() / "copy" / "Notes";
  auto sink = std::make_shared<ContinueSink>();
  const std::shared_ptr<MessageSink> previous = InstallMessageSink(sink);
  // The fixture volume is the machine's one volume while the benchmark runs, found by the scan.
  SetVolumesForTesting([volume = fixture.Volume()] { return std::vector<fs::path>{volume}; });
  iPodScanClass::GetiPodList();
  if (iPodScanClass::iPodFolderItemList.Ubound() != 0) state.SkipWithError("the fixture volume is no iPod");
  class Window1 window;
  window.AllPushButton_Action();

  double installSeconds = 0;
  double copySeconds = 0;
  for (auto _ : state) {
    // Both the install and the copy write into a folder emptied beforehand, untimed.
    fs::remove_all(fixture.Notes() / "Atomnote");
    const Clock::time_point start = Clock::now();
    InstallToTheEnd(window, *sink);
    const Clock::time_point installed = Clock::now();
    fs::remove_all(copyOfNotes.parent_path());
    fs::create_directories(copyOfNotes.parent_path());
    const Clock::time_point copyStart = Clock::now();
    fs::copy(fixture.Notes(), copyOfNotes, fs::copy_options::recursive);
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
  SetVolumesForTesting([] { return std::vector<fs::path>{}; });
  iPodScanClass::GetiPodList();
  SetVolumesForTesting(nullptr);
  ResetPreferenceGlobals();
  App().globalMacOSVersion = 0.0;
}
BENCHMARK(BM_FullInstall)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
