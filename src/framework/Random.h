#pragma once

#include <functional>

// The program's pseudo-random numbers: one generator for the whole process. The program never
// seeds it, so every run draws the same sequence.

// A number uniform in [0, 1).
double Rnd();

// Makes Rnd return what draw returns, until an empty function puts the generator back.
void SetRandomForTesting(std::function<double()> draw);
