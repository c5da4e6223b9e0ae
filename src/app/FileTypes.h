#pragma once

#include "framework/FileType.h"

// The program's two file types, made at start-up and kept for the whole run. The folder dialog
// that looks for the iPod filters by the name of pSpecialDisk; nothing reads pAtomnoteData.
struct FileTypeSet {
  FileType pSpecialDisk;
  FileType pAtomnoteData;
};

FileTypeSet& FileTypes();

// Makes the two file types, in the order above.
void _InitFileTypes();
