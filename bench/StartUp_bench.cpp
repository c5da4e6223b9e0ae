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
  const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
  ChildProcess program(arguments.front(), rest,
                       {.environment = {{"DISPLAY", Server().DisplayName()},
                                        {"QT_QPA_PLATFORM", "xcb"},
                                        {"XDG_CONFIG_HOME", ConfigFolder().string()},
                                        {"XDG_RUNTIME_DIR", (ConfigFolder() / "runtime").string()}},
                        .output = "/dev/null"});
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

// Each iteration starts the empty window, the window with a line of text and the installer, one
// after the other, so a machine busy with other work slows all three alike. The iteration's time
// is the installer's; the counters give the median times (ms) and resident memory (MiB) of all
// three and the installer's median time as a multiple of the empty window's.
void BM_StartUpBesideAnEmptyWindow(benchmark::State& state) {
  if (!Server().Running()) {
    state.SkipWithError(Server().skipReason().c_str());
    return;
  }
  const Contender installer{{kInstaller.string()}, "Atomnote 1.6.2 Installer"};
  // The first start, not counted, gives the installer's window size and puts the files of all
  // three in the page cache.
  const std::optional<Launch> first = LaunchUntilShown(installer.arguments, installer.title);
  if (!first) {
    state.SkipWithError("the installer's main window never came up");
    return;
  }
  const std::string size =
      std::to_string(first->windowSize.width()) + "x" + std::to_string(first->windowSize.height());
  const std::vector<Contender> contenders = {{{EMPTY_WINDOW_PROGRAM, size}, "Empty Window"},
                                             {{EMPTY_WINDOW_PROGRAM, size, "--text"}, "Window With Text"},
                                             installer};
  std::vector<std::vector<double>> milliseconds(contenders.size());
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
      milliseconds[i].push_back(launch->seconds * 1000);
      mebibytes[i].push_back(static_cast<double>(launch->residentKiB) / 1024);
      if (i + 1 == contenders.size()) state.SetIterationTime(launch->seconds);
    }
  }
  const char* names[] = {"empty_window", "window_with_text", "installer"};
  for (std::size_t i = 0; i < contenders.size(); ++i) {
    state.counters[std::string(names[i]) + "_ms"] = Median(milliseconds[i]);
    state.counters[std::string(names[i]) + "_MiB"] = Median(mebibytes[i]);
  }
  state.counters["installer_times_empty"] = Median(milliseconds[2]) / Median(milliseconds[0]);
  state.counters["installer_times_text"] = Median(milliseconds[2]) / Median(milliseconds[1]);
}

BENCHMARK(BM_StartUpBesideAnEmptyWindow)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace
