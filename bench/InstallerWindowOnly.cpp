#include <QApplication>

#include "app/StartUp.h"
#include "ui/Window1.h"

// A yardstick of the start-up benchmark: the installer's main window with its menu bar and all
// its controls, shown without any of the installer's start-up work (no preferences, element
// tables or spelling table loaded, no iPod scan, no thumbnail: neither the application's nor the
// window's Open event runs). What it costs is what having these controls costs.
int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  class Window1& window = _MakeDefaultView();
  window.QWidget::show();
  return QApplication::exec();
}
