#pragma once

#include <functional>
#include <string>

#include "framework/FolderItem.h"

// The framework's folder selection dialog. What it shows comes from the folder chooser in use:
// the program puts the on-screen dialog in place at start, tests answer in place of the person.
class SelectFolderDialog {
 public:
  std::string Title;
  std::string PromptText;
  std::string ActionButtonCaption;
  std::string Filter;  // a file type name; folders are what is chosen

  // Shows the dialog and waits; the chosen folder, or nil when cancelled. Without a chooser (no
  // window system) nobody can choose, and the answer is nil.
  FolderItem ShowModal() const;
};

// Answers a folder dialog: the chosen folder, or nil when cancelled.
using FolderChoiceFunction = std::function<FolderItem(const SelectFolderDialog& dialog)>;
// Puts a chooser in place and returns the one it replaces (an empty function: none).
FolderChoiceFunction SetFolderChoice(FolderChoiceFunction choice);
