#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/MessageSink.h"
#include "framework/ResourceFork.h"

// A fresh folder under the system's temporary folder, removed with everything in it at the end
// of the test.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

class OrderedRecordingSink;

// Records every message box and message dialog while it lives, then puts the previous sink back.
// Dialogs are answered at once with the answer set, the alternate action button unless a test
// sets another (the action button may eject and quit).
class ScopedRecordingSink {
 public:
  ScopedRecordingSink();
  ~ScopedRecordingSink();
  ScopedRecordingSink(const ScopedRecordingSink&) = delete;
  ScopedRecordingSink& operator=(const ScopedRecordingSink&) = delete;

  const std::vector<MessageBoxRecord>& messages() const;
  const std::vector<MessageDialogRecord>& dialogs() const;
  // Both kinds in the order shown: a box as its text, a dialog as "dialog: " and its message.
  const std::vector<std::string>& shown() const;
  void ClearShown();

  void SetDialogAnswer(MessageDialogAnswer answer);
  // Runs when a box, or a dialog, is shown (after it is recorded, before a dialog is answered):
  // for a test that looks at the program's state at that moment.
  void OnMessageBox(std::function<void()> action);
  void OnDialog(std::function<void()> action);

 private:
  std::shared_ptr<OrderedRecordingSink> sink_;
  std::shared_ptr<MessageSink> previous_;
};

// Each message box as one text, "icon | title | text" (icon 0 plain, 48 caution; title empty for
// the plain box), in the order they were shown: whole lists compare at a glance.
std::vector<std::string> MessageTexts(const std::vector<MessageBoxRecord>& messages);
std::vector<std::string> MessageTexts(const ScopedRecordingSink& sink);

// Sets (or, with nullopt, removes) an environment variable while it lives.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, std::optional<std::string> value);
  ~ScopedEnvironment();

 private:
  std::string name_;
  std::optional<std::string> previous_;
};

// A resource file held in memory that counts its reads.
class MemoryResourceFork : public ResourceFork {
 public:
  std::map<int, std::string> texts;
  std::map<int, Picture> pictures;
  int textReads = 0;
  int pictureReads = 0;

  std::optional<std::string> GetResource(const std::string& type, int number) override;
  Picture GetPicture(int number) override;
};

// Puts a resource file in place of the application's while it lives.
class ScopedResourceFork {
 public:
  explicit ScopedResourceFork(std::shared_ptr<ResourceFork> fork);
  ~ScopedResourceFork();
};

// Whole file contents, bytes unchanged.
std::string ReadFileBytes(const std::filesystem::path& path);
// Runs the event loop until the sink has recorded a dialog (the completion dialog of an
// install), at most two minutes. start, when given, runs from inside the loop, as a click in the
// running program does: the install's worker yields only where an event loop runs.
void RunUntilTheCompletionDialog(const ScopedRecordingSink& messages,
                                 const std::function<void()>& start = {});
// How many of this process's descriptors are open on something inside folder: a volume with any
// of them cannot be unmounted.
int DescriptorsOpenInside(const std::filesystem::path& folder);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

// A test name made from text, for the cases of a parameterised test: its letters and digits,
// each word begun with a capital, a point as "_", every other character dropped; "Empty" when
// nothing is left. "silver white" gives "SilverWhite", "0.25" gives "0_25".
std::string TestNameOf(const std::string& text);
