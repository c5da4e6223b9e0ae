#pragma once

#include <fcntl.h>
#include <sys/resource.h>

// Limits the number of files this process may have open while it lives, so that exactly count
// more can be opened and the one after fails with EMFILE, whichever descriptors earlier tests or
// libraries left open: the limit goes just above the count-th descriptor number that is free.
class ScopedOpenFileLimit {
 public:
  explicit ScopedOpenFileLimit(rlim_t count) {
    getrlimit(RLIMIT_NOFILE, &previous_);
    rlim_t free = 0;
    int descriptor = 0;
    for (; free < count; ++descriptor) {
      if (::fcntl(descriptor, F_GETFD) == -1) ++free;
    }
    rlimit limited = previous_;
    limited.rlim_cur = rlim_t(descriptor);
    setrlimit(RLIMIT_NOFILE, &limited);
  }
  ~ScopedOpenFileLimit() { setrlimit(RLIMIT_NOFILE, &previous_); }
  ScopedOpenFileLimit(const ScopedOpenFileLimit&) = delete;
  ScopedOpenFileLimit& operator=(const ScopedOpenFileLimit&) = delete;

 private:
  rlimit previous_{};
};
