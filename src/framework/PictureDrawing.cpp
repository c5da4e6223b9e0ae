#include "framework/PictureDrawing.h"

#include <QColor>
#include <QPainter>
#include <algorithm>

QImage NewPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_ARGB32);
  if (!picture.isNull()) picture.fill(Qt::transparent);
  return picture;
}

void DrawPicture(QImage& target, const Picture& picture, int left, int top) {
  if (!picture || target.isNull()) return;
  QPainter painter(&target);
  painter.drawImage(QPoint(left, top), *picture);
}

// Scaled by averaging, so a picture made much smaller keeps its thin lines as shades rather than
// losing them between samples.
void DrawPicture(QImage& target, const Picture& picture, QRect destination, QRect source) {
  if (!picture || target.isNull() || destination.isEmpty()) return;
  const QImage scaled =
      picture->copy(source).scaled(destination.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QPainter painter(&target);
  painter.drawImage(destination.topLeft(), scaled);
}

void DrawMask(QImage& target, const Picture& mask) {
  if (!mask || target.isNull()) return;
  if (target.format() != QImage::Format_ARGB32) target.convertTo(QImage::Format_ARGB32);
  const QImage grey = mask->convertToFormat(QImage::Format_Grayscale8);
  const int width = std::min(target.width(), grey.width());
  const int height = std::min(target.height(), grey.height());
  for (int y = 0; y < height; ++y) {
    const uchar* shade = grey.constScanLine(y);
    auto* pixels = reinterpret_cast<QRgb*>(target.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const QRgb pixel = pixels[x];
      pixels[x] = qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), qAlpha(pixel) * (255 - shade[x]) / 255);
    }
  }
}
