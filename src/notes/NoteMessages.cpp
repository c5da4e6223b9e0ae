#include "notes/NoteMessages.h"

std::string CreateElementsErrorMessage() { return "Error #712: Generic error in createElements"; }

std::string IsotopeBoundsErrorMessage() { return "Error: array out of bounds in createIsotopes"; }

std::string WorkerEjectFailedMessage() {
  return "Could not eject the iPod. Use iTunes to eject the iPod before disconnecting it.";
}
