#include "MakerLogo.h"

#include <QPainter>
#include <QPainterPath>

#include "FittedText.h"
#include "PictureFonts.h"

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 110;
const QColor kRing(0xe8, 0xe8, 0xe8);
const QColor kBrook(0x5a, 0xb4, 0xe6);
const QColor kWords(Qt::white);
const QColor kSecondWord(0xb4, 0xb4, 0xb4);

// A hollow ring with a brook of two waves running through it, out past its right side.
void DrawEmblem(QPainter& painter) {
  painter.setPen(QPen(kRing, 4.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(30, 32), 22, 22);
  painter.setPen(QPen(kBrook, 3.5, Qt::SolidLine, Qt::RoundCap));
  for (double offset : {0.0, 9.0}) {
    QPainterPath wave;
    wave.moveTo(10, 30 + offset);
    wave.cubicTo(24, 20 + offset, 34, 42 + offset, 48, 30 + offset);
    wave.cubicTo(62, 18 + offset, 76, 40 + offset, 112, 26 + offset);
    painter.drawPath(wave);
  }
}

}  // namespace

QImage DrawMakerLogo() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  DrawEmblem(painter);
  DrawFittedText(painter, QRectF(4, 62, 112, 16), QStringLiteral("HOLLOWBROOK"), PictureFont(15, true),
                 kWords, Qt::AlignLeft | Qt::AlignVCenter);
  DrawFittedText(painter, QRectF(4, 80, 40, 16), QStringLiteral("WORKS"), PictureFont(13, true), kSecondWord,
                 Qt::AlignLeft | Qt::AlignVCenter);
  return image;
}
