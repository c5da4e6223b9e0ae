#pragma once

#include <chrono>

// How long code runs between two turns of the event loop at most, as a cooperative scheduler's
// time slice: short enough that the windows keep redrawing and timers keep firing on time.
inline constexpr std::chrono::milliseconds kTimeSlice{10};

// Lets the framework handle pending events (redraws, timers) where an event loop runs; does
// nothing elsewhere. The program's threads are cooperative and switch only here: once a thread
// has run for its time slice since the last switch, not at every call. The first yield of the
// program always hands the turn on.
void Yield();

// Test seam: sets the time slice (zero: every yield hands the turn on) and returns the one it
// replaces.
std::chrono::milliseconds SetTimeSliceForTesting(std::chrono::milliseconds slice);
// Test seam: forgets when the turn was last handed on, so that the next yield hands it on, as
// the program's first one does.
void RestartTimeSliceForTesting();
