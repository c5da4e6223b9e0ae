#pragma once

#include <string>

#include "framework/FolderItem.h"

// Texts of the messages the preferences file shows.
std::string PreferencesNotSavedMessage();   // message A
std::string PreferencesSaveErrorMessage();  // #7
// #89; names the preferences folder where it is known.
std::string PreferencesReadErrorMessage(const FolderItem& preferencesFolder);
std::string UpdateMessage();
