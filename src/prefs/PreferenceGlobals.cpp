#include "prefs/PreferenceGlobals.h"

int prefLanguage = 0;
bool prefMonopolizeiPodNotes = false;
bool prefVisualTables = false;
bool prefOmitBlanks = false;
bool prefGlossary = false;
bool prefDiskUseReminder = false;
std::string prefLastUsedVersion;

std::string prefPhysical;
std::string prefCrystal;
std::string prefBonding;
std::string prefAbundances;
std::string prefMisc;
std::string prefIsotope;

Array1D<int> prefUnits(kUnitQuantityUpperBound);

bool gIsNewUser = false;

void ResetPreferenceGlobals() {
  prefLanguage = 0;
  prefMonopolizeiPodNotes = false;
  prefVisualTables = false;
  prefOmitBlanks = false;
  prefGlossary = false;
  prefDiskUseReminder = false;
  prefLastUsedVersion.clear();
  for (std::string* selection :
       {&prefPhysical, &prefCrystal, &prefBonding, &prefAbundances, &prefMisc, &prefIsotope}) {
    selection->clear();
  }
  prefUnits.Clear();
  gIsNewUser = false;
}
