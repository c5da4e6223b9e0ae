#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

// Limits the number of files this process may have open while it lives: count more than the
// lowest free descriptor now, so that opening one more past those fails with EMFILE.
class ScopedOpenFileLimit {
 public:
  explicit ScopedOpenFileLimit(rlim_t count) {
    getrlimit(RLIMIT_NOFILE, &previous_);
    const int lowestFree = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ::close(lowestFree);
    rlimit limited = previous_;
    limited.rlim_cur = rlim_t(lowestFree) + count;
    setrlimit(RLIMIT_NOFILE, &limited);
  }
  ~ScopedOpenFileLimit() { setrlimit(RLIMIT_NOFILE, &previous_); }
  ScopedOpenFileLimit(const ScopedOpenFileLimit&) = delete;
  ScopedOpenFileLimit& operator=(const ScopedOpenFileLimit&) = delete;

 private:
  rlimit previous_{};
};
