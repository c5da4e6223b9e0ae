#pragma once

#include "framework/FolderItem.h"

// The preferences file: 20 key=value lines in the user's preferences folder.
inline constexpr const char* kPreferencesFileName = "Atomnote Preferences";

// The file's item in the preferences folder; nil when there is no preferences folder.
FolderItem PreferencesFile();

// Every preference global to its default; gIsNewUser is left alone.
void setDefaultPreferences();
// The defaults, then the file. Writes the file on the first run; may show a message. Lines may end
// with LF, CR LF or CR, and a byte-order mark may lead; only the first MiB of the file is read,
// and a file that is not a plain, readable file is left unread, silently.
void loadPreferences();
// Replaces the file with the current globals. A failure part-way leaves the earlier file as it
// was. A file that is there but cannot be read or written is never replaced: the "could not be
// saved" message instead. A save also deletes the hidden new files that saves killed before
// their end left in the folder, silently and only those.
void savePreferences();
