#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <QProcess>
#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// How a program beside a test is run: a file-size limit of its own (with SIGXFSZ at its default,
// as a shell's `ulimit -f` leaves it), environment variables set (nullopt: removed) on top of the
// test's own, and where its output goes: read line by line (standard error passed on to the
// test's as it is read), or both its outputs appended to a file.
struct ChildProcessOptions {
  std::optional<rlim_t> fileSizeLimit = std::nullopt;
  std::map<std::string, std::optional<std::string>> environment = {};
  std::filesystem::path output = {};
};

// Another program run by a test, as a second installer would run beside the first, or the
// installer on an X server of the test's own. When the object goes while it still runs, it is
// asked to end, and killed if it does not within two seconds.
class ChildProcess {
 public:
  ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
               const ChildProcessOptions& options = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return started_; }
  pid_t Pid() const { return static_cast<pid_t>(process_.processId()); }
  // Waits until the program has written this line; false when it did not within the limit, or
  // ended first.
  bool WaitForLine(const std::string& line, std::chrono::milliseconds limit);
  void SendLine(const std::string& line);
  // Waits for the end; false when it did not end within the limit (it goes on running).
  bool WaitForEnd(std::chrono::milliseconds limit);
  // Waits for the end; false when it did not end within the limit (it is killed then).
  bool Finish(std::chrono::milliseconds limit);

  // After the end: whether it ended by itself (not killed by a signal), and its exit code.
  bool ExitedNormally() const;
  int ExitCode() const;
  // Every line it wrote so far; none when its output goes to a file.
  const std::vector<std::string>& Lines();

 private:
  void ReadLines();

  QProcess process_;
  bool readsOutput_;
  bool started_ = false;
  std::string pending_;
  std::vector<std::string> lines_;
};

// Whether a program of that name can be started from PATH.
bool ProgramOnPath(const std::string& name);
