#include "install/iPodLock.h"

#include <sys/file.h>

#include <cerrno>

iPodLock iPodLock::Take(const FolderItem& notes) {
  iPodLock lock;
  FileDescriptor folder = notes.OpenFolder();
  if (!folder.IsOpen()) {
    lock.folderUnreachable_ = true;
    return lock;
  }
  int result = 0;
  do {
    result = ::flock(folder.get(), LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) {
    lock.folder_ = std::move(folder);
  } else {
    lock.heldElsewhere_ = errno == EWOULDBLOCK;
  }
  return lock;
}

iPodLock& iPodLock::operator=(iPodLock&& other) noexcept {
  if (this != &other) {
    Release();
    folder_ = std::move(other.folder_);
    heldElsewhere_ = other.heldElsewhere_;
    folderUnreachable_ = other.folderUnreachable_;
  }
  return *this;
}

void iPodLock::Release() {
  // The descriptor may share its lock with others of the same folder (the folder held open for
  // the writes): closing this one alone would not let go.
  if (folder_.IsOpen()) (void)::flock(folder_.get(), LOCK_UN);
  (void)folder_.Close();
}
