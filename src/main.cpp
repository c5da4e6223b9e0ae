#include <QApplication>
#include <memory>

#include "app/SingleInstanceLock.h"
#include "app/StartUp.h"
#include "data/PicturesDecodedAhead.h"
#include "data/ResourceCatalogue.h"
#include "framework/FontConfigurationLoad.h"
#include "framework/MessageSink.h"
#include "framework/SelectFolderDialog.h"
#include "framework/widgets/QtFolderDialog.h"
#include "framework/widgets/QtMessageSink.h"
#include "install/ProgressDisplay.h"
#include "install/widgets/ProgressWindowDisplay.h"
#include "ui/Window1.h"

int main(int argc, char** argv) {
  // The font configuration, which the first text drawn needs, loads while the Qt application
  // object starts.
  FontConfigurationLoad fontConfiguration;
  QApplication qt(argc, argv);
  fontConfiguration.Wait();
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
  int exitCode = 0;
  {
    // The pictures the main window draws as it opens are decoded beside the rest of start-up.
    const PicturesDecodedAhead openingPictures(Window1::PicturesDrawnAtOpen());
    exitCode = _Main();
  }
  ReleaseResourceCatalogue();
  return exitCode;
}
