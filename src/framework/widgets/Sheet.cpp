#include "framework/widgets/Sheet.h"

#include <QCloseEvent>

Sheet::Sheet() {
  // A title and nothing else in the frame: no close, minimize or zoom box.
  setWindowFlags(Qt::Sheet | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void Sheet::ShowModalWithin(QWidget& parent) {
  QWidget* window = parent.window();
  setParent(window, windowFlags());
  setWindowModality(Qt::WindowModal);
  const QRect frame = window->geometry();
  move(frame.x() + (frame.width() - width()) / 2, frame.y());
  Show();
}

void Sheet::Close() {
  closing_ = true;
  close();
  closing_ = false;
}

void Sheet::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    event->ignore();
    return;
  }
  Window::closeEvent(event);
}
