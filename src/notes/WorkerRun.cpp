#include "framework/Application.h"
#include "framework/MessageSink.h"
#include "install/Eject.h"
#include "install/ProgressDisplay.h"
#include "notes/NoteMessages.h"
#include "notes/threadClass.h"

namespace {

void QuitApplication() {
  if (Application* application = Application::Instance()) application->Quit();
}

}  // namespace

// The worker's run: the element notes, the "._*" clean-up of the notes root and of its "h", "p"
// and "g" folders (never "t"), the progress window closed, then the completion dialog. Its action
// button ejects the iPod and quits; "Continue Using Installer" ends the run with the installer
// still open. A failure in any step ends the run there, without quitting.
void threadClass::Event_Run() {
  try {
    stopFuturermCMDs = false;
    createElements(startItem);
    const FolderItem root = startItem.Parent();
    blastDotUnderscoreFiles(root);
    blastDotUnderscoreFiles(root.Child("h"));
    blastDotUnderscoreFiles(root.Child("p"));
    blastDotUnderscoreFiles(root.Child("g"));
    installLock.Release();
    CurrentProgressDisplay().Close();
    if (successInstall()) {
      ejectiPodMethod();
      QuitApplication();
    }
  } catch (...) {
    installLock.Release();
    MsgBox(WorkerEjectFailedMessage());
  }
}
