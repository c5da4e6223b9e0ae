#pragma once

#include <string>

// Texts of the messages the preferences file shows.
std::string PreferencesNotSavedMessage();   // message A
std::string PreferencesSaveErrorMessage();  // #7
std::string PreferencesReadErrorMessage();  // #89
std::string UpdateMessage();
