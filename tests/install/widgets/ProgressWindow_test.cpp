#include "install/widgets/ProgressWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QWidget>

#include "install/widgets/ProgressWindowDisplay.h"
#include "support/widgets/WindowEvents.h"

namespace {

class ProgressWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { EndInstance(); }
  void TearDown() override { EndInstance(); }

  static void EndInstance() {
    if (progressWindowExists()) progressWindow().Close();
    DeleteClosedWindows();
  }
};

TEST_F(ProgressWindowTest, FirstUseBuildsTheDesignState) {
  class progressWindow& window = progressWindow();
  EXPECT_EQ(window.Title(), "Installing...");
  EXPECT_EQ(window.size(), QSize(348, 88));
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "not resizable";
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowTitleHint);

  QProgressBar& bar = window.ProgressBar1();
  EXPECT_EQ(bar.geometry(), QRect(20, 46, 309, 20));
  EXPECT_EQ(bar.value(), -1);
  EXPECT_EQ(bar.maximum(), 0);
  EXPECT_EQ(bar.minimum(), 0) << "indeterminate";
  EXPECT_TRUE(bar.isEnabled());

  QLabel& label = window.StaticText1();
  EXPECT_EQ(label.geometry(), QRect(20, 14, 309, 20));
  EXPECT_EQ(label.text(), "Installing Atomnote on iPod... allow up to 2 minutes.");
  EXPECT_EQ(label.textFormat(), Qt::PlainText);
  EXPECT_FALSE(label.wordWrap());
}

TEST_F(ProgressWindowTest, ShownApplicationModalWithoutWaiting) {
  // progressWindow() returns while the window is up: nothing waits for it to close.
  class progressWindow& window = progressWindow();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(QApplication::activeModalWidget(), &window);
  EXPECT_EQ(FrontmostWindow(), &window);
  window.Close();
  EXPECT_NE(FrontmostWindow(), &window);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ProgressWindowTest, DisplayTextsSetsTheTitleAndTheLabel) {
  class progressWindow& window = progressWindow();
  window.displayTexts("Installing\xE2\x80\xA6", "Installing Atomnote on iPod... allow up to 4 minutes.");
  EXPECT_EQ(window.Title(), "Installing\xE2\x80\xA6");
  EXPECT_EQ(window.StaticText1().text(), "Installing Atomnote on iPod... allow up to 4 minutes.");
}

TEST_F(ProgressWindowTest, DisplayTextsWithAnEmptyTextLeavesTheBar) {
  class progressWindow& window = progressWindow();
  window.SetProgressMaximum(100);
  window.SetProgressValue(20);
  window.displayTexts("Removing\xE2\x80\xA6", "");
  EXPECT_EQ(window.Title(), "Removing\xE2\x80\xA6");
  EXPECT_EQ(window.StaticText1().text(), "");
  EXPECT_EQ(window.ProgressBar1().maximum(), 100);
  EXPECT_EQ(window.ProgressBar1().value(), 20);
}

TEST_F(ProgressWindowTest, ARemovalAfterAnInstallStartsFromTheDesignState) {
  class progressWindow& install = progressWindow();
  install.displayTexts("Installing\xE2\x80\xA6", "Installing Atomnote on iPod... allow up to 4 minutes.");
  install.SetProgressMaximum(100);
  install.SetProgressValue(100);
  const QPointer<class progressWindow> installWindow(&install);
  install.Close();
  EXPECT_FALSE(progressWindowExists());
  EXPECT_FALSE(install.isVisible());
  // The caller's reference still holds until control is back in the event loop.
  EXPECT_EQ(install.Title(), "Installing\xE2\x80\xA6");

  class progressWindow& removal = progressWindow();
  EXPECT_NE(&removal, &install);
  removal.displayTexts("Removing\xE2\x80\xA6", "Removing Atomnote from iPod...");
  EXPECT_TRUE(removal.isVisible());
  EXPECT_EQ(removal.StaticText1().text(), "Removing Atomnote from iPod...");
  EXPECT_EQ(removal.ProgressBar1().value(), -1);
  EXPECT_EQ(removal.ProgressBar1().maximum(), 0);

  DeleteClosedWindows();
  EXPECT_TRUE(installWindow.isNull());
  EXPECT_TRUE(progressWindowExists());
  EXPECT_EQ(&progressWindow(), &removal);
}

