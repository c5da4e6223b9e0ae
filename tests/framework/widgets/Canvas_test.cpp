#include "framework/widgets/Canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/widgets/Window.h"
#include "support/widgets/WindowEvents.h"

namespace {

// A 200 x 100 window with a canvas at 20, 20 (50 x 30) that records its events as text, and the
// presses that reach the window itself.
class CanvasWindow : public Window {
 public:
  explicit CanvasWindow(bool takesClicks) {
    resize(200, 100);
    CreateControls(std::vector<ControlRow>{{"Canvas1", ControlKind::Canvas, 20, 20, 50, 30}});
    Canvas& canvas = ControlAs<Canvas>("Canvas1");
    canvas.OnMouseDown([this, takesClicks](int x, int y) {
      events.push_back("down " + std::to_string(x) + "," + std::to_string(y));
      return takesClicks;
    });
    canvas.OnMouseDrag(
        [this](int x, int y) { events.push_back("drag " + std::to_string(x) + "," + std::to_string(y)); });
    canvas.OnMouseUp(
        [this](int x, int y) { events.push_back("up " + std::to_string(x) + "," + std::to_string(y)); });
    canvas.OnMouseEnter([this] { events.emplace_back("enter"); });
    canvas.OnMouseExit([this] { events.emplace_back("exit"); });
  }
  std::vector<std::string> events;
  int windowPresses = 0;

 protected:
  void mousePressEvent(QMouseEvent* /*event*/) override { ++windowPresses; }
};

// Positions are the canvas's own; the drag and the release of a click the canvas took reach it
// even outside.
TEST(Canvas, AClickItTakesEndsInItsMouseUpWhereverReleased) {
  CanvasWindow window(true);
  ASSERT_TRUE(ShowAndWaitExposed(window));

  PressAt(window, {30, 25});
  MoveTo(window, {150, 80});
  ReleaseAt(window, {150, 80});

  ASSERT_TRUE(WaitFor([&] { return std::ranges::count(window.events, "up 130,60") == 1; }));
  std::erase_if(window.events, [](const std::string& e) { return e == "enter" || e == "exit"; });
  EXPECT_EQ(window.events, (std::vector<std::string>{"down 10,5", "drag 130,60", "up 130,60"}));
  EXPECT_EQ(window.windowPresses, 0);
}

TEST(Canvas, AClickItDoesNotTakeGoesOnToTheWindow) {
  CanvasWindow window(false);
  ASSERT_TRUE(ShowAndWaitExposed(window));

  PressAt(window, {30, 25});
  MoveTo(window, {40, 25});
  ReleaseAt(window, {40, 25});

  ASSERT_TRUE(WaitFor([&] { return window.windowPresses == 1; }));
  std::erase_if(window.events, [](const std::string& e) { return e == "enter" || e == "exit"; });
  EXPECT_EQ(window.events, (std::vector<std::string>{"down 10,5"}));
}

TEST(Canvas, ThePointerComingInAndGoingOut) {
  CanvasWindow window(true);
  ASSERT_TRUE(ShowAndWaitExposed(window));
  MoveTo(window, {150, 80});
  window.events.clear();

  MoveTo(window, {30, 25});
  ASSERT_TRUE(WaitFor([&] { return window.events == std::vector<std::string>{"enter"}; }));
  MoveTo(window, {150, 80});
  ASSERT_TRUE(WaitFor([&] { return window.events == std::vector<std::string>{"enter", "exit"}; }));
}

// The backdrop is drawn at its own size from the top-left corner; the rest of the canvas shows
// what lies beneath.
TEST(Canvas, DrawsItsBackdropAndNothingElse) {
  CanvasWindow window(true);
  window.setStyleSheet("background: white");
  window.setAutoFillBackground(true);
  QImage backdrop(10, 10, QImage::Format_RGB32);
  backdrop.fill(Qt::red);
  window.ControlAs<Canvas>("Canvas1").SetBackdrop(std::make_shared<const QImage>(backdrop));
  ASSERT_TRUE(ShowAndWaitExposed(window));

  const QImage shown = window.grab().toImage();

  EXPECT_EQ(shown.pixel(25, 25), qRgb(255, 0, 0));
  EXPECT_EQ(shown.pixel(35, 35), qRgb(255, 255, 255));
}

}  // namespace
