#include "framework/MessageSink.h"
#include "framework/TextOutputStream.h"
#include "install/DeleteAnything.h"
#include "install/InstallSteps.h"
#include "install/InstallerWindow.h"
#include "install/ProgressDisplay.h"

void ShowNothingInstalled() {
  const std::string lineEnd(EndOfLine);
  MsgBox("Nothing was installed." + lineEnd + lineEnd +
             "Make sure your iPod is connected and you are selecting your iPod when you try again. Also "
             "remember that disk mode must be enabled on your iPod for it to appear in the selection dialog.",
         kCautionIcon, "Problem finding iPod.");
}

void OpenInstallProgress() {
  CurrentProgressDisplay().Open("Installing…", "Installing Atomnote on iPod... allow up to 4 minutes.");
}

bool EnsureNotesFolder(const FolderItem& notes) {
  if (!notes.Exists()) notes.CreateAsFolder();
  return notes.Exists();
}

void RemoveEarlierInstall(InstallerWindow& installer, const FolderItem& notes,
                          const std::string& productFolder) {
  const FolderItem older = notes.Child("helixaNotes");
  if (older.Exists()) deleteAnything(older);
  const FolderItem product = notes.Child(productFolder);
  if (product.Exists()) deleteAnything(product);
  installer.deleteOldFiles(notes);
}

void SetInstallProgressMaximum(int maximum) { CurrentProgressDisplay().SetMaximum(maximum); }

void SetInstallProgress(int value) { CurrentProgressDisplay().SetValue(value); }

void CloseInstallProgress() { CurrentProgressDisplay().Close(); }

void ReportSetupError() {
  MsgBox("Error #703: Generic setup error.", kCautionIcon, "Error");
  CurrentProgressDisplay().CloseIfInFront();
}
