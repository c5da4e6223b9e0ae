#include "framework/MessageDialog.h"

#include "framework/MessageSink.h"

namespace {

MessageDialogButtonRecord RecordOf(const MessageDialogButton& button) {
  return {button.Caption, button.Visible};
}

// A hidden button cannot have been pressed: such an answer counts as no button.
MessageDialogButton* IfShown(MessageDialogButton& button) { return button.Visible ? &button : nullptr; }

}  // namespace

MessageDialogButton* MessageDialog::ShowModal() {
  const MessageDialogRecord record{Icon,
                                   Message,
                                   Explanation,
                                   RecordOf(ActionButton),
                                   RecordOf(AlternateActionButton),
                                   RecordOf(CancelButton)};
  switch (CurrentMessageSink().ShowMessageDialog(record)) {
    case MessageDialogAnswer::Action:
      return IfShown(ActionButton);
    case MessageDialogAnswer::AlternateAction:
      return IfShown(AlternateActionButton);
    case MessageDialogAnswer::Cancel:
      return IfShown(CancelButton);
    case MessageDialogAnswer::None:
      break;
  }
  return nullptr;
}
