#include "TableRenderer.h"

#include <QPainter>
#include <algorithm>

#include "FittedText.h"
#include "PictureFonts.h"
#include "TableGrid.h"

namespace {

const QColor kBackground(Qt::white);
const QColor kOutline(0x55, 0x55, 0x55);
const QColor kInk(Qt::black);
const QColor kSmallInk(0x22, 0x22, 0x22);

// Text keeps half a pixel clear of the outline on either side.
QRectF TextBand(const QRect& cell, int top, int height) {
  return QRectF(cell.left() + 1.5, cell.top() + top, cell.width() - 2, height);
}

void DrawCell(QPainter& painter, const VisualTable& table, const ElementFact& element) {
  const QRect cell = TableCell(element);
  painter.fillRect(cell, table.fill(element));
  painter.setPen(kOutline);
  painter.drawRect(cell);
  const QString symbol = QString::fromStdString(element.symbol);
  if (table.value != nullptr) {
    DrawFittedText(painter, TextBand(cell, 1, 12), symbol, PictureFont(11, true), kInk);
    DrawFittedText(painter, TextBand(cell, 12, 10), table.value(element), PictureFont(8), kSmallInk);
  } else {
    DrawFittedText(painter, TextBand(cell, 1, 9), QString::number(element.number), PictureFont(8), kSmallInk);
    DrawFittedText(painter, TextBand(cell, 9, 13), symbol, PictureFont(12, true), kInk);
  }
}

// "La–Yb" over "57–70": the first and last element of the row, by symbol and atomic number.
void DrawSeriesLabel(QPainter& painter, const std::vector<ElementFact>& elements, int period) {
  std::vector<ElementFact> series;
  std::copy_if(elements.begin(), elements.end(), std::back_inserter(series),
               [&](const ElementFact& e) { return e.group == 0 && e.period == period; });
  if (series.empty()) return;
  const ElementFact& first = series.front();
  const ElementFact& last = series.back();
  const QRect area = TableSeriesLabelArea(period);
  const QString dash = QStringLiteral("\u2013");
  const QString symbols = QString::fromStdString(first.symbol) + dash + QString::fromStdString(last.symbol);
  const QString numbers = QString::number(first.number) + dash + QString::number(last.number);
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  DrawFittedText(painter, QRectF(area.left(), area.top() + 1, area.width(), 11), symbols,
                 PictureFont(9, true), kInk, right);
  DrawFittedText(painter, QRectF(area.left(), area.top() + 12, area.width(), 10), numbers, PictureFont(8),
                 kSmallInk, right);
}

// The title, then the entries as a swatch and a label each, in one column, or in two when there
// are more than four.
void DrawLegend(QPainter& painter, const VisualTable& table) {
  const QRect area = TableLegendArea();
  DrawFittedText(painter, QRectF(area.left(), area.top(), area.width(), 14), table.title,
                 PictureFont(12, true), kInk, Qt::AlignLeft | Qt::AlignVCenter);
  const int count = int(table.legend.size());
  const int columns = count > 4 ? 2 : 1;
  const int rows = (count + columns - 1) / columns;
  const int columnWidth = area.width() / columns;
  const int rowHeight = 12;
  const int top = area.top() + 17;
  for (int i = 0; i < count; ++i) {
    const int x = area.left() + (i / rows) * columnWidth;
    const int y = top + (i % rows) * rowHeight;
    const QRect swatch(x, y + 2, 11, 8);
    painter.fillRect(swatch, table.legend[std::size_t(i)].fill);
    painter.setPen(kOutline);
    painter.drawRect(swatch);
    DrawFittedText(painter, QRectF(x + 14, y, columnWidth - 16, rowHeight),
                   table.legend[std::size_t(i)].label, PictureFont(9), kInk,
                   Qt::AlignLeft | Qt::AlignVCenter);
  }
}

}  // namespace

QImage DrawVisualTable(const VisualTable& table, const std::vector<ElementFact>& elements) {
  QImage image(kTableWidth, kTableHeight, QImage::Format_RGB32);
  image.fill(kBackground);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  for (const ElementFact& element : elements) DrawCell(painter, table, element);
  DrawSeriesLabel(painter, elements, 6);
  DrawSeriesLabel(painter, elements, 7);
  DrawLegend(painter, table);
  DrawFittedText(painter, TableNoteArea(), table.note, PictureFont(9), kSmallInk,
                 Qt::AlignLeft | Qt::AlignVCenter);
  return image;
}

QPoint PlainPointOfCell(const ElementFact& element) {
  const QRect cell = TableCell(element);
  return {cell.left() + 1, cell.bottom() - 1};
}
