#include "install/iPodLock.h"

#include <sys/file.h>

#include <cerrno>

iPodLock iPodLock::Take(const FolderItem& notes) {
  iPodLock lock;
  FileDescriptor folder = notes.OpenFolder();
  if (!folder.IsOpen()) return lock;
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
