#include "install/Eject.h"

#include "framework/Application.h"
#include "framework/AtomnoteState.h"
#include "framework/Exceptions.h"
#include "framework/Launch.h"
#include "framework/MessageSink.h"
#include "install/InstallMessages.h"

FolderItem EjectHelper() {
  return Application::RunningExecutable().Parent().Parent().Child("Resources").Child("EjectIpod.app");
}

void ejectiPodMethod() {
  if (App().globalMacOSVersion < 10.4) return;
  const FolderItem helper = EjectHelper();
  if (!helper.Exists()) {
    MsgBox(EjectFailedMessage());
    return;
  }
  // A helper that is there but cannot be started is an error for the caller to report; the
  // person would otherwise think the iPod was being ejected.
  if (!Launch(helper, true)) throw RuntimeException("could not start " + helper.ShellPath());
}

bool ejectmenuitem::Event_Action() {
  ejectiPodMethod();
  return false;
}
