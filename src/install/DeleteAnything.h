#pragma once

#include <functional>

#include "framework/FolderItem.h"

// Deletes one file, or one folder with everything in it. On Mac OS X 10.4 and later a folder
// goes in one operation; before, item by item from the last, yielding after each. A failure
// shows "Atomnote Install cleanup error #928." once per failing call and the call returns
// normally; item by item, the other items are still deleted.
void deleteAnything(const FolderItem& item);

// Test seam: called with each file or folder just before deleteAnything deletes it (a folder
// deleted item by item comes after its items). An empty function removes the observer.
using DeleteObserver = std::function<void(const FolderItem& item)>;
void SetDeleteObserverForTesting(DeleteObserver observer);
