#include "framework/Volumes.h"

#include <QFile>
#include <QStorageInfo>
#include <utility>

namespace {

VolumeListFunction& VolumesForTesting() {
  static VolumeListFunction volumes;
  return volumes;
}

// The mount folders of the machine, in the order of the system's mount table (Qt's storage info
// reads it and leaves out the kernel's pseudo file systems). A mount that cannot be read now
// (gone, or not ready) is no volume.
std::vector<std::filesystem::path> MountedVolumeFolders() {
  std::vector<std::filesystem::path> folders;
  for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
    if (!storage.isValid() || !storage.isReady()) continue;
    folders.emplace_back(QFile::encodeName(storage.rootPath()).toStdString());
  }
  return folders;
}

std::vector<std::filesystem::path> VolumeFolders() {
  const VolumeListFunction& volumes = VolumesForTesting();
  return volumes ? volumes() : MountedVolumeFolders();
}

}  // namespace

int VolumeCount() { return static_cast<int>(VolumeFolders().size()); }

FolderItem Volume(int index) {
  const std::vector<std::filesystem::path> folders = VolumeFolders();
  if (index < 0 || index >= static_cast<int>(folders.size())) return FolderItem();
  return FolderItem(folders[static_cast<std::size_t>(index)]);
}

void SetVolumesForTesting(VolumeListFunction volumes) { VolumesForTesting() = std::move(volumes); }
