#pragma once

#include "framework/FolderItem.h"
#include "framework/SelectFolderDialog.h"

// The folder dialog on screen: a modal window with the dialog's title and prompt above a folder
// browser whose accept button carries the action caption. The chosen folder, or nil when
// cancelled. The program puts it in place with SetFolderChoice(ShowQtFolderDialog).
FolderItem ShowQtFolderDialog(const SelectFolderDialog& dialog);
