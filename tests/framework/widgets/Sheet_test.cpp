#include "framework/widgets/Sheet.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QWindow>

#include "support/widgets/WindowEvents.h"

namespace {

class CountingSheet : public Sheet {
 public:
  int closeEvents = 0;

 protected:
  void Event_Close() override { ++closeEvents; }
};

// A sheet comes down from the top edge of its window, centred across it, modal to that window.
TEST(Sheet, ShownModalWithinAWindowAtItsTopEdgeCentred) {
  Window window;
  window.setGeometry(100, 80, 600, 400);
  ASSERT_TRUE(ShowAndWaitExposed(window));
  QWidget inner(&window);
  CountingSheet sheet;
  sheet.resize(300, 200);

  sheet.ShowModalWithin(inner);
  ASSERT_TRUE(WaitExposed(sheet));

  EXPECT_EQ(sheet.parentWidget(), &window) << "attached to the control's window";
  EXPECT_EQ(sheet.windowModality(), Qt::WindowModal);
  EXPECT_EQ(sheet.frameGeometry().topLeft(), QPoint(100 + 150, 80)) << "the frame just below the title";
  EXPECT_FALSE(sheet.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(sheet.windowFlags() & Qt::WindowMinimizeButtonHint);
}

// The sheet stays attached when its window moves: when the windowing system places the window
// only after the sheet came down (a sheet shown as the window opens), and when the person drags
// the window.
TEST(Sheet, FollowsItsWindowWhenTheWindowMoves) {
  Window window;
  window.setGeometry(100, 80, 600, 400);
  ASSERT_TRUE(ShowAndWaitExposed(window));
  CountingSheet sheet;
  sheet.resize(300, 200);
  sheet.ShowModalWithin(window);
  ASSERT_TRUE(WaitExposed(sheet));

  window.move(220, 140);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.pos() == QPoint(220, 140); }));

  const QRect moved = window.geometry();
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return sheet.frameGeometry().topLeft() == QPoint(moved.x() + 150, moved.y());
  })) << "at "
      << sheet.frameGeometry().x() << "," << sheet.frameGeometry().y();
}

// Only the sheet's own Close takes it away.
TEST(Sheet, ClosesOnlyByItsOwnClose) {
  Window window;
  ASSERT_TRUE(ShowAndWaitExposed(window));
  CountingSheet sheet;
  sheet.ShowModalWithin(window);
  ASSERT_TRUE(WaitExposed(sheet));

  sheet.windowHandle()->close();
  EXPECT_FALSE(sheet.close());
  QCoreApplication::processEvents();
  EXPECT_TRUE(sheet.isVisible());
  EXPECT_EQ(sheet.closeEvents, 0);

  sheet.Close();
  EXPECT_FALSE(sheet.isVisible());
  EXPECT_EQ(sheet.closeEvents, 1);
}

}  // namespace
