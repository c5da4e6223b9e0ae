#pragma once

// Lets the framework handle pending events (redraws, timers) where an event loop runs; does
// nothing elsewhere. The program's threads are cooperative and switch only here.
void Yield();
