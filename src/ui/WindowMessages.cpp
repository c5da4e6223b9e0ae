#include "ui/WindowMessages.h"

std::string ListboxDrawingErrorMessage() { return "Error #715: Listbox drawing error."; }
