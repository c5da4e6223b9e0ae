#pragma once

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A program a test starts beside itself, without a shell. It is stopped, by its process id, when
// the object goes, if it still runs then.
class ChildProcess {
 public:
  // Starts arguments[0] (found on PATH) with the rest as its arguments, in the test's environment
  // with the given variables set (nullopt: removed). Its standard output and error go to output
  // when given, else nowhere.
  explicit ChildProcess(const std::vector<std::string>& arguments,
                        const std::map<std::string, std::optional<std::string>>& environment = {},
                        const std::filesystem::path& output = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }
  // Waits until the program ends, at most timeoutMs; its exit status (-1 when a signal ended it),
  // or nothing while it still runs.
  std::optional<int> WaitForExit(int timeoutMs);
  // Asks the program to end, and ends it after two seconds if it has not.
  void Stop();

 private:
  pid_t pid_ = -1;
  int pidfd_ = -1;
  std::optional<int> status_;
};

// Whether a program of that name is on PATH.
bool ProgramOnPath(const std::string& name);
