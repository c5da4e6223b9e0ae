#include "TableGrid.h"

namespace {

constexpr int kLeft = 7;
constexpr int kTop = 6;
constexpr int kSeriesGap = 5;
constexpr int kSeriesTop = kTop + 7 * kCellHeight + kSeriesGap;
constexpr int kFirstSeriesColumn = 3;

int ColumnLeft(int group) { return kLeft + (group - 1) * kCellWidth; }

// The first atomic number of the lanthanide row (57, lanthanum) or the actinide row (89).
int FirstOfSeries(int period) { return period == 6 ? 57 : 89; }

int SeriesRowTop(int period) { return kSeriesTop + (period - 6) * kCellHeight; }

}  // namespace

QRect TableCell(const ElementFact& element) {
  if (element.group == 0) {
    const int column = kFirstSeriesColumn + element.number - FirstOfSeries(element.period);
    return {ColumnLeft(column), SeriesRowTop(element.period), kCellWidth, kCellHeight};
  }
  return {ColumnLeft(element.group), kTop + (element.period - 1) * kCellHeight, kCellWidth, kCellHeight};
}

QRect TableLegendArea() {
  return QRect(QPoint(ColumnLeft(3) + 3, kTop), QPoint(ColumnLeft(13) - 4, kTop + 3 * kCellHeight - 3));
}

QRect TableSeriesLabelArea(int period) {
  return {kLeft, SeriesRowTop(period), ColumnLeft(kFirstSeriesColumn) - kLeft - 2, kCellHeight};
}

QRect TableNoteArea() {
  const int top = kSeriesTop + 2 * kCellHeight + 2;
  return {kLeft, top, kTableWidth - 2 * kLeft, kTableHeight - top};
}
