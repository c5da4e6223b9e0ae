#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QEventLoop>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "framework/MessageSink.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/PreferencesFile.h"

namespace {

// A preferences folder of the benchmark's own holding a full, current preferences file.
class PreferencesFolderForBenchmark {
 public:
  PreferencesFolderForBenchmark() {
    std::string pattern = (std::filesystem::temp_directory_path() / "atomnote-bench-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    setDefaultPreferences();
    savePreferences();
  }
  ~PreferencesFolderForBenchmark() { std::filesystem::remove_all(folder_); }

 private:
  std::filesystem::path folder_;
};

void BM_loadPreferences(benchmark::State& state) {
  PreferencesFolderForBenchmark folder;
  for (auto _ : state) {
    loadPreferences();
    benchmark::DoNotOptimize(prefUnits(16));
  }
}
BENCHMARK(BM_loadPreferences);

// Start-up with a preferences file of 10 MB of empty lines after one setting, read with the event
// loop running as at start-up, so that the reader's yields hand the turn on.
void BM_loadPreferencesFromAHugeFile(benchmark::State& state) {
  EnsureApplication();
  PreferencesFolderForBenchmark folder;
  const std::string path = std::string(std::getenv("XDG_CONFIG_HOME")) + "/" + kPreferencesFileName;
  std::ofstream(path, std::ios::binary | std::ios::trunc) << "prefLanguage=1\n"
                                                          << std::string(10 << 20, '\n');
  for (auto _ : state) {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&loop] {
      loadPreferences();
      loop.quit();
    });
    loop.exec();
    benchmark::DoNotOptimize(prefLanguage);
  }
}
BENCHMARK(BM_loadPreferencesFromAHugeFile)->Unit(benchmark::kMillisecond);

void BM_savePreferences(benchmark::State& state) {
  PreferencesFolderForBenchmark folder;
  for (auto _ : state) savePreferences();
}
BENCHMARK(BM_savePreferences);

}  // namespace
