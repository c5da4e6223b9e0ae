#pragma once

#include <filesystem>
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

// Records every message box while it lives, then puts the previous sink back.
class ScopedRecordingSink {
 public:
  ScopedRecordingSink();
  ~ScopedRecordingSink();
  const std::vector<MessageBoxRecord>& messages() const { return sink_->messages; }

 private:
  std::shared_ptr<RecordingMessageSink> sink_;
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
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);
