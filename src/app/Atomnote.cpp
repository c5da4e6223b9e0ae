#include "app/Atomnote.h"

#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "prefs/PreferencesFile.h"

void Atomnote::Event_Open() {
  checkOSversion();
  buildBritishTranslationTable();
  loadPreferences();
  loadDatasets();
}

void Atomnote::Event_Close() { savePreferences(); }

void Atomnote::setDefaultPreferences() { ::setDefaultPreferences(); }

void Atomnote::loadPreferences() { ::loadPreferences(); }

void Atomnote::savePreferences() { ::savePreferences(); }
