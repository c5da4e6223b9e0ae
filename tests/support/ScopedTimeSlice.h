#pragma once

#include <chrono>

#include "framework/Yield.h"

// Gives the cooperative threads another time slice while it lives (zero: every yield hands the
// turn on), starting afresh, so that the next yield hands the turn on; then puts the slice back.
// A test that needs a loop to yield at a given point sets it instead of hoping that the loop has
// used up its slice there.
class ScopedTimeSlice {
 public:
  explicit ScopedTimeSlice(std::chrono::milliseconds slice) : previous_(SetTimeSliceForTesting(slice)) {
    RestartTimeSliceForTesting();
  }
  ~ScopedTimeSlice() {
    SetTimeSliceForTesting(previous_);
    RestartTimeSliceForTesting();
  }
  ScopedTimeSlice(const ScopedTimeSlice&) = delete;
  ScopedTimeSlice& operator=(const ScopedTimeSlice&) = delete;

 private:
  std::chrono::milliseconds previous_;
};
