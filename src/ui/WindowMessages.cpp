#include "ui/WindowMessages.h"

#include "framework/TextOutputStream.h"

std::string ListboxDrawingErrorMessage() { return "Error #715: Listbox drawing error."; }

std::string MonopolizeCautionMessage() {
  return std::string(
             "Please use the \"Monopolize iPod Notes Function\" with caution. If enabled, only Atomnote will "
             "appear under the iPod's \"Notes\" function.") +
         std::string(EndOfLine) + std::string(EndOfLine) +
         "This provides slightly faster access to Atomnote. However, no other notes installed on your iPod will "
         "be available. Click the checkbox again if you really want to enable this feature.";
}
