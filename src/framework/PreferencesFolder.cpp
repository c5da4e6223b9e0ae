#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <optional>

#include "framework/FolderItem.h"

namespace fs = std::filesystem;

namespace {

// An environment variable holding an absolute path; relative or empty values are ignored, as
// the base-directory convention asks.
std::optional<fs::path> AbsolutePathVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  fs::path path(value);
  if (!path.is_absolute()) return std::nullopt;
  return path;
}

std::optional<fs::path> ConfigurationPath() {
  if (auto config = AbsolutePathVariable("XDG_CONFIG_HOME")) return config;
  if (auto home = AbsolutePathVariable("HOME")) return *home / ".config";
  return std::nullopt;
}

bool IsFolder(const fs::path& path) { return FolderItem(path).Directory(); }

// Makes the folder and any missing folders above it, private to the user as the convention
// asks of folders it creates.
bool MakeFolders(const fs::path& folder) {
  if (IsFolder(folder)) return true;
  const fs::path parent = folder.parent_path();
  if (parent != folder && !MakeFolders(parent)) return false;
  return ::mkdir(folder.c_str(), 0700) == 0 || (errno == EEXIST && IsFolder(folder));
}

}  // namespace

FolderItem PreferencesFolder() {
  const std::optional<fs::path> folder = ConfigurationPath();
  if (!folder || !MakeFolders(folder->lexically_normal())) return FolderItem();
  return FolderItem(*folder);
}
