#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <filesystem>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "framework/AtomnoteState.h"
#include "framework/MessageSink.h"
#include "framework/Volumes.h"
#include "install/InstallerWindow.h"
#include "install/ProgressDisplay.h"
#include "install/iPodScanClass.h"
#include "prefs/PreferenceGlobals.h"

namespace {

namespace fs = std::filesystem;

// The installer's own scan over these mount folders in place of the machine's: it fills the
// scan lists as it does for a real iPod. They stay the mounted volumes until the next call (an
// empty list gives the machine's own back), as the install checks its iPod is still there.
void ScanVolumes(const std::vector<fs::path>& roots) {
  SetVolumesForTesting([roots] { return roots; });
  iPodScanClass::GetiPodList();
  if (roots.empty()) SetVolumesForTesting(nullptr);
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
  auto sink = std::make_shared<ContinueSink>();
  const std::shared_ptr<MessageSink> previous = InstallMessageSink(sink);
  ScanVolumes({fixture.Volume()});
  if (iPodScanClass::iPodFolderItemList.Ubound() != 0) state.SkipWithError("the fixture volume is no iPod");
  InstallerWindow window;

  for (auto _ : state) {
    window.createFolders();
    state.PauseTiming();
    CurrentProgressDisplay().Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  if (sink->messages != 0) state.SkipWithError("the install showed a message");

  InstallMessageSink(previous);
  ScanVolumes({});
  ResetPreferenceGlobals();
  App().globalMacOSVersion = 0.0;
}
BENCHMARK(BM_CreateFolders)->ArgName("monopolize")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
