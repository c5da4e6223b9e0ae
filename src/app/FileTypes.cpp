#include "app/FileTypes.h"

FileTypeSet& FileTypes() {
  static FileTypeSet types;
  return types;
}

void _InitFileTypes() {
  FileTypeSet& types = FileTypes();
  types.pSpecialDisk = {"special/disk", "", "disk", "MACS"};
  types.pAtomnoteData = {"atomnote data", "", "TEXT", "vølk"};
}
