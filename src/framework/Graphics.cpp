#include "framework/Graphics.h"

#include <QColor>
#include <QPainter>

Graphics::Graphics(QPainter& painter, QRect area) : painter_(painter), area_(area) {}

void Graphics::FillRect(int left, int top, int width, int height) {
  const QRect target = QRect(area_.left() + left, area_.top() + top, width, height).intersected(area_);
  if (target.isEmpty()) return;
  painter_.fillRect(target, QColor::fromRgb(foreColor_));
}
