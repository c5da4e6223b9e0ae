#include "ui/HelpButtonClass.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/AtomnoteState.h"
#include "support/ImageCompare.h"
#include "support/KeepFolder.h"
#include "support/widgets/OpenWindows.h"
#include "support/widgets/WindowEvents.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindowTestSupport.h"
#include "ui/Window1.h"

// The looks by name in a failure's message.
void PrintTo(HelpButtonClass::ThemeState state, std::ostream* out) {
  static const char* const kNames[] = {"inactive", "active", "pressed"};
  *out << kNames[static_cast<int>(state)];
}

namespace {

using State = HelpButtonClass::ThemeState;

// The main window, opened, with its help button; no help page, so the help window opens blank.
class HelpButtonTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Application::SetExecutableFileForTesting("/AtomnoteInstaller");
    ASSERT_TRUE(OpenAndWaitExposed(window_));
    ActivateMainWindow();
  }
  void TearDown() override {
    CloseHelp();
    Application::SetExecutableFileForTesting({});
    MainWindowTest::TearDown();
  }

  static bool HelpShown() { return !ShownWindowsOf<class HelpWindow>().empty(); }
  static void CloseHelp() {
    for (class HelpWindow* help : ShownWindowsOf<class HelpWindow>()) help->close();
  }
  // The main window in front again, as after the person closed the help window; where the
  // platform activates no windows it stays as it was (active).
  void ActivateMainWindow() {
    window_.activateWindow();
    WaitFor([&] { return window_.isActiveWindow() && !App().disabledWIndow; }, 1000);
    App().disabledWIndow = false;
  }

  // Unpressed after a release: inactive once the help window it opened has come in front of the
  // main window (where the platform activates windows), else active.
  static State LookAfterRelease(bool opened) {
    if (opened && WaitFor([] { return App().disabledWIndow; }, 1000)) return State::Inactive;
    return State::Active;
  }

  class Window1 window_;
  HelpButtonClass& button_ = window_.HelpCanvas();
};

// What the button draws, on a transparent ground.
QImage LookOf(HelpButtonClass& button, bool pressed, bool windowInactive) {
  button.mouseButtonDown = pressed;
  App().disabledWIndow = windowInactive;
  QImage look(button.size(), QImage::Format_ARGB32_Premultiplied);
  look.fill(Qt::transparent);
  button.render(&look, QPoint(), QRegion(), QWidget::DrawChildren);
  button.mouseButtonDown = false;
  App().disabledWIndow = false;
  return look;
}

// The looks side by side, four times their size, for a look by hand.
void KeepLooks(const std::vector<QImage>& looks) {
  const std::optional<std::filesystem::path> keep = KeepFolder();
  if (!keep) return;
  QImage sheet(looks.size() * 120, 120, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  for (std::size_t i = 0; i < looks.size(); ++i)
    painter.drawImage(QRect(int(i) * 120 + 10, 10, 100, 100), looks[i]);
  painter.end();
  EXPECT_TRUE(sheet.save(QString::fromStdString((*keep / "help-button-looks.png").string())));
}

// Normal, pressed and inactive: three looks, each drawn only inside the rectangle 1 pixel in
// from the top and left edges and 2 from the bottom and right ones; pressed while the window is
// inactive looks inactive.
TEST_F(HelpButtonTest, DrawsThreeLooksInsideItsRectangle) {
  EXPECT_EQ(QRect(button_.mapTo(&window_, button_.DrawRect().topLeft()), button_.DrawRect().size()),
            QRect(QPoint(21, 564), QPoint(42, 585)))
      << "top 564, left 21, bottom 586 and right 43 as edges between pixels";

  struct Case {
    const char* what;
    bool pressed;
    bool windowInactive;
  };
  const Case cases[] = {{"normal", false, false},
                        {"pressed", true, false},
                        {"inactive", false, true},
                        {"pressed, inactive", true, true}};
  std::vector<QImage> looks;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QImage look = LookOf(button_, c.pressed, c.windowInactive);
    int drawnInside = 0;
    for (int y = 0; y < look.height(); ++y) {
      for (int x = 0; x < look.width(); ++x) {
        const bool inside = button_.DrawRect().contains(x, y);
        const int alpha = qAlpha(look.pixel(x, y));
        if (inside && alpha == 255) ++drawnInside;
        if (!inside) {
          EXPECT_EQ(alpha, 0) << "drawn outside its rectangle at " << x << "," << y;
        }
      }
    }
    EXPECT_GT(drawnInside, 22 * 22 / 2) << "a round face filling its rectangle";
    looks.push_back(look);
  }
  EXPECT_FALSE(DrawnAlike(looks[0], looks[1]));
  EXPECT_FALSE(DrawnAlike(looks[0], looks[2]));
  EXPECT_FALSE(DrawnAlike(looks[1], looks[2]));
  EXPECT_TRUE(DrawnAlike(looks[2], looks[3]));
  KeepLooks(looks);
}