TEST_F(ProgressWindowTest, ClosingFromCodeEndsTheInstanceLikeClose) {
  class progressWindow& window = progressWindow();
  window.close();
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(progressWindowExists());
}

// The person cannot close it: it has no close box, and a close from the windowing system (the
// window manager's) leaves it up. Only the install or removal that opened it closes it.
TEST_F(ProgressWindowTest, TheWindowingSystemsCloseLeavesItUp) {
  class progressWindow& window = progressWindow();
  ASSERT_TRUE(WaitExposed(window));
  EXPECT_FALSE(HasCloseBox(window));
  CloseFromTheWindowingSystem(window);
  QCoreApplication::processEvents();
  DeleteClosedWindows();
  ASSERT_TRUE(progressWindowExists());
  EXPECT_EQ(&progressWindow(), &window);
  EXPECT_TRUE(window.isVisible());
}

// The install and removal code reach the window through its display: it opens the window with
// its texts, sets the bar, and closes it without ever opening one to close.
TEST_F(ProgressWindowTest, TheDisplayDrivesTheWindow) {
  ProgressWindowDisplay display;
  display.Close();
  EXPECT_FALSE(progressWindowExists());
  EXPECT_FALSE(display.IsOpen());

  display.Open("Installing\xE2\x80\xA6", "Installing Atomnote on iPod... allow up to 4 minutes.");
  ASSERT_TRUE(display.IsOpen());
  class progressWindow& window = progressWindow();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.Title(), "Installing\xE2\x80\xA6");
  EXPECT_EQ(window.StaticText1().text(), "Installing Atomnote on iPod... allow up to 4 minutes.");

  display.SetMaximum(100);
  display.SetValue(20);
  EXPECT_EQ(window.ProgressBar1().maximum(), 100);
  EXPECT_EQ(window.ProgressBar1().value(), 20);

  display.Close();
  EXPECT_FALSE(display.IsOpen());
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// The bar takes a new value at once but is drawn at the next turn of the event loop, once for
// any number of values set in between, and a full bar at once, as the window may close before
// that turn.
TEST_F(ProgressWindowTest, TheBarIsDrawnAtTheNextTurnAndAFullBarAtOnce) {
  class progressWindow& window = progressWindow();
  window.Show();
  ASSERT_TRUE(ShowAndWaitExposed(window));
  window.SetProgressMaximum(100);
  QCoreApplication::processEvents();
  QProgressBar& bar = window.ProgressBar1();
  PaintCounter counter(bar);

  for (int value = 25; value <= 60; ++value) window.SetProgressValue(value);
  EXPECT_EQ(bar.value(), 60);
  EXPECT_EQ(counter.paints, 0) << "the bar was drawn as its value was set";
  QCoreApplication::processEvents();
  const int drawnAtTheTurn = counter.paints;
  EXPECT_GE(drawnAtTheTurn, 1);

  window.SetProgressValue(100);
  EXPECT_EQ(counter.paints, drawnAtTheTurn + 1) << "the full bar waited for the next turn";
}

// ---- closing it only when it is in front ----

TEST_F(ProgressWindowTest, CloseIfInFrontClosesTheWindowInFront) {
  progressWindow().Refresh(true);
  CloseProgressWindowIfInFront();
  EXPECT_FALSE(progressWindowExists());
}

TEST_F(ProgressWindowTest, CloseIfInFrontOpensNoWindowWhenNoneIsOpen) {
  CloseProgressWindowIfInFront();
  EXPECT_FALSE(progressWindowExists());
}

// Another modal window shown after it (a message box) is in front: the progress window stays.
TEST_F(ProgressWindowTest, CloseIfInFrontLeavesTheWindowBehindAnother) {
  class progressWindow& window = progressWindow();
  QWidget front;
  front.setWindowModality(Qt::ApplicationModal);
  front.show();
  CloseProgressWindowIfInFront();
  EXPECT_TRUE(progressWindowExists());
  EXPECT_TRUE(window.isVisible());
  front.hide();
  CloseProgressWindowIfInFront();
  EXPECT_FALSE(progressWindowExists());
}

}  // namespace
