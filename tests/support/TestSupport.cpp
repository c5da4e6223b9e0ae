#include "support/TestSupport.h"

#include <QEventLoop>
#include <QTimer>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "atomnote-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

// The recording sink with the order of boxes and dialogs kept, and the actions of a test.
class OrderedRecordingSink : public RecordingMessageSink {
 public:
  void ShowMessageBox(const MessageBoxRecord& message) override {
    RecordingMessageSink::ShowMessageBox(message);
    shown.push_back(message.text);
    if (onMessageBox) onMessageBox();
  }
  MessageDialogAnswer ShowMessageDialog(const MessageDialogRecord& dialog) override {
    const MessageDialogAnswer answer = RecordingMessageSink::ShowMessageDialog(dialog);
    shown.push_back("dialog: " + dialog.message);
    if (onDialog) onDialog();
    return answer;
  }

  std::vector<std::string> shown;
  std::function<void()> onMessageBox;
  std::function<void()> onDialog;
};

ScopedRecordingSink::ScopedRecordingSink()
    : sink_(std::make_shared<OrderedRecordingSink>()), previous_(InstallMessageSink(sink_)) {}

ScopedRecordingSink::~ScopedRecordingSink() { InstallMessageSink(previous_); }

const std::vector<MessageBoxRecord>& ScopedRecordingSink::messages() const { return sink_->messages; }

const std::vector<MessageDialogRecord>& ScopedRecordingSink::dialogs() const { return sink_->dialogs; }

const std::vector<std::string>& ScopedRecordingSink::shown() const { return sink_->shown; }

void ScopedRecordingSink::ClearShown() { sink_->shown.clear(); }

void ScopedRecordingSink::SetDialogAnswer(MessageDialogAnswer answer) { sink_->dialogAnswer = answer; }

void ScopedRecordingSink::OnMessageBox(std::function<void()> action) {
  sink_->onMessageBox = std::move(action);
}

void ScopedRecordingSink::OnDialog(std::function<void()> action) { sink_->onDialog = std::move(action); }

std::vector<std::string> MessageTexts(const std::vector<MessageBoxRecord>& messages) {
  std::vector<std::string> texts;
  for (const MessageBoxRecord& message : messages) {
    texts.push_back(std::to_string(message.icon) + " | " + message.title + " | " + message.text);
  }
  return texts;
}

std::vector<std::string> MessageTexts(const ScopedRecordingSink& sink) {
  return MessageTexts(sink.messages());
}

ScopedEnvironment::ScopedEnvironment(std::string name, std::optional<std::string> value)
    : name_(std::move(name)) {
  if (const char* old = std::getenv(name_.c_str())) previous_ = old;
  if (value) {
    setenv(name_.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

ScopedEnvironment::~ScopedEnvironment() {
  if (previous_) {
    setenv(name_.c_str(), previous_->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

std::optional<std::string> MemoryResourceFork::GetResource(const std::string& type, int number) {
  ++textReads;
  if (type != "TEXT") return std::nullopt;
  auto found = texts.find(number);
  if (found == texts.end()) return std::nullopt;
  return found->second;
}

Picture MemoryResourceFork::GetPicture(int number) {
  ++pictureReads;
  auto found = pictures.find(number);
  return found == pictures.end() ? nullptr : found->second;
}

ScopedResourceFork::ScopedResourceFork(std::shared_ptr<ResourceFork> fork) {
  SetApplicationResourceForkForTesting(std::move(fork));
}

ScopedResourceFork::~ScopedResourceFork() { RestoreApplicationResourceFork(); }

std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string TestNameOf(const std::string& text) {
  std::string name;
  bool wordStart = true;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) != 0 && byte < 0x80) {
      name += wordStart ? static_cast<char>(std::toupper(byte)) : c;
      wordStart = false;
    } else if (c == '.') {
      name += '_';
      wordStart = true;
    } else {
      wordStart = true;
    }
  }
  return name.empty() ? "Empty" : name;
}

int DescriptorsOpenInside(const std::filesystem::path& folder) {
  int count = 0;
  for (const std::filesystem::directory_entry& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code unreadable;
    const std::filesystem::path target = std::filesystem::read_symlink(fd.path(), unreadable);
    if (!unreadable && target.string().starts_with(folder.string() + "/")) ++count;
  }
  return count;
}

void RunUntilTheCompletionDialog(const ScopedRecordingSink& messages, const std::function<void()>& start) {
  QEventLoop loop;
  if (start) QTimer::singleShot(0, &loop, start);
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!messages.dialogs().empty()) loop.quit();
  });
  poll.start(5);
  QTimer::singleShot(120000, &loop, &QEventLoop::quit);
  loop.exec();
}
