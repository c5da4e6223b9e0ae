#include "data/DataMessages.h"

std::string BritishTranslationErrorMessage() { return "Error #722: British translation failure."; }
