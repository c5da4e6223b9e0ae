#include "WindowSketch.h"

#include <QLinearGradient>
#include <QPainter>

#include "FittedText.h"
#include "PictureFonts.h"

namespace {

const QColor kFrame(0x86, 0x86, 0x86);
const QColor kTitleTop(0xee, 0xee, 0xee);
const QColor kTitleBottom(0xcc, 0xcc, 0xcc);
const QColor kPanel(0xf6, 0xf6, 0xf6);
const QColor kSidebar(0xdd, 0xe4, 0xee);
const QColor kHeading(0x6a, 0x74, 0x80);
const QColor kSelection(0x3a, 0x76, 0xd2);
const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kPlaceholder(0xc4, 0xc4, 0xc4);
const QColor kControlEdge(0x7a, 0x7a, 0x7a);
const QColor kCallout(0xd8, 0x24, 0x24);
constexpr int kTitleBarHeight = 18;

}  // namespace

void SketchWindow(QPainter& painter, const QRect& frame, const QString& title) {
  painter.setPen(kFrame);
  painter.setBrush(kPanel);
  painter.drawRoundedRect(frame, 5, 5);
  QLinearGradient bar(0, frame.top(), 0, frame.top() + kTitleBarHeight);
  bar.setColorAt(0, kTitleTop);
  bar.setColorAt(1, kTitleBottom);
  const QRect titleBar(frame.left() + 1, frame.top() + 1, frame.width() - 1, kTitleBarHeight - 1);
  painter.fillRect(titleBar, bar);
  painter.drawLine(frame.left(), frame.top() + kTitleBarHeight, frame.right(), frame.top() + kTitleBarHeight);
  painter.setBrush(QColor(0xb0, 0xb0, 0xb0));
  for (int i = 0; i < 3; ++i) painter.drawEllipse(QPoint(frame.left() + 11 + i * 14, frame.top() + 9), 4, 4);
  DrawFittedText(painter, titleBar, title, PictureFont(11, true), kInk);
}

void SketchSidebar(QPainter& painter, const QRect& area) {
  painter.fillRect(area, kSidebar);
  painter.setPen(kFrame);
  painter.drawLine(area.topRight(), area.bottomRight());
}

void SketchHeading(QPainter& painter, const QPoint& at, const QString& text) {
  DrawFittedText(painter, QRectF(at.x(), at.y(), 120, 12), text, PictureFont(9, true), kHeading,
                 Qt::AlignLeft | Qt::AlignVCenter);
}

void SketchListRow(QPainter& painter, const QRect& row, const QString& text, bool selected) {
  if (selected) painter.fillRect(row, kSelection);
  const QColor ink = selected ? QColor(Qt::white) : kInk;
  painter.setPen(ink);
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRect(row.left() + 8, row.top() + 3, 7, row.height() - 6), 2, 2);
  if (text.isEmpty()) {
    SketchPlaceholder(painter, QRect(row.left() + 20, row.center().y() - 2, row.width() / 2, 5));
  } else {
    DrawFittedText(painter, QRectF(row.left() + 20, row.top(), row.width() - 22, row.height()), text,
                   PictureFont(11, selected), ink, Qt::AlignLeft | Qt::AlignVCenter);
  }
}

void SketchPlaceholder(QPainter& painter, const QRect& bar) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(kPlaceholder);
  painter.drawRoundedRect(bar, 2, 2);
}

void SketchCheckBox(QPainter& painter, const QPoint& at, const QString& label, bool checked,
                    int placeholderWidth) {
  const QRect box(at.x(), at.y(), 11, 11);
  painter.setPen(kControlEdge);
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(box, 2, 2);
  if (checked) {
    painter.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygon(
        {QPoint(at.x() + 2, at.y() + 5), QPoint(at.x() + 5, at.y() + 8), QPoint(at.x() + 10, at.y() + 1)}));
  }
  if (label.isEmpty()) {
    SketchPlaceholder(painter, QRect(at.x() + 17, at.y() + 3, placeholderWidth, 5));
  } else {
    DrawFittedText(painter, QRectF(at.x() + 17, at.y() - 2, 200, 15), label, PictureFont(11), kInk,
                   Qt::AlignLeft | Qt::AlignVCenter);
  }
}

void SketchButton(QPainter& painter, const QRect& button, const QString& label, bool isDefault) {
  painter.setPen(kControlEdge);
  painter.setBrush(isDefault ? QColor(0xb4, 0xd0, 0xf4) : QColor(Qt::white));
  painter.drawRoundedRect(button, 8, 8);
  DrawFittedText(painter, button, label, PictureFont(11), kInk);
}

void SketchTab(QPainter& painter, const QRect& tab, const QString& label, bool selected) {
  painter.setPen(kControlEdge);
  painter.setBrush(selected ? kSelection : QColor(Qt::white));
  painter.drawRect(tab);
  if (label.isEmpty()) {
    SketchPlaceholder(painter, QRect(tab.left() + 8, tab.center().y() - 2, tab.width() - 16, 5));
  } else {
    DrawFittedText(painter, tab, label, PictureFont(11, selected), selected ? QColor(Qt::white) : kInk);
  }
}

void SketchGroupBox(QPainter& painter, const QRect& box, const QString& title) {
  painter.setPen(QColor(0xa8, 0xa8, 0xa8));
  painter.setBrush(QColor(0xee, 0xee, 0xee));
  painter.drawRoundedRect(box, 4, 4);
  DrawFittedText(painter, QRectF(box.left() + 8, box.top() - 15, 150, 14), title, PictureFont(11, true), kInk,
                 Qt::AlignLeft | Qt::AlignVCenter);
}

void SketchPaneButton(QPainter& painter, const QRect& button, const QString& label, bool selected) {
  if (selected) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc8, 0xc8, 0xc8));
    painter.drawRoundedRect(button, 4, 4);
  }
  const QRect symbol(button.center().x() - 10, button.top() + 4, 20, 20);
  painter.setPen(kControlEdge);
  painter.setBrush(selected ? QColor(0x9a, 0xbc, 0xe8) : QColor(0xe4, 0xe4, 0xe4));
  painter.drawRoundedRect(symbol, 4, 4);
  const QRect labelBox(button.left(), button.top() + 26, button.width(), 12);
  if (label.isEmpty()) {
    SketchPlaceholder(painter, QRect(labelBox.left() + 6, labelBox.top() + 4, labelBox.width() - 12, 5));
  } else {
    DrawFittedText(painter, labelBox, label, PictureFont(10), kInk);
  }
}

void SketchCallout(QPainter& painter, const QRect& around, int step) {
  painter.setPen(QPen(kCallout, 2.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QRectF(around).adjusted(-6, -5, 6, 5));
  const QPointF disc(around.left() - 3, around.top() - 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kCallout);
  painter.drawEllipse(disc, 8, 8);
  DrawFittedText(painter, QRectF(disc.x() - 8, disc.y() - 8, 16, 16), QString::number(step),
                 PictureFont(11, true), Qt::white);
}
