#include "FittedText.h"

#include <QFontMetricsF>
#include <QPainter>

void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                    const QColor& colour, Qt::Alignment alignment) {
  const double width = QFontMetricsF(font).horizontalAdvance(text);
  const double squeeze = width > box.width() ? box.width() / width : 1.0;
  painter.save();
  painter.setFont(font);
  painter.setPen(colour);
  painter.translate(box.left(), box.top());
  painter.scale(squeeze, 1.0);
  painter.drawText(QRectF(0, 0, box.width() / squeeze, box.height()), int(alignment), text);
  painter.restore();
}
