#include <QApplication>

#include "app/Atomnote.h"
#include "framework/MessageSink.h"
#include "framework/QtMessageSink.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  InstallMessageSink(std::make_shared<QtMessageSink>());
  Atomnote application;
  return application.Run();
}
