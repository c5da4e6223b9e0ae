#include "support/FixtureVolume.h"

#include <algorithm>

#include "framework/FolderItem.h"
#include "framework/Volumes.h"

FixtureVolume::FixtureVolume(const std::filesystem::path& parent, const std::string& name,
                             FixtureVolumeLayout layout)
    : root_(parent / name) {
  std::filesystem::create_directories(root_);
  if (layout.iPodControl) {
    std::filesystem::create_directory(root_ / "iPod_Control");
    if (layout.iPodControlInvisible) FolderItem(root_ / "iPod_Control").SetVisible(false);
    if (layout.music) std::filesystem::create_directory(root_ / "iPod_Control" / "Music");
  }
  if (layout.notes) std::filesystem::create_directory(root_ / "Notes");
}

ScopedVolumes::ScopedVolumes(std::vector<std::filesystem::path> roots) {
  SetVolumesForTesting([roots] { return roots; });
}

ScopedVolumes::~ScopedVolumes() { SetVolumesForTesting(nullptr); }

std::vector<std::string> TreeListing(const std::filesystem::path& root) {
  std::vector<std::string> entries;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    std::string relative = std::filesystem::relative(entry.path(), root).string();
    if (entry.is_directory()) relative += "/";
    entries.push_back(relative);
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

std::map<std::string, std::string> TreeContents(const std::filesystem::path& root) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const std::string relative = std::filesystem::relative(entry.path(), root).string();
    if (entry.is_symlink()) {
      contents[relative] = "link to " + std::filesystem::read_symlink(entry.path()).string();
    } else if (entry.is_directory()) {
      contents[relative] = "folder";
    } else if (entry.is_regular_file()) {
      contents[relative] = ReadFileBytes(entry.path());
    } else {
      contents[relative] = "neither file nor folder";
    }
  }
  return contents;
}

std::vector<std::string> ChangedPaths(const std::map<std::string, std::string>& before,
                                      const std::map<std::string, std::string>& after) {
  std::vector<std::string> changed;
  for (const auto& [path, contents] : before) {
    const auto now = after.find(path);
    if (now == after.end()) {
      changed.push_back(path + " (removed)");
    } else if (now->second != contents) {
      changed.push_back(path + " (changed)");
    }
  }
  for (const auto& [path, contents] : after) {
    if (!before.contains(path)) changed.push_back(path + " (added)");
  }
  std::sort(changed.begin(), changed.end());
  return changed;
}
