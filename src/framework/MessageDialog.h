#pragma once

#include <string>

// A button of a message dialog: its caption and whether the dialog shows it.
class MessageDialogButton {
 public:
  std::string Caption;
  bool Visible = false;
};

// A modal dialog with an icon, a message, an explanation under it and up to three buttons. It is
// shown through the message sink, so tests answer it at once with a recording sink.
class MessageDialog {
 public:
  // The dialog's own icon numbers; a message box numbers its caution icon differently
  // (kCautionIcon, 48).
  static constexpr int kDialogNoteIcon = 0;
  static constexpr int kDialogCautionIcon = 1;
  static constexpr int kDialogStopIcon = 2;
  static constexpr int kDialogQuestionIcon = 3;

  int Icon = kDialogNoteIcon;
  std::string Message;
  std::string Explanation;
  // Shown unless hidden; the button that goes ahead.
  MessageDialogButton ActionButton{"OK", true};
  MessageDialogButton AlternateActionButton{"", false};
  MessageDialogButton CancelButton{"Cancel", false};

  // Shows the dialog and waits; the button pressed (one of the three above), or nullptr when the
  // dialog was dismissed without one.
  MessageDialogButton* ShowModal();
};
