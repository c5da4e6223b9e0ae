#pragma once

#include <string>

// Texts of the messages the element notes and the worker show.
std::string CreateElementsErrorMessage();  // #712
std::string IsotopeBoundsErrorMessage();
std::string WorkerEjectFailedMessage();
