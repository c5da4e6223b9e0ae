#pragma once

#include "framework/FolderItem.h"

// The preferences file: 20 key=value lines in the user's preferences folder.
inline constexpr const char* kPreferencesFileName = "Atomnote Preferences";

// The file's item in the preferences folder; nil when there is no preferences folder.
FolderItem PreferencesFile();

// Every preference global to its default; gIsNewUser is left alone.
void setDefaultPreferences();
// The defaults, then the file. Writes the file on the first run; may show a message.
void loadPreferences();
// Replaces the file with the current globals. A failure part-way leaves the earlier file as it
// was.
void savePreferences();
