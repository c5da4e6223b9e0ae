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

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void ShowMessageBox(const MessageBoxRecord& message) = 0;
};

// The sink in use; until one is installed, messages go to standard error.
MessageSink& CurrentMessageSink();
// Installs a sink and returns the one it replaces (tests put the old one back).
std::shared_ptr<MessageSink> InstallMessageSink(std::shared_ptr<MessageSink> sink);

// A plain modal message box: no icon, no title.
void MsgBox(const std::string& text);
// A modal message box with an icon (48 caution) and a title.
void MsgBox(const std::string& text, int icon, const std::string& title);

// Keeps every message; answers at once.
class RecordingMessageSink : public MessageSink {
 public:
  void ShowMessageBox(const MessageBoxRecord& message) override { messages.push_back(message); }
  std::vector<MessageBoxRecord> messages;
};
