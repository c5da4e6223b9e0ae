#include "prefs/PreferenceMessages.h"

#include <gtest/gtest.h>

namespace {

// The messages are the program's own words; every character counts.
TEST(PreferenceMessagesTest, TextsAreExact) {
  const std::pair<std::string, std::string> cases[] = {
      {PreferencesNotSavedMessage(),
       "For some reason, the preferences could not be saved.  Perhaps your startup disk is full, or is on a non-writable drive (e.g. CD or DVD)."},
      {PreferencesSaveErrorMessage(),
       "Sorry, an error occurred while saving the preferences file (Error #7). The most likely reason for this is that your system (startup) disk cannot be written to for some reason.  Perhaps it is a CD or is somehow locked.  The program should work, but you won't be able to change your preferences until the disk can be written to again.  If this keeps happening, please write to support@hollowbrookworks.com."},
      {PreferencesReadErrorMessage(FolderItem("/home/ann/.config")),
       "Something went wrong when Atomnote tried to read its preferences file.  I don't know what the problem was (Error #89).  Default preferences will be used for every setting that could not be read.  To start afresh, quit Atomnote Installer and delete the file \"Atomnote Preferences\" from your preferences folder (/home/ann/.config).  If the problem comes back, please report it to support@hollowbrookworks.com."},
      {UpdateMessage(),
       "Thank you for updating to Atomnote 1.6.2!\n\nTo update Atomnote on your iPod, connect your iPod and click \"Install Atomnote on iPod\". You don't need to remove the earlier version from your iPod first."},
  };
  for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected);
}

TEST(PreferenceMessagesTest, ReadErrorWithoutAFolderStillAdvises) {
  EXPECT_NE(PreferencesReadErrorMessage(FolderItem()).find("from your preferences folder.  If the problem"),
            std::string::npos);
}

}  // namespace
