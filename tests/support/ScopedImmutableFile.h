#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>

// Marks a file immutable (the flag `chattr +i` sets) while it lives, so that nobody, root
// included, can delete or rename it. Not every file system keeps the flag, and setting it needs
// root: applied() says whether it took.
class ScopedImmutableFile {
 public:
  explicit ScopedImmutableFile(std::filesystem::path path) : path_(std::move(path)) {
    applied_ = SetImmutable(true);
  }
  ~ScopedImmutableFile() {
    if (applied_) SetImmutable(false);
  }
  ScopedImmutableFile(const ScopedImmutableFile&) = delete;
  ScopedImmutableFile& operator=(const ScopedImmutableFile&) = delete;

  bool applied() const { return applied_; }

 private:
  bool SetImmutable(bool on) const {
    const int file = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) return false;
    int flags = 0;
    bool done = ::ioctl(file, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
      flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
      done = ::ioctl(file, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(file);
    return done;
  }

  std::filesystem::path path_;
  bool applied_ = false;
};
