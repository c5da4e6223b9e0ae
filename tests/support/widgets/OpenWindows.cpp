#include "support/widgets/OpenWindows.h"

#include <QCoreApplication>
#include <QEvent>

void CloseEveryWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) window->close();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
