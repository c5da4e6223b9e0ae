#include <QApplication>
#include <memory>

#include "app/SingleInstanceLock.h"
#include "app/StartUp.h"
#include "data/ResourceCatalogue.h"
#include "framework/MessageSink.h"
#include "framework/SelectFolderDialog.h"
#include "framework/widgets/QtFolderDialog.h"
#include "framework/widgets/QtMessageSink.h"
#include "install/ProgressDisplay.h"
#include "install/widgets/ProgressWindowDisplay.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  // Messages, folder choices and the progress of installs and removals are shown on screen.
  InstallMessageSink(std::make_shared<QtMessageSink>());
  SetFolderChoice(ShowQtFolderDialog);
  SetProgressDisplay(std::make_shared<ProgressWindowDisplay>());
  // A second installer of the same user says so and quits before it reads or writes anything.
  const SingleInstanceLock onlyInstaller;
  if (onlyInstaller.AnotherInstallerIsRunning()) {
    SingleInstanceLock::ShowAlreadyRunning();
    return 0;
  }
  const int exitCode = _Main();
  ReleaseResourceCatalogue();
  return exitCode;
}
