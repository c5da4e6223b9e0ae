#include "app/SingleInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "framework/FolderItem.h"
#include "framework/MessageSink.h"
#include "framework/TextOutputStream.h"

namespace fs = std::filesystem;

namespace {

// The lock file: in the runtime folder, which lasts as long as the user's session, else in the
// preferences folder, out of sight.
std::optional<fs::path> LockFilePath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && fs::path(runtime).is_absolute() && FolderItem(runtime).Directory()) {
    return fs::path(runtime) / "Atomnote Installer.lock";
  }
  const FolderItem preferences = PreferencesFolder();
  if (preferences.IsNil()) return std::nullopt;
  return preferences.Path() / ".Atomnote Installer.lock";
}

}  // namespace

SingleInstanceLock::SingleInstanceLock() {
  const std::optional<fs::path> path = LockFilePath();
  if (!path) return;
  FileDescriptor file(::open(path->c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (!file.IsOpen()) return;
  int result = 0;
  do {
    result = ::flock(file.get(), LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) {
    file_ = std::move(file);
  } else {
    anotherRunning_ = errno == EWOULDBLOCK;
  }
}

void SingleInstanceLock::ShowAlreadyRunning() {
  const std::string lineEnd(EndOfLine);
  MsgBox("Atomnote Installer is already running." + lineEnd + lineEnd +
             "Only one copy of the installer can run at a time. Use the one that is open, or quit it "
             "before you start the installer again.",
         kCautionIcon, "Already running.");
}
