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
// and "g" folders (never "t"), the install's lock on the iPod let go, the progress window closed,
// then the completion dialog. Its action button ejects the iPod, waiting for the eject, and quits
// once it is done; "Continue Using Installer" ends the run with the installer still open. A
// failure in any step ends the run there, without quitting.
void threadClass::Event_Run() {
  try {
    stopFuturermCMDs = false;
    createElements(startItem);
    CleanUpDotUnderscoreFiles();
    LetGoOfTheiPod();
    CurrentProgressDisplay().Close();
    // The installer quits only once the iPod is ejected; when it cannot be, the person hears why
    // and the installer stays open.
    if (successInstall() && ejectiPodAndWait()) QuitApplication();
  } catch (...) {
    LetGoOfTheiPod();
    MsgBox(WorkerEjectFailedMessage());
  }
}

void threadClass::CleanUpDotUnderscoreFiles() {
  const FolderItem root = startItem.Parent();
  blastDotUnderscoreFiles(root);
  blastDotUnderscoreFiles(root.Child("h"));
  blastDotUnderscoreFiles(root.Child("p"));
  blastDotUnderscoreFiles(root.Child("g"));
}

// The lock, and the folders of the iPod held open, would keep the iPod from being ejected.
void threadClass::LetGoOfTheiPod() {
  installLock.Release();
  startItem = startItem.ByPath();
}
