#pragma once

#include <chrono>

#include "framework/FolderItem.h"

// The first system version that ejects the iPod: the eject routine, the "Eject iPod" menu item and
// the completion dialog's eject button all start with it.
inline constexpr double kFirstVersionWithEject = 10.4;

// The eject helper inside the installer's bundle: Contents/Resources/EjectIpod.app, found from
// the running executable.
FolderItem EjectHelper();

// From Mac OS X 10.4 on: launches the eject helper and returns without waiting, or says how to
// eject the iPod by hand when the helper is missing. Before 10.4 it does nothing.
void ejectiPodMethod();

// "Eject iPod and Quit" at the end of an install: from Mac OS X 10.4 on, runs the eject helper
// and waits until it has ended, at most a time limit, with the event loop running (the windows
// stay responsive; the progress window shows "Ejecting…" and keeps the main window from taking
// clicks meanwhile). True when the installer may quit: the iPod was ejected, or there is nothing
// to do before 10.4. False when the iPod was not ejected, after a message: how to eject it by
// hand when the helper is missing, followed by the helper's reason when the eject failed or did
// not end in time (the helper is stopped then). Raises RuntimeException when the helper is there
// but cannot be started.
bool ejectiPodAndWait();
// Test seam: the time limit of ejectiPodAndWait; zero restores the normal limit.
void SetEjectTimeLimitForTesting(std::chrono::milliseconds limit);

// The "Eject iPod" menu item's behaviour: its action ejects the iPod.
class ejectmenuitem {
 public:
  // Calls ejectiPodMethod; false, so the command does not count as handled.
  bool Event_Action();
};
