#pragma once

#include <ostream>

// A summary of what the application core loaded: system version, preferences and element
// tables. The program prints it while it has no main window.
void PrintCoreReport(std::ostream& out);
