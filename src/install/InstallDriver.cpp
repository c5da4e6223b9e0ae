#include "install/InstallSteps.h"
#include "install/InstallerWindow.h"
#include "install/iPodScanClass.h"
#include "prefs/PreferenceGlobals.h"

// One install, on the user-interface thread, from the scan's Notes folder to the menu notes. Every
// error no called routine handles itself ends here in the catch-all; what was written stays.
void InstallerWindow::createFolders() {
  try {
    const std::string productFolder = "Atomnote";
    InstallRun run(*this);

    // The iPod the last scan found must still be the one mounted there, right before anything is
    // written: an iPod unplugged since leaves its mount folder behind on the system's own disk.
    // From here on everything is reached from its volume held open.
    const FolderItem notes = iPodScanClass::HeldNotesFolder(0);
    if (notes.IsNil()) {
      ShowNothingInstalled();
      return;
    }
    // One install or removal at a time on an iPod, from here to the last element note.
    run.lock = iPodLock::Take(notes);
    if (run.lock.HeldElsewhere()) {
      ShowiPodBusyForInstall();
      return;
    }
    OpenInstallProgress();

    if (!EnsureNotesFolder(notes)) {
      CloseInstallProgress();
      return;
    }
    RemoveEarlierInstall(*this, notes, productFolder);

    run.root = WriteEntryNote(notes, productFolder);
    if (!run.root.Exists()) {
      CloseInstallProgress();
      return;
    }
    WriteLicenseNote(run);
    WriteAlphaNote(run);
    WriteSymbolNote(run);
    WriteAtnumNote(run);

    if (prefVisualTables) WriteVisualTables(run);
    WriteAboutNotes(run);
    SetInstallProgressMaximum(100);
    SetInstallProgress(10);
    if (prefGlossary) WriteGlossary(run);

    WriteGroupNotes(run);
    WritePeriodNotes(run);
    SetInstallProgress(20);

    // The element notes go into the folder "e" of the notes root, written by a worker that runs
    // after this returns to the event loop. Nothing is tested: a folder that could not be made
    // is reported by the worker. The progress window stays open for the worker to close.
    const FolderItem elementFolder = run.root.Child("e");
    elementFolder.CreateAsFolder();
    StartElementNotes(elementFolder, std::move(run.lock));
  } catch (...) {
    ReportSetupError();
  }
}
