#include <QApplication>
#include <iostream>

#include "app/Atomnote.h"
#include "app/CoreReport.h"
#include "data/ResourceCatalogue.h"
#include "framework/MessageSink.h"
#include "framework/QtMessageSink.h"

namespace {

// Until the installer has its main window, the program brings the application core up, says
// what it loaded and quits, saving the preferences on the way out.
class CoreOnlyAtomnote : public Atomnote {
 protected:
  void Event_Open() override {
    Atomnote::Event_Open();
    if (QuitRequested()) return;
    PrintCoreReport(std::cout);
    Quit(0);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  InstallMessageSink(std::make_shared<QtMessageSink>());
  CoreOnlyAtomnote application;
  int exitCode = application.Run();
  ReleaseResourceCatalogue();
  return exitCode;
}
