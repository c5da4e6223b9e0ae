#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

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

void BM_savePreferences(benchmark::State& state) {
  PreferencesFolderForBenchmark folder;
  for (auto _ : state) savePreferences();
}
BENCHMARK(BM_savePreferences);

}  // namespace
