#include "framework/SelectFolderDialog.h"

#include <utility>

namespace {

FolderChoiceFunction& FolderChoice() {
  static FolderChoiceFunction choice;
  return choice;
}

}  // namespace

FolderItem SelectFolderDialog::ShowModal() const {
  if (const FolderChoiceFunction& choice = FolderChoice()) return choice(*this);
  return FolderItem();
}

FolderChoiceFunction SetFolderChoice(FolderChoiceFunction choice) {
  std::swap(FolderChoice(), choice);
  return choice;
}
