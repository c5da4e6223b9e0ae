#include "ui/shadedListbox.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/widgets/Window.h"
#include "support/TestSupport.h"
#include "support/widgets/WindowEvents.h"

namespace {

// A list whose row 1 cannot be drawn.
class BrokenRowList : public shadedListbox {
 public:
  using shadedListbox::shadedListbox;
  int failures = 0;

 protected:
  void PaintRowBackground(Graphics& g, int row) override {
    if (row == 1) {
      ++failures;
      throw std::runtime_error("cannot draw");
    }
    shadedListbox::PaintRowBackground(g, row);
  }
};

QWidget* MakeBrokenRowList(QWidget* parent) { return new BrokenRowList(parent); }

// A window holding a list of the given rows, every cell a check box.
class ListWindow : public Window {
 public:
  ListWindow(const std::vector<std::string>& rows, ControlFactory make) {
    resize(300, 300);
    CreateControls(
        std::vector<ControlRow>{{"List1", ControlKind::Custom, 10, 10, 250, 280, "", {.rows = rows}, make}});
    for (int row = 0; row < list().ListCount(); ++row) list().SetCellType(row, 0, Listbox::kTypeCheckbox);
  }
  Listbox& list() const { return ControlAs<Listbox>("List1"); }

  QColor RowColour(int row) const {
    list().scrollToItem(list().item(row));
    const QRect cell = list().visualItemRect(list().item(row));
    return list().viewport()->grab().toImage().pixelColor(cell.right() - 3, cell.center().y());
  }
};

// A row beyond the dataset rows is filled with the colour a fresh surface draws in, black.
TEST(shadedListbox, ARowBeyondTheGroupsIsFilledInTheSurfacesColour) {
  std::vector<std::string> rows(38, "row");
  ListWindow window(rows, MakeShadedListbox);
  ASSERT_TRUE(ShowAndWaitExposed(window));
  window.list().clearFocus();

  EXPECT_EQ(window.RowColour(36), QColor(0xFF7F18));
  EXPECT_EQ(window.RowColour(37), QColor(Qt::black));
}

// A cell that keeps failing to draw tells so in one box, after the drawing; the other rows are
// drawn, and repaints bring no further box.
TEST(shadedListbox, ACellThatCannotBeDrawnShowsItsErrorOnce) {
  ScopedRecordingSink messages;
  ListWindow window({"melting point", "boiling point", "heat of vaporization"}, MakeBrokenRowList);
  auto& list = dynamic_cast<BrokenRowList&>(window.list());
  bool shownWhileDrawing = false;
  messages.OnMessageBox([&] { shownWhileDrawing = shownWhileDrawing || list.viewport()->paintingActive(); });
  ASSERT_TRUE(ShowAndWaitExposed(window));
  list.clearFocus();
  ASSERT_TRUE(WaitFor([&] { return messages.messages().size() == 1; }));

  for (int repaint = 0; repaint < 3; ++repaint) {
    const int failuresBefore = list.failures;
    list.viewport()->repaint();
    EXPECT_GT(list.failures, failuresBefore);
  }
  WaitFor([&] { return messages.messages().size() > 1; }, 200);

  EXPECT_EQ(MessageTexts(messages),
            std::vector<std::string>{"48 | Error | Error #715: Listbox drawing error."});
  EXPECT_EQ(window.RowColour(0), QColor(0xFF6E71));
  EXPECT_EQ(window.RowColour(2), QColor(0xFF6E71));
}

}  // namespace
