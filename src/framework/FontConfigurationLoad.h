#pragma once

#include <thread>

// Loads the system's font configuration on a thread of its own while the caller goes on with
// other start-up work. The first text a program draws needs that configuration, and loading it
// (reading and parsing every configuration file) is the largest part of what drawing the first
// text costs. Qt finds the configuration loaded and uses it; should Qt ask for it before the
// thread is done, both load it and one copy is kept, so nothing changes but the time it takes.
class FontConfigurationLoad {
 public:
  FontConfigurationLoad();
  // Waits for the thread.
  ~FontConfigurationLoad();
  FontConfigurationLoad(const FontConfigurationLoad&) = delete;
  FontConfigurationLoad& operator=(const FontConfigurationLoad&) = delete;

  // Returns once the configuration is loaded (or failed to load: Qt then tries again itself).
  void Wait();

 private:
  std::thread thread_;
};
