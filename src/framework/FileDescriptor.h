#pragma once

#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <utility>

// An open POSIX file descriptor, closed when it goes out of scope unless released or closed
// first.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      if (fd_ >= 0) ::close(fd_);
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  int get() const { return fd_; }
  // Gives up ownership: the descriptor stays open and is no longer closed here.
  int Release() { return std::exchange(fd_, -1); }

  // Closes the descriptor; 0 on success, else the errno of close(2). The descriptor is released
  // either way, as close(2) does not leave it open after an error.
  int Close() {
    if (fd_ < 0) return 0;
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_ = -1;
};

// Writes all size bytes to fd, carrying on after partial writes and interrupts. Returns 0, or the
// errno of the write that failed.
inline int WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return 0;
}

// Reads up to size bytes from fd, retrying after interrupts. Returns the count read (0 at the
// end of the file), or -1 with errno set.
inline ssize_t ReadSome(int fd, char* data, std::size_t size) {
  for (;;) {
    const ssize_t read = ::read(fd, data, size);
    if (read >= 0 || errno != EINTR) return read;
  }
}
