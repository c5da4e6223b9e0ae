#pragma once

#include "framework/FolderItem.h"

// The eject helper inside the installer's bundle: Contents/Resources/EjectIpod.app, found from
// the running executable.
FolderItem EjectHelper();

// From Mac OS X 10.4 on: launches the eject helper and returns without waiting, or says how to
// eject the iPod by hand when the helper is missing. Before 10.4 it does nothing.
void ejectiPodMethod();

// The "Eject iPod" menu item's behaviour: its action ejects the iPod.
class ejectmenuitem {
 public:
  // Calls ejectiPodMethod; false, so the command does not count as handled.
  bool Event_Action();
};
