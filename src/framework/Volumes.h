#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "framework/FolderItem.h"

// The mounted volumes, in the platform's order. A volume is the folder it is mounted on; its
// name is the name of that folder. The list is read afresh on every call, so a volume that is
// unmounted between two calls is gone from the second.
int VolumeCount();
// The root folder of volume index (0 to VolumeCount() - 1); nil when there is no such volume
// (any more).
FolderItem Volume(int index);

// Test seam: the mount folders the platform reports, asked for on every call; an empty function
// restores the platform's own list.
using VolumeListFunction = std::function<std::vector<std::filesystem::path>()>;
void SetVolumesForTesting(VolumeListFunction volumes);
