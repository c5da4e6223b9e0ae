#include "data/ElementTables.h"
#include "notes/OptionalLine.h"
#include "notes/PropertyLines.h"
#include "prefs/PreferenceGlobals.h"

NoteLines CASLines(int row) {
  NoteLines lines;
  AddLine(lines, StoredTextLine(IsSelected(prefMisc, 1), eCAS(row), {"CAS #: ", "CAS #: --"}));
  return lines;
}
