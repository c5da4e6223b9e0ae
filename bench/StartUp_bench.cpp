#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "support/x11/ChildProcess.h"
#include "support/x11/VirtualXServer.h"

// How long a program takes from being started to its window being shown on an X server (the
// window mapped, so the X server exposes it), and how much memory it holds then: the installer
// beside an empty Qt window of the same size, on one virtual X server, one after the other; a
// window of that size with one line of text shows what loading the fonts alone costs.

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const fs::path kInstaller = fs::path(ATOMNOTE_BUNDLE_DIR) / "Contents" / "MacOS" / "AtomnoteInstaller";

VirtualXServer& Server() {
  static VirtualXServer server;
  return server;
}

// A preferences folder holding the preferences of the current version, as after the first run,
// so no message box stands before the main window.
// The folder goes when the benchmark program ends.
class ConfigFolderHolder {
 public:
  ConfigFolderHolder()
      : folder_(fs::temp_directory_path() / ("atomnote-startup-bench-" + std::to_string(getpid()))) {
    fs::create_directories(folder_ / "runtime");
    fs::permissions(folder_ / "runtime", fs::perms::owner_all);
    std::ofstream(folder_ / "Atomnote Preferences") << "prefLastUsedVersion=1.6.2\nprefDiskUseReminder=0\n";
  }
  ~ConfigFolderHolder() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  ConfigFolderHolder(const ConfigFolderHolder&) = delete;
  ConfigFolderHolder& operator=(const ConfigFolderHolder&) = delete;
  const fs::path& Folder() const { return folder_; }

 private:
  fs::path folder_;
};

const fs::path& ConfigFolder() {
  static const ConfigFolderHolder holder;
  return holder.Folder();
}

// The resident memory of a process in KiB; 0 when it cannot be read.
long ResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 16, '\n');
  }
  return 0;
}

struct Launch {
  double seconds = 0;
  long residentKiB = 0;
  QSize windowSize;
};

// Starts the program and waits for its window of that title; nothing when it never came.
std::optional<Launch> LaunchUntilShown(const std::vector<std::string>& arguments, const std::string& title) {
  const Clock::time_point start = Clock::now();
  ChildProcess program(arguments, {{"DISPLAY", Server().DisplayName()},
                                   {"QT_QPA_PLATFORM", "xcb"},
                                   {"XDG_CONFIG_HOME", ConfigFolder().string()},
                                   {"XDG_RUNTIME_DIR", (ConfigFolder() / "runtime").string()}});
  if (!program.Started()) return std::nullopt;
  const auto window = Server().WaitForWindow(
      program.Pid(), [&title](const VirtualXServer::WindowInfo& shown) { return shown.title == title; },
      30000);
  if (!window) return std::nullopt;
  Launch launch;
  launch.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  launch.residentKiB = ResidentKiB(program.Pid());
  launch.windowSize = window->geometry.size();
  return launch;
}

// The installer's main window as it comes up: its size is the empty window's.
QSize& MainWindowSize() {
  static QSize size;
  return size;
}

double& EmptyWindowMeanSeconds() {
  static double seconds = 0;
  return seconds;
}

void MeasureStartUp(benchmark::State& state, const std::vector<std::string>& arguments,
                    const std::string& title, double* meanSeconds) {
  if (!Server().Running()) {
    state.SkipWithError(Server().skipReason().c_str());
    return;
  }
  // One start first, not counted, so both programs start with their files in the page cache.
  if (!LaunchUntilShown(arguments, title)) {
    state.SkipWithError(("the window \"" + title + "\" never came up").c_str());
    return;
  }
  double totalSeconds = 0;
  long totalKiB = 0;
  for (auto _ : state) {
    const std::optional<Launch> launch = LaunchUntilShown(arguments, title);
    if (!launch) {
      state.SkipWithError(("the window \"" + title + "\" never came up").c_str());
      return;
    }
    state.SetIterationTime(launch->seconds);
    totalSeconds += launch->seconds;
    totalKiB += launch->residentKiB;
  }
  const auto runs = static_cast<double>(state.iterations());
  state.counters["resident_MiB"] = static_cast<double>(totalKiB) / runs / 1024.0;
  if (meanSeconds != nullptr) *meanSeconds = totalSeconds / runs;
}

// The size of the installer's main window, as "630x624", from a start of the installer.
std::string MainWindowSizeText() {
  if (!MainWindowSize().isValid() && Server().Running()) {
    if (const std::optional<Launch> launch = LaunchUntilShown({kInstaller.string()}, "Atomnote 1.6.2 Installer")) {
      MainWindowSize() = launch->windowSize;
    }
  }
  const QSize size = MainWindowSize().isValid() ? MainWindowSize() : QSize(630, 605);
  return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

void BM_StartUpEmptyWindow(benchmark::State& state) {
  MeasureStartUp(state, {EMPTY_WINDOW_PROGRAM, MainWindowSizeText()}, "Empty Window",
                 &EmptyWindowMeanSeconds());
}

// For reference: how much of the difference loading the fonts alone makes.
void BM_StartUpWindowWithText(benchmark::State& state) {
  double meanSeconds = 0;
  MeasureStartUp(state, {EMPTY_WINDOW_PROGRAM, MainWindowSizeText(), "--text"}, "Window With Text",
                 &meanSeconds);
  if (EmptyWindowMeanSeconds() > 0)
    state.counters["times_empty_window"] = meanSeconds / EmptyWindowMeanSeconds();
}

void BM_StartUpInstaller(benchmark::State& state) {
  double meanSeconds = 0;
  MeasureStartUp(state, {kInstaller.string()}, "Atomnote 1.6.2 Installer", &meanSeconds);
  if (EmptyWindowMeanSeconds() > 0)
    state.counters["times_empty_window"] = meanSeconds / EmptyWindowMeanSeconds();
}

// The empty window first: the installer's figure is given as a multiple of it.
BENCHMARK(BM_StartUpEmptyWindow)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpWindowWithText)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpInstaller)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace
