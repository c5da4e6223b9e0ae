#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/TestSupport.h"

// A folder laid out like a mounted iPod in disk mode: "iPod_Control" (invisible through its
// Finder info) holding "Music", and "Notes" at the top. Each part can be left out to make a
// volume that does not count as an iPod.
struct FixtureVolumeLayout {
  bool iPodControl = true;
  bool iPodControlInvisible = true;
  bool music = true;
  bool notes = true;
};

class FixtureVolume {
 public:
  // A volume named name inside parent.
  FixtureVolume(const std::filesystem::path& parent, const std::string& name,
                FixtureVolumeLayout layout = {});

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path notes() const { return root_ / "Notes"; }

 private:
  std::filesystem::path root_;
};

// Puts the given mount folders in place of the machine's volumes while it lives.
class ScopedVolumes {
 public:
  explicit ScopedVolumes(std::vector<std::filesystem::path> roots);
  ~ScopedVolumes();
};

// Every file and folder below root, as paths relative to it, sorted.
std::vector<std::string> TreeListing(const std::filesystem::path& root);

// Everything below root and what it holds, by path relative to root: a file's bytes, "folder" for
// a folder, "link to " and the target for a link (never followed); anything else (a pipe) is
// named, never read. Two snapshots compare equal
// only when nothing was added, removed or changed by a single byte.
std::map<std::string, std::string> TreeContents(const std::filesystem::path& root);
// The paths added, removed or changed between two such snapshots, sorted: empty when none, and
// short enough to read when a large tree changed.
std::vector<std::string> ChangedPaths(const std::map<std::string, std::string>& before,
                                      const std::map<std::string, std::string>& after);
