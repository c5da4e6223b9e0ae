#include "framework/widgets/Listbox.h"

#include <gtest/gtest.h>

#include <QImage>
#include <set>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Graphics.h"
#include "framework/widgets/Window.h"
#include "support/widgets/WindowEvents.h"

namespace {

// A list that fills every cell's background in one colour and keeps which cells it was asked to
// paint, with their surfaces' sizes.
class PaintingList : public Listbox {
 public:
  using Listbox::Listbox;
  std::set<int> paintedRows;
  std::set<int> surfaceWidths;

 protected:
  bool Event_CellBackgroundPaint(Graphics& g, int row, int /*column*/) override {
    paintedRows.insert(row);
    surfaceWidths.insert(g.Width());
    g.SetForeColor(0x7DFF7D);
    g.FillRect(0, 0, g.Width(), g.Height());
    return false;
  }
};

QWidget* MakePaintingList(QWidget* parent) { return new PaintingList(parent); }

// A 300 x 200 window holding a list of five check-box rows at 10, 10 (200 x 150).
class ListWindow : public Window {
 public:
  ListWindow() {
    resize(300, 200);
    CreateControls(std::vector<ControlRow>{
        {"List1",
         ControlKind::Custom,
         10,
         10,
         200,
         150,
         "",
         {.rows = {"melting point", "boiling point", "density", "valences", "CAS registry number"}},
         MakePaintingList}});
    for (int row = 0; row < list().ListCount(); ++row) list().SetCellType(row, 0, Listbox::kTypeCheckbox);
  }
  PaintingList& list() const { return ControlAs<PaintingList>("List1"); }

  // The centre of the row's check box, in the window.
  QPoint CheckboxCentre(int row) const {
    return list().viewport()->mapTo(this, list().CellCheckboxRect(row).center());
  }
  // A point on the row's cell right of its text, in the window.
  QPoint RightOfText(int row) const {
    const QRect cell = list().visualItemRect(list().item(row));
    return list().viewport()->mapTo(this, QPoint(cell.right() - 4, cell.center().y()));
  }
  std::vector<bool> Checks() const {
    std::vector<bool> checks;
    for (int row = 0; row < list().ListCount(); ++row) checks.push_back(list().CellCheck(row, 0));
    return checks;
  }
};

TEST(Listbox, RowsFromTheTableInOrder) {
  const ListWindow window;
  ASSERT_EQ(window.list().ListCount(), 5);
  EXPECT_EQ(window.list().Cell(0, 0), "melting point");
  EXPECT_EQ(window.list().Cell(4, 0), "CAS registry number");
}

// A tick set on a plain cell is kept, unseen, until the cell becomes a check box, and kept when
// it stops being one.
TEST(Listbox, ATickOutlivesChangesOfTheCellType) {
  Listbox list;
  list.AddRows({"a", "b"});
  EXPECT_EQ(list.CellType(0, 0), Listbox::kTypeDefault);
  EXPECT_FALSE(list.CellCheck(0, 0));
  EXPECT_FALSE(list.item(0)->flags().testFlag(Qt::ItemIsUserCheckable));

  list.SetCellCheck(0, 0, true);
  EXPECT_TRUE(list.item(0)->data(Qt::CheckStateRole).isNull()) << "no box shown on a plain cell";
  list.SetCellType(0, 0, Listbox::kTypeCheckbox);
  EXPECT_TRUE(list.CellCheck(0, 0));
  EXPECT_EQ(list.item(0)->checkState(), Qt::Checked);
  list.SetCellType(0, 0, Listbox::kTypeNormal);
  EXPECT_TRUE(list.CellCheck(0, 0));
  EXPECT_TRUE(list.item(0)->data(Qt::CheckStateRole).isNull());

  list.SetCellType(1, 0, Listbox::kTypeCheckbox);
  EXPECT_FALSE(list.CellCheck(1, 0));
  EXPECT_TRUE(list.item(1)->flags().testFlag(Qt::ItemIsUserCheckable));
}

TEST(Listbox, ACellOutsideTheListRaises) {
  Listbox list;
  list.AddRows({"a", "b"});
  struct Cell {
    int row, column;
  };
  for (const Cell cell : {Cell{-1, 0}, Cell{2, 0}, Cell{0, 1}}) {
    SCOPED_TRACE(std::to_string(cell.row) + ", " + std::to_string(cell.column));
    EXPECT_THROW(list.CellCheck(cell.row, cell.column), OutOfBoundsException);
    EXPECT_THROW(list.SetCellCheck(cell.row, cell.column, true), OutOfBoundsException);
    EXPECT_THROW(list.SetCellType(cell.row, cell.column, Listbox::kTypeCheckbox), OutOfBoundsException);
  }
  EXPECT_THROW(list.SetColumnAlignment(1, Listbox::kAlignLeft), OutOfBoundsException);
}

// A click on a row's check box toggles that row only; a click on its text selects the row and
// leaves its tick alone.
TEST(Listbox, AClickOnACheckboxTogglesItsRowOnly) {
  ListWindow window;
  ASSERT_TRUE(ShowAndWaitExposed(window));
  ASSERT_FALSE(window.list().CellCheckboxRect(1).isEmpty());

  ClickAt(window, window.CheckboxCentre(1));
  ASSERT_TRUE(WaitFor([&] { return window.list().CellCheck(1, 0); }));
  EXPECT_EQ(window.Checks(), (std::vector<bool>{false, true, false, false, false}));

  ClickAt(window, window.RightOfText(3));
  ASSERT_TRUE(WaitFor([&] { return window.list().currentRow() == 3; }));
  ClickAt(window, window.CheckboxCentre(1));
  ASSERT_TRUE(WaitFor([&] { return !window.list().CellCheck(1, 0); }));
  EXPECT_EQ(window.Checks(), (std::vector<bool>(5, false)));
}

// Every row on screen is painted through the event on a surface as wide as the list's visible
// part, and the fill shows beside the text (the list without the focus, which marks its current
// row).
TEST(Listbox, EachCellsBackgroundIsPaintedByTheEvent) {
  ListWindow window;
  ASSERT_TRUE(ShowAndWaitExposed(window));
  window.list().clearFocus();
  ASSERT_TRUE(WaitFor([&] { return window.list().paintedRows.size() == 5; }));

  EXPECT_EQ(window.list().surfaceWidths, std::set<int>{window.list().viewport()->width()});
  const QImage shown = window.grab().toImage();
  for (int row = 0; row < 5; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(QColor(shown.pixel(window.RightOfText(row))), QColor(0x7D, 0xFF, 0x7D));
  }
}

TEST(Listbox, NoCheckboxWhereTheCellShowsNone) {
  ListWindow window;
  window.list().SetCellType(2, 0, Listbox::kTypeNormal);
  ASSERT_TRUE(ShowAndWaitExposed(window));
  EXPECT_TRUE(window.list().CellCheckboxRect(2).isEmpty());
  EXPECT_FALSE(window.list().CellCheckboxRect(3).isEmpty());
}

}  // namespace
