#include "framework/widgets/Canvas.h"

#include <QImage>
#include <QPainter>
#include <utility>

Canvas::Canvas(QWidget* parent) : QWidget(parent) {}

void Canvas::SetBackdrop(Picture backdrop) {
  backdrop_ = std::move(backdrop);
  update();
}

void Canvas::paintEvent(QPaintEvent* /*event*/) {
  if (!backdrop_) return;
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), *backdrop_);
}
