#pragma once

#include "framework/MessageSink.h"

// Shows each message as a real application-modal Qt message box and waits for OK.
class QtMessageSink : public MessageSink {
 public:
  void ShowMessageBox(const MessageBoxRecord& message) override;
};
