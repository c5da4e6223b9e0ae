#include "data/ElementTables.h"
#include "framework/TextFunctions.h"
#include "install/InstallerWindow.h"
#include "install/NoteOutput.h"
#include "prefs/PreferenceGlobals.h"

void InstallerWindow::uniWriteLn(const std::string& text, TextOutputStream& stream) const {
  ::uniWriteLn(text, stream);
}

void InstallerWindow::uniWrite(const std::string& text, TextOutputStream& stream) const {
  ::uniWrite(text, stream);
}

std::string InstallerWindow::formatAtNumber(const std::string& name, int32_t n) const {
  std::string padding;
  if (n < 10) {
    padding = "  ";
  } else if (n < 100) {
    padding = " ";
  }
  return padding + Str(n) + " " + name;
}

std::string InstallerWindow::deepMenuReference() const {
  return prefMonopolizeiPodNotes ? "<A HREF=\"/alpha.linx\">" : "<A HREF=\"/main.linx\">";
}

// The link is absolute from the Notes folder: "/e/..." when the notes fill the Notes folder,
// "/Atomnote/e/..." when they sit in the product folder.
std::string InstallerWindow::deepReferencer(int32_t atomicNumber, const StringArray& names) const {
  const std::string& symbol = eGeneral(atomicNumber - 1, 1);
  const std::string folder = prefMonopolizeiPodNotes ? "/e/" : "/Atomnote/e/";
  return "<A HREF=\"" + folder + symbol + "\">" + names(atomicNumber - 1) + "</A>";
}
