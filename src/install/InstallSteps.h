#pragma once

#include <string>

#include "data/ElementTables.h"
#include "framework/Arrays.h"
#include "framework/FolderItem.h"
#include "install/iPodLock.h"

class InstallerWindow;

// The working state of one run of createFolders: the window that runs it (for its note-text
// methods), the notes root, and the name and symbol lists shared by the menu notes. Nothing of
// it outlives the run.
struct InstallRun {
  explicit InstallRun(const InstallerWindow& installer) : window(installer) {}

  const InstallerWindow& window;
  // Held from the first write on, and handed on with the element notes.
  iPodLock lock;
  FolderItem root;
  // Entries 0 to kLastElementRow, one per element that gets a note.
  StringArray names{kLastElementRow};
  StringArray symbols{kLastElementRow};
};

// The spelling of element names in the notes (ElementNames.cpp): British when prefLanguage is
// other than 0, else American.
bool BritishNames();
// The name of the element of row in that spelling: eBritish, else eEnglish.
const std::string& ElementName(int row);

// Set-up and ends of an install (InstallSetup.cpp).
void ShowNothingInstalled();
// Another install or removal holds the iPod.
void ShowiPodBusyForInstall();
void OpenInstallProgress();
// Creates the Notes folder when it is missing; false when it still does not exist.
bool EnsureNotesFolder(const FolderItem& notes);
// Deletes an earlier install: "helixaNotes" and the product folder inside Notes, then the fixed
// names directly in Notes.
void RemoveEarlierInstall(InstallerWindow& installer, const FolderItem& notes,
                          const std::string& productFolder);
void SetInstallProgressMaximum(int maximum);
void SetInstallProgress(int value);
void CloseInstallProgress();
// The catch-all's report: the #703 box, then the progress window closed when it is in front.
void ReportSetupError();

// The entry note and the element index notes (IndexNotes.cpp).
// Writes main.linx into Notes, or index.linx into the product folder it creates, and gives the
// folder that holds the entry note.
FolderItem WriteEntryNote(const FolderItem& notes, const std::string& productFolder);
void WriteLicenseNote(InstallRun& run);
void WriteAlphaNote(InstallRun& run);
void WriteSymbolNote(InstallRun& run);
void WriteAtnumNote(InstallRun& run);

// Visual tables, about notes and glossary (AboutNotes.cpp).
void WriteVisualTables(InstallRun& run);
void WriteAboutNotes(InstallRun& run);
void WriteGlossary(InstallRun& run);

// Group and period notes (GroupPeriodNotes.cpp).
void WriteGroupNotes(InstallRun& run);
void WritePeriodNotes(InstallRun& run);
