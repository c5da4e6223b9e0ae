#pragma once

#include <string>

// Texts of the messages the main window's own controls show.
std::string ListboxDrawingErrorMessage();  // #715
// The caution shown before the monopolize option can be ticked.
std::string MonopolizeCautionMessage();