// A click held on the button draws it pressed; released on it, the help window opens and the
// button is drawn unpressed. The edges count: the button's own 25 x 25 pixels take the click,
// also where the status line lies beneath it; the pixel past its right or bottom edge does not.
TEST_F(HelpButtonTest, AClickReleasedOnTheButtonOpensHelp) {
  struct Case {
    const char* what;
    QPoint press;
    QPoint release;
    bool pressed;  // drawn pressed while held
    bool opens;
  };
  const Case cases[] = {
      {"top-left of the drawing", {21, 564}, {21, 564}, true, true},
      {"bottom-right of the drawing", {43, 586}, {43, 586}, true, true},
      {"the button's first pixel", {20, 563}, {20, 563}, true, true},
      {"the button's last pixel", {44, 587}, {44, 587}, true, true},
      {"released one pixel right of it", {30, 575}, {45, 575}, true, false},
      {"released one pixel below it", {30, 575}, {30, 588}, true, false},
      {"pressed one pixel right of it", {45, 575}, {45, 575}, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PressAt(window_, c.press);
    EXPECT_EQ(button_.mouseButtonDown, c.pressed);
    EXPECT_EQ(button_.DrawnState(), c.pressed ? State::Pressed : State::Active);
    if (c.release != c.press) MoveTo(window_, c.release);
    ReleaseAt(window_, c.release);
    EXPECT_FALSE(button_.mouseButtonDown);
    EXPECT_EQ(HelpShown(), c.opens);
    EXPECT_EQ(button_.DrawnState(), LookAfterRelease(c.opens));
    CloseHelp();
    ActivateMainWindow();
  }
}

// A held click draws the button pressed only until the pointer first leaves it: dragged back on,
// it stays unpressed. Released on the button the help opens, whether or not the pointer left it
// on the way; released off it nothing opens. The next press draws it pressed again.
TEST_F(HelpButtonTest, OnceDraggedOffTheButtonStaysUnpressedForTheRestOfTheClick) {
  constexpr QPoint kOn(30, 575);
  struct Move {
    QPoint to;
    State drawn;  // while still held there
  };
  struct Case {
    const char* what;
    std::vector<Move> moves;  // after the press at kOn; the click is released at the last point
    bool opens;
  };
  const Case cases[] = {
      {"moved about on the button", {{{31, 576}, State::Pressed}, {{44, 587}, State::Pressed}}, true},
      {"off to the right and back",
       {{{60, 575}, State::Active}, {{31, 576}, State::Active}, {kOn, State::Active}},
       true},
      {"one pixel past its right edge and back", {{{45, 575}, State::Active}, {kOn, State::Active}}, true},
      {"off, back, off and back",
       {{{30, 540}, State::Active}, {kOn, State::Active}, {{200, 300}, State::Active}, {kOn, State::Active}},
       true},
      {"off and released off", {{{60, 575}, State::Active}, {{200, 300}, State::Active}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PressAt(window_, kOn);
    EXPECT_EQ(button_.DrawnState(), State::Pressed) << "the press";
    for (const Move& move : c.moves) {
      MoveTo(window_, move.to);
      EXPECT_EQ(button_.DrawnState(), move.drawn) << "held at " << move.to.x() << "," << move.to.y();
    }
    ReleaseAt(window_, c.moves.back().to);
    EXPECT_FALSE(button_.mouseButtonDown);
    EXPECT_EQ(HelpShown(), c.opens);
    EXPECT_EQ(button_.DrawnState(), LookAfterRelease(c.opens));
    CloseHelp();
    ActivateMainWindow();
  }
}

// While the main window is inactive the button looks inactive, even while a click holds it.
TEST_F(HelpButtonTest, LooksInactiveWhileTheWindowIsEvenWhenPressed) {
  App().disabledWIndow = true;
  EXPECT_EQ(button_.DrawnState(), State::Inactive);
  PressAt(window_, {30, 575});
  EXPECT_TRUE(button_.mouseButtonDown);
  EXPECT_EQ(button_.DrawnState(), State::Inactive);
  ReleaseAt(window_, {30, 575});
  EXPECT_TRUE(HelpShown());
}

}  // namespace
