#include "support/widgets/OpenWindows.h"

#include <QCoreApplication>
#include <QEvent>
#include <QRect>
#include <QSize>

void CloseEveryWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) window->close();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ExpectKeepsToTheEdgesAboveAStrip(QWidget& window, const QWidget& control, int stripHeight) {
  const QSize design = window.size();
  for (const QSize size : {window.minimumSize(), QSize(900, 700), design}) {
    SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
    window.resize(size);
    ASSERT_TRUE(WaitFor([&] { return window.size() == size; }));
    EXPECT_EQ(control.geometry(), QRect(0, 0, size.width(), size.height() - stripHeight));
  }
}
