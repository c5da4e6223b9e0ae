#pragma once

#include "framework/FolderItem.h"

// Starts the program file on its own, without arguments, and returns at once without waiting
// for it or reading its result. False when it could not be started.
bool Launch(const FolderItem& program, bool activate);
