#include "framework/widgets/Window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QWindow>
#include <memory>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/widgets/Sheet.h"
#include "support/widgets/WindowEvents.h"

namespace {

// A window with a label directly in it and a button inside a panel, as a designed window holds
// its controls.
class NamedControlsWindow : public Window {
 public:
  NamedControlsWindow() {
    auto* label = new QLabel("status", this);
    label->setObjectName("ErrorStatic");
    auto* panel = new QWidget(this);
    auto* button = new QPushButton("Install", panel);
    button->setObjectName("PushButton1");
  }
};

TEST(WindowControls, FoundByNameAtAnyDepth) {
  NamedControlsWindow window;
  ASSERT_NE(window.Control("ErrorStatic"), nullptr);
  EXPECT_EQ(window.Control("ErrorStatic")->objectName(), "ErrorStatic");
  ASSERT_NE(window.Control("PushButton1"), nullptr);
  EXPECT_EQ(window.ControlAs<QPushButton>("PushButton1").text(), "Install");
  EXPECT_EQ(window.ControlAs<QLabel>("ErrorStatic").text(), "status");
}

TEST(WindowControls, MissingOrOtherKindRaisesNilObject) {
  NamedControlsWindow window;
  EXPECT_EQ(window.Control("PushButton2"), nullptr);
  EXPECT_THROW(window.ControlAs<QPushButton>("PushButton2"), NilObjectException);
  EXPECT_THROW(window.ControlAs<QProgressBar>("PushButton1"), NilObjectException);
  EXPECT_THROW(window.ControlAs<QPushButton>(""), NilObjectException);
}

TEST(WindowTitle, KeepsUtf8Text) {
  Window window;
  window.SetTitle("Installing\xE2\x80\xA6");
  EXPECT_EQ(window.Title(), "Installing\xE2\x80\xA6");
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Installing\xE2\x80\xA6"));
}

TEST(WindowShow, ReturnsAtOnceWithTheWindowShown) {
  Window window;
  window.Show();
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.isMinimized());
}

// An Open event that hands the turn to the event loop, as a yield does, after the windowing
// system has exposed the window: the window draws nothing until the event has ended, and draws
// itself then. An error that escapes the event leaves it drawing.
TEST(WindowShow, TheFirstFrameComesOnceTheOpenEventHasEnded) {
  class SlowOpenWindow : public Window {
   public:
    explicit SlowOpenWindow(bool fails) : fails_(fails) {}
    int paints = 0;
    int paintsDuringOpen = -1;

   protected:
    bool event(QEvent* event) override {
      if (event->type() == QEvent::Paint) ++paints;
      return Window::event(event);
    }
    void Event_Open() override {
      WaitFor([this] { return windowHandle() != nullptr && windowHandle()->isExposed(); });
      for (int turn = 0; turn < 10; ++turn) QCoreApplication::processEvents();
      paintsDuringOpen = paints;
      if (fails_) throw RuntimeException("open failed");
    }

   private:
    bool fails_;
  };
  for (const bool fails : {false, true}) {
    SCOPED_TRACE(fails ? "an error escapes the Open event" : "the Open event ends");
    SlowOpenWindow window(fails);
    window.resize(200, 100);
    if (fails) {
      EXPECT_THROW(window.Show(), RuntimeException);
    } else {
      window.Show();
    }
    EXPECT_EQ(window.paintsDuringOpen, 0);
    EXPECT_TRUE(WaitFor([&] { return window.paints > 0; }));
  }
}

