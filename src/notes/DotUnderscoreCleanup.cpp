#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "framework/Volumes.h"
#include "notes/threadClass.h"

// Removes the "._" files (resource-fork companions that a Mac leaves on a FAT iPod) directly
// inside one folder, the way "rm ._*" run in that folder does, without a shell:
// - every entry whose name starts with "._" is a match; files and links are removed (a link
//   itself, never what it points to); a "._" folder is a match that stays, as rm without -r
//   leaves it;
// - a removal that fails is not reported;
// - a folder with no match at all sets stopFuturermCMDs, so that the later clean-ups of the run
//   are skipped;
// - a folder that cannot be read is left alone and leaves the flag as it was: nothing is ever
//   removed outside the folder;
// - a folder that is a link, or is reached through one, is skipped like a plain file: its "._"
//   files are not the tree's but those of wherever the link points; so is a folder with
//   something mounted on it.

namespace fs = std::filesystem;

namespace {

bool IsDotUnderscoreName(const fs::path& entry) { return entry.filename().string().starts_with("._"); }

// The matching entries directly in folder; nothing when the folder cannot be read to its end.
std::optional<std::vector<fs::path>> DotUnderscoreEntries(const fs::path& folder) {
  std::vector<fs::path> entries;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    if (IsDotUnderscoreName(it->path())) entries.push_back(it->path());
  }
  if (error) return std::nullopt;
  return entries;
}

void RemoveUnlessFolder(const fs::path& entry) {
  std::error_code error;
  if (fs::is_directory(fs::symlink_status(entry, error))) return;
  fs::remove(entry, error);
}

}  // namespace

void threadClass::blastDotUnderscoreFiles(const FolderItem& folder) {
  if (stopFuturermCMDs) return;
  if (!folder.Directory() || !folder.IsFolderReachedWithoutLinks() || IsMountPoint(folder)) return;
  if (folder.ShellPath().empty()) return;
  const std::optional<std::vector<fs::path>> entries = DotUnderscoreEntries(folder.Path());
  if (!entries) return;
  if (entries->empty()) {
    stopFuturermCMDs = true;
    return;
  }
  for (const fs::path& entry : *entries) RemoveUnlessFolder(entry);
}
