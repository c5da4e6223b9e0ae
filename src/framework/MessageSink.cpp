#include "framework/MessageSink.h"

#include <iostream>

namespace {

// Until a window system is up, messages still reach the person running the program.
class StandardErrorSink : public MessageSink {
 public:
  void ShowMessageBox(const MessageBoxRecord& message) override {
    if (!message.title.empty()) std::cerr << message.title << ": ";
    std::cerr << message.text << '\n';
  }
  MessageDialogAnswer ShowMessageDialog(const MessageDialogRecord& dialog) override {
    std::cerr << dialog.message << '\n';
    if (!dialog.explanation.empty()) std::cerr << dialog.explanation << '\n';
    return UnattendedAnswer(dialog);
  }
};

std::shared_ptr<MessageSink>& SinkSlot() {
  static std::shared_ptr<MessageSink> sink = std::make_shared<StandardErrorSink>();
  return sink;
}

}  // namespace

MessageDialogAnswer UnattendedAnswer(const MessageDialogRecord& dialog) {
  if (dialog.cancelButton.visible) return MessageDialogAnswer::Cancel;
  if (dialog.alternateActionButton.visible) return MessageDialogAnswer::AlternateAction;
  if (dialog.actionButton.visible) return MessageDialogAnswer::Action;
  return MessageDialogAnswer::None;
}

MessageSink& CurrentMessageSink() { return *SinkSlot(); }

std::shared_ptr<MessageSink> InstallMessageSink(std::shared_ptr<MessageSink> sink) {
  if (!sink) sink = std::make_shared<StandardErrorSink>();
  std::swap(SinkSlot(), sink);
  return sink;
}

void MsgBox(const std::string& text) { CurrentMessageSink().ShowMessageBox({text, 0, ""}); }

void MsgBox(const std::string& text, int icon, const std::string& title) {
  CurrentMessageSink().ShowMessageBox({text, icon, title});
}
