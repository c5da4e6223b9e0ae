#include "framework/widgets/Canvas.h"

#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

Canvas::Canvas(QWidget* parent) : QWidget(parent) {}

void Canvas::SetBackdrop(Picture backdrop) {
  backdrop_ = std::move(backdrop);
  update();
}

void Canvas::Refresh(bool /*eraseBackground*/) {
  // Qt erases a widget's background before every paint unless told otherwise.
  repaint();
}

void Canvas::paintEvent(QPaintEvent* /*event*/) {
  if (!backdrop_) return;
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), *backdrop_);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (tracking_ || !mouseDown_ || !mouseDown_(at.x(), at.y())) {
    event->ignore();
    return;
  }
  tracking_ = true;
  event->accept();
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
  if (!tracking_) {
    event->ignore();
    return;
  }
  const QPoint at = event->position().toPoint();
  if (mouseDrag_) mouseDrag_(at.x(), at.y());
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
  if (!tracking_ || event->buttons() != Qt::NoButton) {
    event->ignore();
    return;
  }
  tracking_ = false;
  const QPoint at = event->position().toPoint();
  if (mouseUp_) mouseUp_(at.x(), at.y());
}

void Canvas::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (mouseEnter_) mouseEnter_();
}

void Canvas::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (mouseExit_) mouseExit_();
}
