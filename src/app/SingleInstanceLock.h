#pragma once

#include "framework/FileDescriptor.h"

// One installer per user at a time: an advisory lock (flock) on a file of the user's own, held
// from start-up while the program runs and let go however it ends. The file lies in the user's
// runtime folder ($XDG_RUNTIME_DIR), else, hidden, in the preferences folder. Where no such file
// can be made, nothing stands in the way of starting.
class SingleInstanceLock {
 public:
  // Takes the lock without waiting.
  SingleInstanceLock();

  // True when another installer of this user holds the lock: this one must say so and quit.
  bool AnotherInstallerIsRunning() const { return anotherRunning_; }

  // The message that an installer is already running.
  static void ShowAlreadyRunning();

 private:
  FileDescriptor file_;
  bool anotherRunning_ = false;
};
