// A second installer for the tests that need one: runs the Install or Remove button of a main
// window of its own on one volume, in a process of its own, the way the installer does, and
// prints every message box ("box: " and its text) and dialog ("dialog: " and its message) as it
// is shown, with line ends written as "\n". Dialogs are answered "Continue Using Installer".
//
//   install_child install|remove <volume folder> [hold]
//
// With "hold" it prints "holding" once the button's action has returned (an install then holds
// the iPod, its element notes still to come) and waits for a line on its standard input before
// it lets the event loop run. It prints "done" at the end and exits with 0.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "app/Atomnote.h"
#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "framework/AtomnoteState.h"
#include "framework/MessageSink.h"
#include "framework/Volumes.h"
#include "install/ProgressDisplay.h"
#include "install/iPodScanClass.h"
#include "install/widgets/ProgressWindowDisplay.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/PreferencesFile.h"
#include "ui/Window1.h"

namespace {

std::string OneLine(std::string text) {
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
    text.replace(at, 1, "\\n");
  }
  return text;
}

class PrintingSink : public MessageSink {
 public:
  void ShowMessageBox(const MessageBoxRecord& message) override {
    std::cout << "box: " << OneLine(message.text) << std::endl;
  }
  MessageDialogAnswer ShowMessageDialog(const MessageDialogRecord& dialog) override {
    std::cout << "dialog: " << OneLine(dialog.message) << std::endl;
    return MessageDialogAnswer::AlternateAction;
  }
};

// Lets the event loop run while the progress window is open (the worker closes it at its end).
void RunWhileTheProgressWindowIsOpen() {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&loop] {
    if (!CurrentProgressDisplay().IsOpen()) loop.quit();
  });
  poll.start(5);
  QTimer::singleShot(120000, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  if (argc < 3) {
    std::cerr << "usage: install_child install|remove <volume folder> [hold]\n";
    return 2;
  }
  const std::string action = argv[1];
  const std::filesystem::path volume = argv[2];
  const bool hold = argc > 3 && std::string(argv[3]) == "hold";

  InstallMessageSink(std::make_shared<PrintingSink>());
  SetProgressDisplay(std::make_shared<ProgressWindowDisplay>());
  Atomnote application;
  Application::SetExecutableFileForTesting(std::filesystem::path(ATOMNOTE_BUNDLE_DIR) / "Contents" / "MacOS" /
                                           "AtomnoteInstaller");
  loadDatasets();
  buildBritishTranslationTable();
  setDefaultPreferences();
  App().globalMacOSVersion = 10.4;
  SetVolumesForTesting([volume] { return std::vector<std::filesystem::path>{volume}; });

  class Window1& window = Window1();
  window.scanTimerAction();
  window.applyPreferences();  // every dataset ticked, as on a first run
  if (action == "install") {
    window.PushButton1_Action();
  } else {
    window.removeAtomnote();
  }
  if (hold) {
    std::cout << "holding" << std::endl;
    std::string line;
    std::getline(std::cin, line);
  }
  RunWhileTheProgressWindowIsOpen();
  std::cout << "done" << std::endl;
  return 0;
}
