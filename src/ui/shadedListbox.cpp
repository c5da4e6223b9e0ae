#include "ui/shadedListbox.h"

#include <QTimer>

#include "framework/Graphics.h"
#include "framework/MessageSink.h"
#include "prefs/DatasetGroups.h"
#include "ui/WindowMessages.h"

shadedListbox::shadedListbox(QWidget* parent) : Listbox(parent) {}

bool shadedListbox::Event_CellBackgroundPaint(Graphics& g, int row, int column) {
  try {
    PaintRowBackground(g, row);
  } catch (...) {
    ReportDrawingError(row, column);
  }
  return false;
}

void shadedListbox::PaintRowBackground(Graphics& g, int row) {
  if (const std::optional<std::uint32_t> colour = DatasetRowColour(row)) g.SetForeColor(*colour);
  g.FillRect(0, 0, g.Width(), g.Height());
}

// A cell that cannot be drawn would fail again at every repaint, and a box shown from inside the
// drawing would bring the next repaint while it is up: each cell tells its failure once, and the
// box comes after the drawing has ended.
void shadedListbox::ReportDrawingError(int row, int column) {
  if (!failedCells_.insert({row, column}).second) return;
  QTimer::singleShot(0, this, [] { MsgBox(ListboxDrawingErrorMessage(), kCautionIcon, "Error"); });
}

QWidget* MakeShadedListbox(QWidget* parent) { return new shadedListbox(parent); }
