#include "framework/MessageSink.h"
#include "install/DeleteAnything.h"
#include "install/InstallMessages.h"
#include "install/InstallSteps.h"
#include "install/InstallerWindow.h"
#include "install/ProgressDisplay.h"

void ShowNothingInstalled() { MsgBox(NothingInstalledMessage(), kCautionIcon, kProblemFindingiPodTitle); }

void ShowiPodBusyForInstall() { MsgBox(iPodBusyInstallMessage(), kCautionIcon, kiPodBusyTitle); }

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
  MsgBox(SetupErrorMessage(), kCautionIcon, "Error");
  CurrentProgressDisplay().CloseIfInFront();
}
