#pragma once

#include <memory>
#include <string>
#include <vector>

// Every message box of the program goes through one sink: on screen it is a real modal box; in
// tests a recording sink keeps every title, icon and text and answers at once.

inline constexpr int kCautionIcon = 48;

struct MessageBoxRecord {
  std::string text;
  int icon = 0;       // 0 plain, 48 caution
  std::string title;  // empty for the plain box
};

// One button of a message dialog as the sink shows it.
struct MessageDialogButtonRecord {
  std::string caption;
  bool visible = false;
};

// A message dialog: an icon number, a message, an explanation under it and up to three buttons.
struct MessageDialogRecord {
  int icon = 0;  // 0 note, 1 caution, 2 stop, 3 question; any other number shows no icon
  std::string message;
  std::string explanation;
  MessageDialogButtonRecord actionButton;
  MessageDialogButtonRecord alternateActionButton;
  MessageDialogButtonRecord cancelButton;
};

// How a message dialog was answered; None when it was dismissed without a button.
enum class MessageDialogAnswer { None, Action, AlternateAction, Cancel };

// The answer given where nobody can be asked: the cancel button when it is shown, else the
// alternate action button when it is shown, else the action button (a dialog showing only that
// one is a notice). The action button is the one that goes ahead, so it is chosen last.
MessageDialogAnswer UnattendedAnswer(const MessageDialogRecord& dialog);

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void ShowMessageBox(const MessageBoxRecord& message) = 0;
  // Shows the dialog modally and returns the button pressed. A sink that shows no dialogs
  // answers at once with UnattendedAnswer.
  virtual MessageDialogAnswer ShowMessageDialog(const MessageDialogRecord& dialog) {
    return UnattendedAnswer(dialog);
  }
};

// The sink in use; until one is installed, messages go to standard error.
MessageSink& CurrentMessageSink();
// Installs a sink and returns the one it replaces (tests put the old one back).
std::shared_ptr<MessageSink> InstallMessageSink(std::shared_ptr<MessageSink> sink);

// A plain modal message box: no icon, no title.
void MsgBox(const std::string& text);
// A modal message box with an icon (48 caution) and a title.
void MsgBox(const std::string& text, int icon, const std::string& title);

// Keeps every message and dialog; answers at once. A dialog is answered with dialogAnswer, the
// alternate action button unless a test sets another: in this program the action button may end
// the application (eject and quit), so a test that did not choose must not press it.
class RecordingMessageSink : public MessageSink {
 public:
  void ShowMessageBox(const MessageBoxRecord& message) override { messages.push_back(message); }
  MessageDialogAnswer ShowMessageDialog(const MessageDialogRecord& dialog) override {
    dialogs.push_back(dialog);
    return dialogAnswer;
  }
  std::vector<MessageBoxRecord> messages;
  std::vector<MessageDialogRecord> dialogs;
  MessageDialogAnswer dialogAnswer = MessageDialogAnswer::AlternateAction;
};
