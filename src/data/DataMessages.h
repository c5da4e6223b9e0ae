#pragma once

#include <string>

// Texts of the messages the data layer shows.
std::string BritishTranslationErrorMessage();  // #722
