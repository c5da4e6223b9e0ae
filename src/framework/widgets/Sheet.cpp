#include "framework/widgets/Sheet.h"

#include <QCloseEvent>
#include <QEvent>

Sheet::Sheet() {
  // A title and nothing else in the frame: no close, minimize or zoom box.
  setWindowFlags(Qt::Sheet | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void Sheet::ShowModalWithin(QWidget& parent) {
  QWidget* window = parent.window();
  if (owner_ != window) {
    if (!owner_.isNull()) owner_->removeEventFilter(this);
    owner_ = window;
    // A window shown just before its sheet is often placed by the windowing system only after
    // the sheet came down; the sheet then follows it there.
    window->installEventFilter(this);
  }
  setParent(window, windowFlags());
  setWindowModality(Qt::WindowModal);
  PlaceOnWindow();
  Show();
}

void Sheet::PlaceOnWindow() {
  if (owner_.isNull()) return;
  const QRect frame = owner_->geometry();
  move(frame.x() + (frame.width() - width()) / 2, frame.y());
}

bool Sheet::eventFilter(QObject* watched, QEvent* event) {
  const bool moved = event->type() == QEvent::Move || event->type() == QEvent::Resize;
  if (watched == owner_ && moved && isVisible()) PlaceOnWindow();
  return Window::eventFilter(watched, event);
}

void Sheet::Close() {
  closing_ = true;
  close();
  closing_ = false;
}

bool Sheet::CloseForQuit() {
  Close();
  return Ended();
}

void Sheet::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    event->ignore();
    return;
  }
  Window::closeEvent(event);
}
