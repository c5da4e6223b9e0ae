#pragma once

#include <functional>

#include "framework/FolderItem.h"

// Deletes one file, or one folder with everything in it. On Mac OS X 10.4 and later a folder
// goes in one operation, as `rm -rf` removes it: everything that can go goes, and whatever
// stays is one failure of the call. Before 10.4 it goes item by item from the last, yielding
// after each. A failure shows "Atomnote Install cleanup error #928." once per failing call and
// the call returns normally; item by item, the other items are still deleted. Every item is
// reached by its name from the folder holding it, held open (FolderItem::Held), and deleted
// there: a link is deleted itself and never entered. The delete stays on the volume of the
// folder that holds the item: a volume mounted inside the tree is an item that cannot be
// deleted, and nothing on it is touched. Inside a folder deleted in one operation, an item found
// gone from its folder counts as deleted. True when everything went.
bool deleteAnything(const FolderItem& item);

// Test seam: called with each file or folder just before deleteAnything deletes it (a folder
// deleted item by item comes after its items; a folder deleted in one operation comes once,
// before the operation). An empty function removes the observer.
using DeleteObserver = std::function<void(const FolderItem& item)>;
void SetDeleteObserverForTesting(DeleteObserver observer);
// Test seam: called with each item the one-operation delete of a folder removes, just before it
// goes (the items of a folder before the folder). An empty function removes the observer.
void SetOneOperationObserverForTesting(DeleteObserver observer);
