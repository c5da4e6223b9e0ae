#include "ContactSheet.h"

#include <QPainter>
#include <algorithm>

#include "FittedText.h"
#include "PictureFonts.h"

namespace {

constexpr int kMargin = 12;
constexpr int kNameHeight = 18;

}  // namespace

QImage DrawContactSheet(const std::vector<std::pair<QString, QImage>>& pictures) {
  int width = kMargin;
  int height = 0;
  for (const auto& [name, image] : pictures) {
    width += image.width() + kMargin;
    height = std::max(height, image.height());
  }
  QImage sheet(width, kMargin + kNameHeight + height + kMargin, QImage::Format_RGB32);
  sheet.fill(QColor(0x70, 0x70, 0x70));
  QPainter painter(&sheet);
  int left = kMargin;
  for (const auto& [name, image] : pictures) {
    DrawFittedText(painter, QRectF(left, kMargin, image.width(), kNameHeight - 4), name,
                   PictureFont(12, true), Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    painter.drawImage(left, kMargin + kNameHeight, image);
    left += image.width() + kMargin;
  }
  return sheet;
}
