#include "ProductIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

struct IconColours {
  QColor tileTop;
  QColor tileBottom;
  QColor rim;
  QColor orbit;
  QColor nucleus;
  QColor note;
};

const IconColours kBrightColours = {QColor(0x4c, 0xc8, 0xdc),   QColor(0x1c, 0x62, 0xb4),
                                    QColor(255, 255, 255, 170), QColor(255, 255, 255),
                                    QColor(0xff, 0xcc, 0x3a),   QColor(0x12, 0x2a, 0x52)};
const IconColours kDimColours = {QColor(0x6e, 0x9c, 0xa8),   QColor(0x3c, 0x5a, 0x7e),
                                 QColor(255, 255, 255, 110), QColor(0xd4, 0xdc, 0xe4),
                                 QColor(0xd2, 0xb0, 0x5a),   QColor(0x22, 0x32, 0x48)};

// Everything is drawn on a 100 x 100 design grid, scaled to the picture's size.
constexpr double kGrid = 100.0;

QPainterPath TileOutline() {
  QPainterPath tile;
  tile.addRoundedRect(QRectF(4, 4, 92, 92), 20, 20);
  return tile;
}

void DrawTile(QPainter& painter, const IconColours& colours) {
  QLinearGradient gradient(0, 4, 0, 96);
  gradient.setColorAt(0, colours.tileTop);
  gradient.setColorAt(1, colours.tileBottom);
  painter.fillPath(TileOutline(), gradient);
  painter.setPen(QPen(colours.rim, 2.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(6.5, 6.5, 87, 87), 17.5, 17.5);
}

void DrawOrbits(QPainter& painter, const IconColours& colours) {
  painter.setPen(QPen(colours.orbit, 3.6));
  painter.setBrush(Qt::NoBrush);
  for (double angle : {-30.0, 30.0, 90.0}) {
    painter.save();
    painter.translate(50, 50);
    painter.rotate(angle);
    painter.drawEllipse(QPointF(0, 0), 38, 13.5);
    painter.setBrush(colours.nucleus);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(38, 0), 4.2, 4.2);
    painter.restore();
    painter.setPen(QPen(colours.orbit, 3.6));
  }
}

// An eighth note on a round nucleus.
void DrawNote(QPainter& painter, const IconColours& colours) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(colours.nucleus);
  painter.drawEllipse(QPointF(50, 50), 15, 15);
  painter.setBrush(colours.note);
  painter.save();
  painter.translate(46.5, 56);
  painter.rotate(-22);
  painter.drawEllipse(QPointF(0, 0), 6.2, 4.4);
  painter.restore();
  painter.drawRect(QRectF(50.6, 38, 2.4, 17));
  QPainterPath flag;
  flag.moveTo(50.6, 38);
  flag.cubicTo(53, 43, 60, 44, 58, 51);
  flag.cubicTo(57, 46, 55, 44, 53, 44);
  flag.closeSubpath();
  painter.drawPath(flag);
}

void DrawFace(QPainter& painter, int size, const IconColours& colours) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.scale(size / kGrid, size / kGrid);
  DrawTile(painter, colours);
  painter.setClipPath(TileOutline());
  DrawOrbits(painter, colours);
  DrawNote(painter, colours);
}

QImage FaceOn(const QColor& ground, int size, const IconColours& colours) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(ground);
  QPainter painter(&image);
  DrawFace(painter, size, colours);
  return image;
}

}  // namespace

QImage DrawProductIcon(int size, IconLook look) {
  return FaceOn(Qt::transparent, size, look == IconLook::kBright ? kBrightColours : kDimColours)
      .convertToFormat(QImage::Format_ARGB32);
}

QImage DrawProductIconMask(int size) {
  const QImage face = DrawProductIcon(size, IconLook::kBright);
  QImage mask(size, size, QImage::Format_Grayscale8);
  for (int y = 0; y < size; ++y) {
    uchar* line = mask.scanLine(y);
    for (int x = 0; x < size; ++x) line[x] = uchar(255 - qAlpha(face.pixel(x, y)));
  }
  return mask;
}

QImage DrawProductIconOnBlack(int size) {
  return FaceOn(Qt::black, size, kBrightColours).convertToFormat(QImage::Format_RGB32);
}
