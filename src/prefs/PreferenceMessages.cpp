#include "prefs/PreferenceMessages.h"

#include "framework/TextOutputStream.h"
#include "prefs/PreferencesFile.h"
#include "prefs/ProductInfo.h"

namespace {

const std::string kParagraphBreak = std::string(EndOfLine) + std::string(EndOfLine);

std::string FolderDescription(const FolderItem& preferencesFolder) {
  if (preferencesFolder.IsNil()) return "your preferences folder";
  return "your preferences folder (" + preferencesFolder.ShellPath() + ")";
}

}  // namespace

std::string PreferencesNotSavedMessage() {
  return "For some reason, the preferences could not be saved.  Perhaps your startup disk is full, or is on a non-writable drive (e.g. CD or DVD).";
}

std::string PreferencesSaveErrorMessage() {
  return std::string("Sorry, an error occurred while saving the preferences file (Error #7). ") +
         "The most likely reason for this is that your system (startup) disk " +
         "cannot be written to for some reason.  Perhaps it is a CD " +
         "or is somehow locked.  The program should work, but you won't be able to change your preferences" +
         " until the disk can be written to again.  If this keeps happening, please write to " +
         kMakerSupportAddress + ".";
}

std::string PreferencesReadErrorMessage(const FolderItem& preferencesFolder) {
  return std::string(
             "Something went wrong when Atomnote tried to read its preferences file.  I don't know ") +
         "what the problem was (Error #89).  Default preferences will be used" +
         " for every setting that could not be read.  To start afresh, quit Atomnote Installer and delete the file \"" +
         kPreferencesFileName + "\" from " + FolderDescription(preferencesFolder) +
         ".  If the problem comes back, please report it to " + kMakerSupportAddress + ".";
}

std::string UpdateMessage() {
  return std::string("Thank you for updating to Atomnote ") + kAtomnoteVersion + "!" + kParagraphBreak +
         "To update Atomnote on your iPod, connect your iPod and click \"Install Atomnote on iPod\". You don't need to remove the earlier version from your iPod first.";
}
