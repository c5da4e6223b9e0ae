#include <array>

#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "data/ResourceCatalogue.h"
#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Yield.h"
#include "install/InstallSteps.h"
#include "install/NoteOutput.h"
#include "prefs/PreferenceGlobals.h"

namespace {

struct VisualTable {
  const char* source;  // in the bundle's Contents/Resources
  const char* target;  // in t/
  const char* label;   // in table.linx, led by a blank
};

constexpr std::array<VisualTable, 4> kVisualTables = {{
    {"periodic-320-vpod.jpg", "basic.jpg", " Basic Table"},
    {"en-320-vpod.jpg", "en.jpg", " Electronegativity"},
    {"solid-liquid-gas-320-vpod.jpg", "state.jpg", " State@298K"},
    {"atwt-320-vpod.jpg", "weights.jpg", " Atomic Weights"},
}};

constexpr const char* kBundleName = "Atomnote 1.6.2 Installer.app";

// The folder the application runs from: the one holding the bundle whose Contents/MacOS holds
// the running program.
FolderItem ApplicationFolder() {
  return Application::RunningExecutable().Parent().Parent().Parent().Parent();
}

// The installer bundle's Contents/Resources, the bundle found by its name in the folder the
// application runs from.
FolderItem BundleResources() {
  return ApplicationFolder().Child(kBundleName).Child("Contents").Child("Resources");
}

void WriteTableMenu(const FolderItem& root) {
  TextOutputStream note = CreateNote(root, "table.linx");
  uniWriteLn("<TITLE>Visual Tables</TITLE>", note);
  for (const VisualTable& table : kVisualTables) {
    uniWriteLn(std::string("<A HREF=\"t/") + table.target + "\">" + table.label + "</a>", note);
  }
  note.Close();
}

// Copies made unchanged and given no creator code, into the folder held open; the bundle is
// looked up again for each picture. A picture that cannot be copied (its source missing from the
// bundle, the iPod full, a folder "t" that is a link, lies below one or has something mounted on
// it) fails the install like any note that cannot be written, so a menu of visual tables never
// ends up pointing at pictures that are not there while the install reports success.
void CopyVisualTables(const FolderItem& tables) {
  const FolderItem held = tables.Held();
  for (const VisualTable& table : kVisualTables) {
    const FolderItem target = held.Child(table.target);
    if (!BundleResources().Child(table.source).CopyFileTo(target)) {
      throw IOException(std::string("cannot copy the visual table ") + table.source);
    }
  }
}

void WriteTextNote(const FolderItem& folder, const std::string& name, const std::string& text) {
  TextOutputStream note = CreateNote(folder, name);
  uniWrite(text, note);
  note.Close();
}

void WriteGlossaryTerm(const FolderItem& help, const std::string& term, const std::string& definition) {
  TextOutputStream note = CreateNote(help, term);
  uniWriteLn(kXmlLine, note);
  uniWriteLn(britishTranslate(definition), note);
  note.Close();
}

}  // namespace

void WriteVisualTables(InstallRun& run) {
  const FolderItem tables = run.root.Child("t");
  tables.CreateAsFolder();
  WriteTableMenu(run.root);
  CopyVisualTables(tables);
}

void WriteAboutNotes(InstallRun& run) {
  const FolderItem help = run.root.Child("h");
  help.CreateAsFolder();

  TextOutputStream menu = CreateNote(run.root, "about.linx");
  uniWriteLn(kXmlLine, menu);
  uniWriteLn("<TITLE>About</TITLE>", menu);
  uniWriteLn("<A HREF=\"h/about-table\">Periodic Table History</A>", menu);
  if (prefGlossary) uniWriteLn("<A HREF=\"h/glossary.linx\">Glossary</A>", menu);
  uniWriteLn("<A HREF=\"h/about-Atomnote\">About Atomnote</A>", menu);
  menu.Close();

  WriteTextNote(help, "about-Atomnote", AboutAtomnote());
  WriteTextNote(help, "about-table", britishTranslate(Abouttheperiodictable()));
}

void WriteGlossary(InstallRun& run) {
  const FolderItem help = run.root.Child("h");
  TextOutputStream menu = CreateNote(help, "glossary.linx");
  uniWriteLn(kXmlLine, menu);
  uniWriteLn("<TITLE>Glossary</TITLE>", menu);
  for (int i = 0; i < kGlossaryTermCount; ++i) {
    const std::string& term = eGlossary(i, 0);
    uniWriteLn("<A HREF=\"" + term + "\">" + term + "</A>", menu);
    WriteGlossaryTerm(help, term, eGlossary(i, 1));
    Yield();
  }
  menu.Close();
}
