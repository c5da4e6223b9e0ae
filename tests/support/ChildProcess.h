#pragma once

#include <sys/resource.h>

#include <QProcess>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

// Another program run by a test, as a second installer would run beside the first: its standard
// output is read line by line, a line can be sent to its standard input, and it can be given a
// file-size limit of its own (with SIGXFSZ at its default, as a shell's `ulimit -f` leaves it).
class ChildProcess {
 public:
  ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
               std::optional<rlim_t> fileSizeLimit = std::nullopt);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return started_; }
  // Waits until the program has written this line; false when it did not within the limit, or
  // ended first.
  bool WaitForLine(const std::string& line, std::chrono::milliseconds limit);
  void SendLine(const std::string& line);
  // Waits for the end; false when it did not end within the limit (it is killed then).
  bool Finish(std::chrono::milliseconds limit);

  // After Finish: whether it ended by itself (not killed by a signal), and its exit code.
  bool ExitedNormally() const;
  int ExitCode() const;
  // Every line it wrote so far.
  const std::vector<std::string>& Lines();

 private:
  void ReadLines();

  QProcess process_;
  bool started_ = false;
  std::string pending_;
  std::vector<std::string> lines_;
};
