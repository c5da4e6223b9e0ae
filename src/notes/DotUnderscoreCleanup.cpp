#include <algorithm>
#include <iterator>
#include <vector>

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
//   something mounted on it;
// - the folder is read, and its files removed, from its descriptor, never by their paths.

namespace {

bool IsDotUnderscoreItem(const FolderItem& item) { return item.Name().starts_with("._"); }

}  // namespace

void threadClass::blastDotUnderscoreFiles(const FolderItem& folder) {
  if (stopFuturermCMDs) return;
  // Read from the folder held open, which is never a link, nor reached through one, nor a
  // mount inside the tree: any of those fails as a folder that cannot be read.
  const FolderItem held = folder.Held();
  if (!held.Directory() || folder.ShellPath().empty()) return;
  const std::vector<FolderItem> items = held.Items();
  if (held.LastErrorCode() != 0) return;
  std::vector<FolderItem> matches;
  std::copy_if(items.begin(), items.end(), std::back_inserter(matches), IsDotUnderscoreItem);
  if (matches.empty()) {
    stopFuturermCMDs = true;
    return;
  }
  for (const FolderItem& match : matches) {
    if (!match.Directory()) (void)match.Delete();
  }
}
