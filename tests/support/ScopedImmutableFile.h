#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>

// Sets one inode flag (as `chattr` does) on a file or folder while it lives. Not every file
// system keeps the flags, and setting them needs root: applied() says whether it took.
class ScopedInodeFlag {
 public:
  ScopedInodeFlag(std::filesystem::path path, int flag) : path_(std::move(path)), flag_(flag) {
    applied_ = Set(true);
  }
  ~ScopedInodeFlag() {
    if (applied_) Set(false);
  }
  ScopedInodeFlag(const ScopedInodeFlag&) = delete;
  ScopedInodeFlag& operator=(const ScopedInodeFlag&) = delete;

  bool applied() const { return applied_; }

 private:
  bool Set(bool on) const {
    const int file = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) return false;
    int flags = 0;
    bool done = ::ioctl(file, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
      flags = on ? flags | flag_ : flags & ~flag_;
      done = ::ioctl(file, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(file);
    return done;
  }

  std::filesystem::path path_;
  int flag_;
  bool applied_ = false;
};

// Marks a file immutable (`chattr +i`) while it lives, so that nobody, root included, can delete
// or rename it.
class ScopedImmutableFile : public ScopedInodeFlag {
 public:
  explicit ScopedImmutableFile(std::filesystem::path path)
      : ScopedInodeFlag(std::move(path), FS_IMMUTABLE_FL) {}
};

// Makes a folder append-only (`chattr +a`) while it lives: new items can be made in it, but
// nobody, root included, can delete or rename what it holds.
class ScopedAppendOnlyFolder : public ScopedInodeFlag {
 public:
  explicit ScopedAppendOnlyFolder(std::filesystem::path path)
      : ScopedInodeFlag(std::move(path), FS_APPEND_FL) {}
};
