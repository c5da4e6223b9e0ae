#include "install/InstallMessages.h"

#include "framework/TextOutputStream.h"

namespace {

const std::string kParagraphBreak = std::string(EndOfLine) + std::string(EndOfLine);

}  // namespace

std::string NothingInstalledMessage() {
  return "Nothing was installed." + kParagraphBreak +
         "Make sure your iPod is connected and you are selecting your iPod when you try again. Also "
         "remember that disk mode must be enabled on your iPod for it to appear in the selection dialog.";
}

std::string NothingRemovedMessage() {
  return "Nothing was removed." + kParagraphBreak +
         "Make sure your iPod is connected and it really has Atomnote installed!";
}

std::string RemovedMessage() {
  return "Atomnote has been successfully removed from your iPod." + kParagraphBreak +
         "Thank you for trying Atomnote!";
}

std::string iPodAccessErrorMessage() { return "Error #701: Problem accessing iPod."; }

std::string SetupErrorMessage() { return "Error #703: Generic setup error."; }

std::string UninstallErrorMessage() { return "Error #705: Generic Atomnote uninstall error."; }

std::string CleanupErrorMessage() { return "Atomnote Install cleanup error #928."; }

std::string EjectFailedMessage() {
  return "Could not eject the iPod. Use iTunes or the Finder to eject the iPod before disconnecting it.";
}

std::string NotAllRemovedMessage() {
  return "Atomnote could not be removed completely from your iPod." + kParagraphBreak +
         "Some of its notes or folders could not be deleted and are still on your iPod. Make sure your iPod "
         "is not locked or read-only, then try again.";
}

namespace {

const char kiPodBusy[] =
    "Another copy of Atomnote Installer is installing or removing Atomnote on this iPod. Wait until it has "
    "finished, then try again.";

}  // namespace

std::string iPodBusyInstallMessage() { return "Nothing was installed." + kParagraphBreak + kiPodBusy; }

std::string iPodBusyRemovalMessage() { return "Nothing was removed." + kParagraphBreak + kiPodBusy; }

std::string EjectFailedBecauseMessage(const std::string& reason) {
  return EjectFailedMessage() + kParagraphBreak + reason;
}

std::string EjectTookTooLongReason() { return "The eject did not finish in time."; }

std::string EjectHelperStoppedReason() { return "The eject helper stopped unexpectedly."; }

std::string EjectHelperExitCodeReason(int exitCode) {
  return "The eject helper ended with exit code " + std::to_string(exitCode) + ".";
}
