#include "data/ElementTables.h"
#include "install/InstallSteps.h"
#include "prefs/PreferenceGlobals.h"

bool BritishNames() { return prefLanguage != 0; }

const std::string& ElementName(int row) { return BritishNames() ? eBritish(row) : eEnglish(row); }
