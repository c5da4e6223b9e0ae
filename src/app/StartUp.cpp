#include "app/StartUp.h"

#include <QCoreApplication>
#include <QPushButton>

#include "app/Atomnote.h"
#include "app/FileTypes.h"
#include "app/MenuBar1.h"
#include "prefs/ProductInfo.h"
#include "ui/Window1.h"

class Window1& _MakeDefaultView() {
  class Window1& mainWindow = Window1();
  class MenuBar1& menuBar = MenuBar1();
  mainWindow.SetMenuBar(&menuBar);
  menuBar.UpdateEnablingWhenEnabledChanges(mainWindow.PushButton1());
  return mainWindow;
}

int _Main() {
  // Message boxes without a title of their own carry the program's name in their title bar.
  QCoreApplication::setApplicationName(kProgramName);
  _InitFileTypes();
  Atomnote application;
  MenuBar1();
  application._ApplicationAddMenuHandlers();
  class Window1& mainWindow = _MakeDefaultView();
  return application.Run([&mainWindow] {
    mainWindow.Show();
    MenuBar1().UpdateEnabling();
  });
}
