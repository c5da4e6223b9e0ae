#include "app/CoreReport.h"

#include "app/AtomnoteState.h"
#include "data/ElementTables.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/PreferencesFile.h"
#include "prefs/ProductInfo.h"

namespace {

int RowsWithSymbols() {
  int rows = 0;
  for (int r = 0; r <= kElementRowUpperBound; ++r) {
    if (!eGeneral(r, 1).empty()) ++rows;
  }
  return rows;
}

int GlossaryTerms() {
  int terms = 0;
  for (int k = 0; k < kGlossaryTermCount; ++k) {
    if (!eGlossary(k, 0).empty()) ++terms;
  }
  return terms;
}

const char* YesNo(bool value) { return value ? "yes" : "no"; }

}  // namespace

void PrintCoreReport(std::ostream& out) {
  FolderItem file = PreferencesFile();
  out << "Atomnote Installer " << kAtomnoteVersion << " (application core; no main window yet)\n"
      << "System version: " << App().globalMacOSVersion << "\n"
      << "Preferences file: " << (file.IsNil() ? std::string("(no preferences folder)") : file.ShellPath())
      << "\n"
      << "New user: " << YesNo(gIsNewUser) << "\n"
      << "Spelling: " << (prefLanguage == 1 ? "British" : "American") << "\n"
      << "Visual tables: " << YesNo(prefVisualTables) << ", glossary: " << YesNo(prefGlossary)
      << ", omit blanks: " << YesNo(prefOmitBlanks)
      << ", monopolize Notes: " << YesNo(prefMonopolizeiPodNotes) << "\n"
      << "Element rows with a symbol: " << RowsWithSymbols() << " of " << kElementRowCount << "\n"
      << "Glossary terms: " << GlossaryTerms() << " of " << kGlossaryTermCount << "\n";
}
