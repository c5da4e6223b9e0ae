#pragma once

// Lets the framework handle pending events (redraws, timers) where an event loop runs; does
// nothing elsewhere. The program's threads are cooperative and switch only here: once a thread
// has run for its time slice (10 ms) since the last switch, not at every call.
void Yield();
