#include <string>

#include "data/ElementTables.h"
#include "framework/AtomnoteState.h"
#include "framework/MessageDialog.h"
#include "install/Eject.h"
#include "notes/threadClass.h"

namespace {

// Every element from row 0 to the last gets a note.
constexpr int kElementCount = kLastElementRow + 1;

const std::string kClosingText =
    "When your iPod is disconnected, you may access Atomnote under the \"Extras > Notes\" menu on your iPod.";

std::string EjectText() {
  if (App().globalMacOSVersion >= kFirstVersionWithEject) {
    return "If you choose \"Eject iPod and Quit\" your iPod should be ejected so that it can be safely "
           "disconnected.";
  }
  return "You may now eject your iPod (use iTunes or the Finder to eject your iPod).";
}

// How far the element notes got before the error.
std::string StoppedText(int elementsWritten) {
  const std::string of = "of the " + std::to_string(kElementCount) + " elements";
  if (elementsWritten == 0) return "An error stopped the install before any " + of + " was written.";
  return "An error stopped the install after " + std::to_string(elementsWritten) + " " + of +
         (elementsWritten == 1 ? " was written." : " were written.");
}

}  // namespace

// The dialog at the end of an install: eject the iPod and quit, or keep the installer open. After
// an error in the element notes it does not claim success: it says how far the install got.
bool threadClass::successInstall() const {
  MessageDialog dialog;
  dialog.Icon = 0;
  dialog.ActionButton.Caption = "Quit";
  dialog.AlternateActionButton.Visible = true;
  dialog.AlternateActionButton.Caption = "Continue Using Installer";
  dialog.Message = "Atomnote has been installed with your selected options on your iPod.";
  if (App().globalMacOSVersion >= kFirstVersionWithEject) dialog.ActionButton.Caption = "Eject iPod and Quit";
  dialog.Explanation = EjectText() + "  " + kClosingText;
  if (elementNotesFailed) {
    dialog.Icon = MessageDialog::kDialogCautionIcon;
    dialog.Message = "Atomnote was not completely installed on your iPod.";
    dialog.Explanation =
        StoppedText(elementsWritten) + " Install Atomnote again to complete it.  " + EjectText();
  }
  return dialog.ShowModal() == &dialog.ActionButton;
}
