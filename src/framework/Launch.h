#pragma once

#include <functional>

#include "framework/FolderItem.h"

// Starts the program file on its own, without arguments, and returns at once without waiting
// for it or reading its result. False when it could not be started.
bool Launch(const FolderItem& program, bool activate);

// Test seam: called with each program Launch has started, as it returns, so that a test knows
// at once what was launched without waiting for the program to show it. An empty function
// removes the observer.
using LaunchObserver = std::function<void(const FolderItem& program)>;
void SetLaunchObserverForTesting(LaunchObserver observer);
