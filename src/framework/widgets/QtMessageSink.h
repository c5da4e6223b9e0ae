#pragma once

#include "framework/MessageSink.h"

// Shows each message as a real application-modal Qt message box and waits for OK; a message
// dialog likewise, with its captions, waiting for one of its buttons.
class QtMessageSink : public MessageSink {
 public:
  void ShowMessageBox(const MessageBoxRecord& message) override;
  MessageDialogAnswer ShowMessageDialog(const MessageDialogRecord& dialog) override;
};
