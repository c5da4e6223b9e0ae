// The installer's start-up in a process of its own, for the tests that watch its windows on an X
// server of their own: messages, folder choices and progress shown on screen as the installer
// shows them, then the start-up as the installer runs it. It prints "Timer1 went off" once the
// main window's licence timer has gone off, so that a test can answer a message shown before the
// main window only after that. It exits with the installer's exit code.
//
//   startup_child
#include <QApplication>
#include <QTimer>
#include <iostream>
#include <memory>

#include "app/StartUp.h"
#include "framework/MessageSink.h"
#include "framework/SelectFolderDialog.h"
#include "framework/Timer.h"
#include "framework/widgets/QtFolderDialog.h"
#include "framework/widgets/QtMessageSink.h"
#include "install/ProgressDisplay.h"
#include "install/widgets/ProgressWindowDisplay.h"
#include "ui/Window1.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  InstallMessageSink(std::make_shared<QtMessageSink>());
  SetFolderChoice(ShowQtFolderDialog);
  SetProgressDisplay(std::make_shared<ProgressWindowDisplay>());
  // Looks only once the event loop runs: the main window is made before it starts.
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&watch] {
    if (Window1().Timer1().Mode() != Timer::kModeOff) return;
    std::cout << "Timer1 went off" << std::endl;
    watch.stop();
  });
  watch.start(5);
  return _Main();
}
