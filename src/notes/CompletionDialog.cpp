#include <string>

#include "framework/AtomnoteState.h"
#include "framework/MessageDialog.h"
#include "notes/threadClass.h"

// The dialog at the end of an install: eject the iPod and quit, or keep the installer open.

namespace {

constexpr double kFirstVersionThatEjects = 10.4;

const std::string kClosingText =
    "When your iPod is disconnected, you may access Atomnote under the \"Extras > Notes\" menu on your iPod.";

}  // namespace

bool threadClass::successInstall() const {
  MessageDialog dialog;
  dialog.Icon = 0;
  dialog.ActionButton.Caption = "Quit";
  dialog.AlternateActionButton.Visible = true;
  dialog.AlternateActionButton.Caption = "Continue Using Installer";
  dialog.Message = "Atomnote has been installed with your selected options on your iPod.";
  if (App().globalMacOSVersion >= kFirstVersionThatEjects) {
    dialog.ActionButton.Caption = "Eject iPod and Quit";
    dialog.Explanation =
        "If you choose \"Eject iPod and Quit\" your iPod should be ejected so that it can be safely "
        "disconnected.  " +
        kClosingText;
  } else {
    dialog.Explanation =
        "You may now eject your iPod (use iTunes or the Finder to eject your iPod).  " + kClosingText;
  }
  return dialog.ShowModal() == &dialog.ActionButton;
}
