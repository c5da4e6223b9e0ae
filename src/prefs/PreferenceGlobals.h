#pragma once

#include <string>

#include "framework/Arrays.h"

// The user's choices, read by the install and the notes and written by the main window. Before
// the defaults are set, Booleans are false, Integers 0 and Strings empty.

extern int prefLanguage;  // 0 American, 1 British spelling
extern bool prefMonopolizeiPodNotes;
extern bool prefVisualTables;
extern bool prefOmitBlanks;
extern bool prefGlossary;
extern bool prefDiskUseReminder;
extern std::string prefLastUsedVersion;

// Selection strings: blank-separated "1"/"0" tokens, token k selecting line k of its group.
extern std::string prefPhysical;
extern std::string prefCrystal;
extern std::string prefBonding;
extern std::string prefAbundances;
extern std::string prefMisc;
extern std::string prefIsotope;

// One unit choice per quantity, indexes 0 to 16: the position in that quantity's unit list.
inline constexpr int kUnitQuantityUpperBound = 16;
extern Array1D<int> prefUnits;

// True on the first run and after an update from an older version.
extern bool gIsNewUser;

// Every preference global back to its value at program start.
void ResetPreferenceGlobals();
