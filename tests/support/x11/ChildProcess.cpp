#include "support/x11/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

extern char** environ;

namespace {

std::vector<std::string> EnvironmentWith(const std::map<std::string, std::optional<std::string>>& changes) {
  std::map<std::string, std::string> variables;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text(*entry);
    const std::size_t equals = text.find('=');
    if (equals != std::string::npos) variables[text.substr(0, equals)] = text.substr(equals + 1);
  }
  for (const auto& [name, value] : changes) {
    if (value) {
      variables[name] = *value;
    } else {
      variables.erase(name);
    }
  }
  std::vector<std::string> entries;
  for (const auto& [name, value] : variables) entries.push_back(name + "=" + value);
  return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments,
                           const std::map<std::string, std::optional<std::string>>& environment,
                           const std::filesystem::path& output) {
  std::vector<std::string> argumentTexts = arguments;
  std::vector<std::string> environmentTexts = EnvironmentWith(environment);
  std::vector<char*> argv = Pointers(argumentTexts);
  std::vector<char*> envp = Pointers(environmentTexts);
  const std::string outputPath = output.empty() ? std::string("/dev/null") : output.string();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                   0644);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  pid_t child = -1;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return;
  pid_ = child;
  pidfd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
}

ChildProcess::~ChildProcess() {
  Stop();
  if (pidfd_ >= 0) close(pidfd_);
}

std::optional<int> ChildProcess::WaitForExit(int timeoutMs) {
  if (status_ || pid_ <= 0) return status_;
  // The process's descriptor becomes readable when it ends; without one, the wait is one look.
  if (pidfd_ >= 0) {
    pollfd ended{pidfd_, POLLIN, 0};
    if (poll(&ended, 1, timeoutMs) <= 0) return std::nullopt;
  }
  int status = 0;
  if (waitpid(pid_, &status, pidfd_ >= 0 ? 0 : WNOHANG) != pid_) return std::nullopt;
  status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return status_;
}

void ChildProcess::Stop() {
  if (pid_ <= 0 || WaitForExit(0)) return;
  kill(pid_, SIGTERM);
  if (WaitForExit(2000)) return;
  kill(pid_, SIGKILL);
  WaitForExit(2000);
}

bool ProgramOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return false;
  std::stringstream folders(path);
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    if (!folder.empty() && access((std::filesystem::path(folder) / name).c_str(), X_OK) == 0) return true;
  }
  return false;
}
