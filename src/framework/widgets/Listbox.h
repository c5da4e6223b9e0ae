#pragma once

#include <QListWidget>
#include <QRect>
#include <string>
#include <vector>

class Graphics;

// The framework's list: rows of one column, each cell plain text or a check box with its text
// beside it. Before it draws a cell the list asks Event_CellBackgroundPaint to paint the cell's
// background; then it draws the check box, the text and the mark of a selected row over it.
class Listbox : public QListWidget {
 public:
  // Cell types: the list's default (plain text), plain text, a check box.
  static constexpr int kTypeDefault = 0;
  static constexpr int kTypeNormal = 1;
  static constexpr int kTypeCheckbox = 2;
  // Column alignments: the list's default (left), left, centred, right.
  static constexpr int kAlignDefault = 0;
  static constexpr int kAlignLeft = 1;
  static constexpr int kAlignCenter = 2;
  static constexpr int kAlignRight = 3;

  explicit Listbox(QWidget* parent = nullptr);

  void AddRow(const std::string& text);
  void AddRows(const std::vector<std::string>& texts);
  int ListCount() const { return count(); }
  std::string Cell(int row, int column) const;

  // The list has one column: a column other than 0, or a row outside the list, raises
  // OutOfBoundsException.
  void SetColumnAlignment(int column, int alignment);
  int CellType(int row, int column) const;
  void SetCellType(int row, int column, int type);
  // Whether the cell's check box is ticked; setting it leaves the cell's type alone.
  bool CellCheck(int row, int column) const;
  void SetCellCheck(int row, int column, bool checked);

  // Where the check box of the row's cell lies, in the coordinates of the list's viewport (the
  // part that scrolls); empty when the row is not on screen or its cell shows no check box.
  QRect CellCheckboxRect(int row) const;

  // Paints the background of one cell through Event_CellBackgroundPaint; whether the event
  // painted the whole background itself (the list then draws no selection mark under the text).
  bool PaintCellBackground(Graphics& g, int row, int column);

 protected:
  // Paints the background of the cell at row, column on g, a surface as large as the cell.
  // Returning false leaves the list's own drawing of the row in force.
  virtual bool Event_CellBackgroundPaint(Graphics& /*g*/, int /*row*/, int /*column*/) { return false; }

 private:
  QListWidgetItem& Item(int row, int column) const;
  int alignment_ = kAlignDefault;
};
