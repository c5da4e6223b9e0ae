#pragma once

#include <filesystem>

// The DOS hidden attribute of items on FAT volumes. Elsewhere, and whenever the attribute
// cannot be read or written, items count as not hidden and setting does nothing.

bool IsOnFatVolume(const std::filesystem::path& path);

// True when the item is on a FAT volume and its DOS hidden attribute is set.
bool DosHidden(const std::filesystem::path& path);

// Sets or clears the DOS hidden attribute of an item on a FAT volume; failures are ignored.
void SetDosHidden(const std::filesystem::path& path, bool hidden);

// The same on the item open as fd.
bool DosHidden(int fd);
void SetDosHidden(int fd, bool hidden);