// What is to run once the window has opened waits for the end of its Open event, also when it is
// asked for during the event (as a timer going off at a yield inside it would), and runs at once
// afterwards. An error that escapes the event drops what waited; what is asked for later runs.
TEST(WindowShow, WhatWaitsForTheOpenRunsOnceTheOpenEventHasEnded) {
  class RecordingWindow : public Window {
   public:
    explicit RecordingWindow(bool fails) : fails_(fails) {}
    std::vector<std::string> ran;

   protected:
    void Event_Open() override {
      WhenOpened([this] { ran.emplace_back("asked during Open"); });
      ran.emplace_back("Open");
      if (fails_) throw RuntimeException("open failed");
    }

   private:
    bool fails_;
  };
  struct Case {
    const char* what;
    bool fails;
    std::vector<std::string> ranAfterShow;
  };
  const Case cases[] = {
      {"the Open event ends", false, {"Open", "asked before Show", "asked during Open"}},
      {"an error escapes the Open event", true, {"Open"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingWindow window(c.fails);
    window.WhenOpened([&window] { window.ran.emplace_back("asked before Show"); });
    EXPECT_EQ(window.ran, std::vector<std::string>{}) << "ran before the window was shown";

    if (c.fails) {
      EXPECT_THROW(window.Show(), RuntimeException);
    } else {
      window.Show();
    }
    EXPECT_EQ(window.ran, c.ranAfterShow);

    window.WhenOpened([&window] { window.ran.emplace_back("asked afterwards"); });
    EXPECT_EQ(window.ran.size(), c.ranAfterShow.size() + 1);
    EXPECT_EQ(window.ran.back(), "asked afterwards");
    window.Show();
    EXPECT_EQ(window.ran.size(), c.ranAfterShow.size() + 1) << "a second showing ran them again";
  }
}

// The window's events when it becomes the active window and when another one takes its place.
TEST(WindowActivation, RunsActivateAndDeactivate) {
  class ActivationWindow : public Window {
   public:
    std::vector<std::string> events;

   protected:
    void Event_Activate() override { events.emplace_back("activate"); }
    void Event_Deactivate() override { events.emplace_back("deactivate"); }
  };
  ActivationWindow first;
  Window second;
  first.Show();
  if (!WaitFor([&] { return first.isActiveWindow(); }))
    GTEST_SKIP() << "this platform plug-in does not activate windows";
  ASSERT_EQ(first.events, std::vector<std::string>{"activate"});

  second.Show();
  ASSERT_TRUE(WaitFor([&] { return first.events.size() == 2; }));
  first.activateWindow();
  ASSERT_TRUE(WaitFor([&] { return first.events.size() == 3; }));

  EXPECT_EQ(first.events, (std::vector<std::string>{"activate", "deactivate", "activate"}));
}

// ---- a menu bar above the content area ----

// A window of fixed size with a button in its top left corner and one locked to its bottom.
class BarWindow : public Window {
 public:
  explicit BarWindow(bool fixed) {
    if (fixed) {
      setFixedSize(300, 200);
    } else {
      resize(300, 200);
    }
    // clang-format off
    const ControlRow rows[] = {
        {"Corner", ControlKind::PushButton, 0,   0, 80, 20, "Corner"},
        {"Foot",   ControlKind::PushButton, 10, 170, 80, 20, "Foot", {.lockBottom = true}},
    };
    // clang-format on
    CreateControls(rows);
  }
};

QMenuBar* MakeBar() {
  auto* bar = new QMenuBar;
  bar->addMenu("&File");
  return bar;
}

TEST(WindowMenuBar, SitsAboveTheContentAreaWhichKeepsItsSizeAndTheControlsTheirPlaces) {
  BarWindow window(true);
  QMenuBar* bar = MakeBar();
  window.SetMenuBar(bar);
  const int barHeight = bar->sizeHint().height();
  ASSERT_GT(barHeight, 0);

  EXPECT_EQ(window.AttachedMenuBar(), bar);
  EXPECT_EQ(bar->parentWidget(), &window);
  EXPECT_EQ(window.size(), QSize(300, 200 + barHeight));
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "a window of fixed size stays fixed";
  EXPECT_EQ(window.ContentArea().geometry(), QRect(0, barHeight, 300, 200));
  EXPECT_EQ(window.Control("Corner")->geometry(), QRect(0, 0, 80, 20));
  EXPECT_EQ(window.Control("Foot")->geometry(), QRect(10, 170, 80, 20)) << "the bar is no resize";

  // Clicks in content coordinates reach the control under the bar, through the window's handle.
  int clicks = 0;
  QObject::connect(&window.ControlAs<QPushButton>("Corner"), &QPushButton::clicked, [&clicks] { ++clicks; });
  ASSERT_TRUE(ShowAndWaitExposed(window));
  EXPECT_EQ(bar->geometry(), QRect(0, 0, 300, barHeight));
  ClickAt(window, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
}

TEST(WindowMenuBar, LockedControlsFollowTheContentAreaWhenTheWindowIsResized) {
  BarWindow window(false);
  window.SetMenuBar(MakeBar());
  ASSERT_TRUE(ShowAndWaitExposed(window));
  window.resize(300, window.height() + 30);
  ASSERT_TRUE(WaitFor([&] { return window.ContentArea().height() == 230; }));
  EXPECT_EQ(window.Control("Foot")->geometry(), QRect(10, 200, 80, 20));
  EXPECT_EQ(window.Control("Corner")->geometry(), QRect(0, 0, 80, 20));
}

TEST(WindowMenuBar, AnotherBarTakesThePlaceOfTheFirst) {
  BarWindow window(true);
  window.SetMenuBar(MakeBar());
  const int withOne = window.height();
  QMenuBar* second = MakeBar();
  window.SetMenuBar(second);
  EXPECT_EQ(window.height(), withOne);
  EXPECT_EQ(window.AttachedMenuBar(), second);
  window.SetMenuBar(nullptr);
  EXPECT_EQ(window.size(), QSize(300, 200));
  EXPECT_EQ(window.ContentArea().geometry(), QRect(0, 0, 300, 200));
  EXPECT_EQ(window.AttachedMenuBar(), nullptr);
}

// ---- the frontmost window ----

TEST(FrontmostWindow, NoneWhileNothingIsShown) {
  Window hidden;
  EXPECT_EQ(FrontmostWindow(), nullptr);
}

TEST(FrontmostWindow, TheWindowShownLastBeforeTheSystemReportsIt) {
  Window back;
  Window front;
  back.Show();
  front.Show();
  EXPECT_EQ(FrontmostWindow(), &front);
  front.hide();
  EXPECT_EQ(FrontmostWindow(), &back);
  back.hide();
  EXPECT_EQ(FrontmostWindow(), nullptr);
}

TEST(FrontmostWindow, TheWindowTheSystemActivatesComesToTheFront) {
  Window first;
  Window second;
  first.Show();
  second.Show();
  QCoreApplication::processEvents();
  first.activateWindow();
  QCoreApplication::processEvents();
  if (!first.isActiveWindow()) GTEST_SKIP() << "this platform plug-in does not activate windows";
  EXPECT_EQ(FrontmostWindow(), &first);
}

TEST(FrontmostWindow, AModalWindowStaysInFrontOfWindowsShownAfterIt) {
  Window modal;
  modal.setWindowModality(Qt::ApplicationModal);
  Window other;
  modal.Show();
  other.Show();
  EXPECT_EQ(FrontmostWindow(), &modal);
  modal.hide();
  EXPECT_EQ(FrontmostWindow(), &other);
}

// A sheet is in front of the window it is attached to, not of the program's other windows: one
// shown or activated after it is the frontmost, and its own window, brought up again, still has
// the sheet in front of it.
TEST(FrontmostWindow, ASheetIsInFrontOfItsOwnWindowOnly) {
  Window main;
  main.Show();
  Sheet sheet;
  sheet.ShowModalWithin(main);
  EXPECT_EQ(FrontmostWindow(), &sheet);
  Window other;
  other.Show();
  EXPECT_EQ(FrontmostWindow(), &other);
  main.Show();
  EXPECT_EQ(FrontmostWindow(), &sheet);
  sheet.Close();
  EXPECT_EQ(FrontmostWindow(), &main);
}

TEST(OpenWindows, TheFrontmostFirstAndOnlyShownOnes) {
  Window back;
  Window front;
  Window hidden;
  EXPECT_EQ(WindowCount(), 0);
  back.Show();
  front.Show();
  EXPECT_EQ(OpenWindows(), (std::vector<QWidget*>{&front, &back}));
  EXPECT_EQ(WindowCount(), 2);
  front.close();
  EXPECT_EQ(OpenWindows(), (std::vector<QWidget*>{&back}));
}

TEST(FrontmostWindow, ADeletedWindowIsForgotten) {
  Window back;
  back.Show();
  auto front = std::make_unique<Window>();
  front->Show();
  front.reset();
  EXPECT_EQ(FrontmostWindow(), &back);
}

// ---- one instance per accessor ----

class CountedWindow : public Window {
 public:
  CountedWindow() { ++built; }
  static inline int built = 0;
};

// The accessor gives the same window until it is closed; the next use builds a fresh one, and
// the closed one goes once control is back in the event loop.
TEST(OneInstance, TheSameWindowUntilItIsClosed) {
  QPointer<CountedWindow> slot;
  CountedWindow::built = 0;
  CountedWindow& first = OneInstance(slot);
  first.Show();
  EXPECT_EQ(&OneInstance(slot), &first);
  EXPECT_EQ(CountedWindow::built, 1);

  QPointer<CountedWindow> closed = &first;
  first.close();
  CountedWindow& second = OneInstance(slot);
  EXPECT_NE(&second, closed.data());
  EXPECT_EQ(CountedWindow::built, 2);
  EXPECT_TRUE(WaitFor([&] {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return closed.isNull();
  }));
  EXPECT_EQ(&OneInstance(slot), &second);
  delete &second;
}

}  // namespace
