#pragma once

#include <functional>
#include <string>

#include "framework/FolderItem.h"

// The framework's folder selection dialog.
class SelectFolderDialog {
 public:
  std::string Title;
  std::string PromptText;
  std::string ActionButtonCaption;
  std::string Filter;  // a file type name; folders are what is chosen

  // Shows the dialog and waits; the chosen folder, or nil when cancelled.
  FolderItem ShowModal() const;
};

// Test seam: answers every dialog in place of the person; an empty function restores the real
// dialog.
using FolderChoiceFunction = std::function<FolderItem(const SelectFolderDialog& dialog)>;
void SetFolderChoiceForTesting(FolderChoiceFunction choice);
