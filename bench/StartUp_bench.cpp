#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "support/ChildProcess.h"
#include "support/x11/VirtualXServer.h"

// How long a program takes from being started to its window being shown on an X server, and how
// much memory it holds then: the installer beside yardsticks of the same size, on one virtual X
// server, one after the other. Two moments are taken: the window mapped (the X server exposes
// it; a window shows nothing of its own yet) and its first frame (the program's first drawing
// into it), which is when a person sees it. The yardsticks: an empty Qt window; a window with one
// line of text, for what loading the fonts alone costs; and the installer's own main window with
// its menu bar and controls shown without any of the installer's start-up work, for what having
// these controls costs.

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
  double shownSeconds = 0;
  double drawnSeconds = 0;
  long residentKiB = 0;
  QSize windowSize;
};

// Starts the program and waits for its window of that title and its first frame; nothing when
// either never came. The program is ended and its windows gone when this returns, so the screen
// is quiet for the next start.
std::optional<Launch> LaunchUntilShown(const std::vector<std::string>& arguments, const std::string& title) {
  if (!Server().WatchDrawing()) return std::nullopt;
  const Clock::time_point start = Clock::now();
  const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
  std::optional<Launch> launch;
  pid_t pid = 0;
  {
    ChildProcess program(arguments.front(), rest,
                         {.environment = {{"DISPLAY", Server().DisplayName()},
                                          {"QT_QPA_PLATFORM", "xcb"},
                                          {"XDG_CONFIG_HOME", ConfigFolder().string()},
                                          {"XDG_RUNTIME_DIR", (ConfigFolder() / "runtime").string()}},
                          .output = "/dev/null"});
    if (!program.Started()) return std::nullopt;
    pid = program.Pid();
    const auto window = Server().WaitForWindow(
        pid, [&title](const VirtualXServer::WindowInfo& shown) { return shown.title == title; }, 30000);
    if (!window) return std::nullopt;
    const Clock::time_point shown = Clock::now();
    const auto drawn = Server().WaitForDrawing(window->geometry, 30000);
    if (!drawn) return std::nullopt;
    launch = Launch{.shownSeconds = std::chrono::duration<double>(shown - start).count(),
                    .drawnSeconds = std::chrono::duration<double>(*drawn - start).count(),
                    .residentKiB = ResidentKiB(pid),
                    .windowSize = window->geometry.size()};
  }
  Server().WaitForNoWindow(
      pid, [](const VirtualXServer::WindowInfo&) { return true; }, 10000);
  return launch;
}

// A program to start and the title of the window it shows.
struct Contender {
  std::vector<std::string> arguments;
  std::string title;
};

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Each iteration starts the empty window, the window with a line of text, the installer's window
// without its start-up work and the installer, one after the other, so a machine busy with other
// work slows all alike. The iteration's time is the installer's first frame; the counters give
// the median times (ms) until each window was mapped and until its first frame, the median
// resident memory (MiB) at the first frame, and the installer's median times as multiples of the
// empty window's and of its own window's without the start-up work.
void BM_StartUpBesideAnEmptyWindow(benchmark::State& state) {
  if (!Server().Running()) {
    state.SkipWithError(Server().skipReason().c_str());
    return;
  }
  const Contender installer{{kInstaller.string()}, "Atomnote 1.6.2 Installer"};
  // The first start, not counted, gives the installer's window size and puts the files of all
  // of them in the page cache.
  const std::optional<Launch> first = LaunchUntilShown(installer.arguments, installer.title);
  if (!first) {
    state.SkipWithError("the installer's main window never came up, or this X server cannot report drawing");
    return;
  }
  const std::string size =
      std::to_string(first->windowSize.width()) + "x" + std::to_string(first->windowSize.height());
  const std::vector<Contender> contenders = {{{EMPTY_WINDOW_PROGRAM, size}, "Empty Window"},
                                             {{EMPTY_WINDOW_PROGRAM, size, "--text"}, "Window With Text"},
                                             {{INSTALLER_WINDOW_ONLY_PROGRAM}, installer.title},
                                             installer};
  const char* names[] = {"empty_window", "window_with_text", "window_only", "installer"};
  enum { kEmpty = 0, kWindowOnly = 2, kInstaller = 3 };
  std::vector<std::vector<double>> shownMs(contenders.size());
  std::vector<std::vector<double>> drawnMs(contenders.size());
  std::vector<std::vector<double>> mebibytes(contenders.size());
  for (const Contender& contender : contenders) {
    if (!LaunchUntilShown(contender.arguments, contender.title)) {
      state.SkipWithError(("the window \"" + contender.title + "\" never came up").c_str());
      return;
    }
  }
  for (auto _ : state) {
    for (std::size_t i = 0; i < contenders.size(); ++i) {
      const std::optional<Launch> launch = LaunchUntilShown(contenders[i].arguments, contenders[i].title);
      if (!launch) {
        state.SkipWithError(("the window \"" + contenders[i].title + "\" never came up").c_str());
        return;
      }
      shownMs[i].push_back(launch->shownSeconds * 1000);
      drawnMs[i].push_back(launch->drawnSeconds * 1000);
      mebibytes[i].push_back(static_cast<double>(launch->residentKiB) / 1024);
      if (i == kInstaller) state.SetIterationTime(launch->drawnSeconds);
    }
  }
  for (std::size_t i = 0; i < contenders.size(); ++i) {
    state.counters[std::string(names[i]) + "_shown_ms"] = Median(shownMs[i]);
    state.counters[std::string(names[i]) + "_drawn_ms"] = Median(drawnMs[i]);
    state.counters[std::string(names[i]) + "_MiB"] = Median(mebibytes[i]);
  }
  state.counters["installer_drawn_times_empty"] = Median(drawnMs[kInstaller]) / Median(drawnMs[kEmpty]);
  state.counters["installer_shown_times_empty"] = Median(shownMs[kInstaller]) / Median(shownMs[kEmpty]);
  state.counters["installer_drawn_times_window_only"] =
      Median(drawnMs[kInstaller]) / Median(drawnMs[kWindowOnly]);
}

BENCHMARK(BM_StartUpBesideAnEmptyWindow)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace
