#pragma once

#include <set>
#include <utility>

#include "framework/widgets/Listbox.h"

// The dataset list: a list that paints each row's cell in the colour of its dataset group
// (kDatasetGroups), the group's first colour on rows of even index in the whole list and its
// second on odd ones. The check box and text are drawn over the colour.
class shadedListbox : public Listbox {
 public:
  explicit shadedListbox(QWidget* parent = nullptr);

 protected:
  // Fills the cell with its row's colour. A failure is reported once per cell (#715), after the
  // drawing, and the list goes on drawing.
  bool Event_CellBackgroundPaint(Graphics& g, int row, int column) override;
  // The fill itself; a row outside the groups is filled with the surface's drawing colour.
  virtual void PaintRowBackground(Graphics& g, int row);

 private:
  void ReportDrawingError(int row, int column);

  std::set<std::pair<int, int>> failedCells_;
};

// Makes the list for a control-table row.
QWidget* MakeShadedListbox(QWidget* parent);
