#include "framework/widgets/ControlTable.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Timer.h"
#include "framework/widgets/Canvas.h"
#include "framework/widgets/Window.h"
#include "support/widgets/WindowEvents.h"

namespace {

QWidget* MakeFrame(QWidget* parent) { return new QFrame(parent); }

Picture Logo() { return std::make_shared<const QImage>(10, 10, QImage::Format_RGB32); }

struct KindCase {
  ControlRow row;
  const char* qtClass;  // the class of the control made
};

// The class of a control: Qt's own name for Qt's classes, else its C++ class.
std::string ClassOf(const QWidget& control) {
  if (dynamic_cast<const Canvas*>(&control) != nullptr) return "Canvas";
  return control.metaObject()->className();
}

// One row of every kind, overlapping nowhere, in a 400 x 300 window.
const std::vector<KindCase>& EveryKind() {
  static const std::vector<KindCase> cases = {
      {{"PushButton1", ControlKind::PushButton, 10, 10, 100, 20, "Install"}, "QPushButton"},
      {{"CheckBox1", ControlKind::CheckBox, 120, 10, 100, 20, "Glossary"}, "QCheckBox"},
      {{"StaticText1", ControlKind::StaticText, 230, 10, 100, 20, "Spelling:"}, "QLabel"},
      {{"PopupMenu1", ControlKind::PopupMenu, 10, 40, 100, 20, "", {.rows = {"a", "b"}}}, "QComboBox"},
      {{"Canvas1", ControlKind::Canvas, 120, 40, 50, 50}, "Canvas"},
      {{"ImageWell1", ControlKind::ImageWell, 180, 40, 50, 50}, "QLabel"},
      {{"Separator1", ControlKind::Separator, 240, 40, 100, 6}, "QFrame"},
      {{"GroupBox1", ControlKind::GroupBox, 10, 100, 100, 60, "Options"}, "QGroupBox"},
      {{"EditField1", ControlKind::EditField, 120, 100, 100, 20, "text"}, "QLineEdit"},
      {{"EditField2", ControlKind::EditField, 230, 100, 100, 60, "text", {.multiline = true}},
       "QPlainTextEdit"},
      {{"ProgressBar1", ControlKind::ProgressBar, 10, 170, 100, 20}, "QProgressBar"},
      {{"ListBox1", ControlKind::ListBox, 120, 170, 100, 60, "", {.rows = {"melting point"}}}, "QListWidget"},
      {{"HTMLViewer1", ControlKind::HTMLViewer, 230, 170, 100, 60}, "QTextBrowser"},
      {{"Custom1", ControlKind::Custom, 10, 240, 50, 50, "", {}, MakeFrame}, "QFrame"},
  };
  return cases;
}

std::vector<ControlRow> RowsOf(const std::vector<KindCase>& cases) {
  std::vector<ControlRow> rows;
  for (const KindCase& c : cases) rows.push_back(c.row);
  return rows;
}

class TableWindow : public Window {
 public:
  explicit TableWindow(const std::vector<ControlRow>& rows, QSize size = {400, 300}) {
    resize(size);
    CreateControls(rows);
  }
};

// The names of the controls met along the keyboard's tab chain from the window, in order.
std::vector<std::string> TabChain(Window& window) {
  std::vector<std::string> names;
  for (QWidget* next = window.nextInFocusChain(); next != &window; next = next->nextInFocusChain()) {
    if (!next->objectName().isEmpty() && next->parentWidget() == &window.ContentArea()) {
      names.push_back(next->objectName().toStdString());
    }
  }
  return names;
}

TEST(ControlTable, BuildsEveryKindNamedAndPlacedInTableOrder) {
  TableWindow window(RowsOf(EveryKind()));
  std::vector<std::string> tableOrder;
  for (const KindCase& c : EveryKind()) {
    SCOPED_TRACE(c.row.name);
    tableOrder.push_back(c.row.name);
    QWidget* control = window.Control(c.row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(ClassOf(*control), c.qtClass);
    EXPECT_EQ(control->geometry(), QRect(c.row.left, c.row.top, c.row.width, c.row.height));
    EXPECT_EQ(control->parentWidget(), &window.ContentArea());
  }
  EXPECT_EQ(TabChain(window), tableOrder);
}

TEST(ControlTable, AppliesTheDesignProperties) {
  // clang-format off
  TableWindow window({
      {"Plain",    ControlKind::StaticText,  0,   0, 100, 20, "plain"},
      {"Small",    ControlKind::StaticText,  0,  20, 100, 20, "small", {.font = TextFont::SmallSystem}},
      {"Big",      ControlKind::StaticText,  0,  40, 300, 40, "big", {.textSize = 24, .bold = true}},
      {"Note",     ControlKind::StaticText,  0,  80, 100, 40, "<b>note</b>",
       {.multiline = true, .align = TextAlign::Centre, .textColour = 0x666666}},
      {"Right",    ControlKind::StaticText,  0, 120, 100, 20, "right", {.align = TextAlign::Right}},
      {"Lines",    ControlKind::StaticText,110,   0, 100, 60, "one\r\rtwo\r\nthree", {.multiline = true}},
      {"Eject",    ControlKind::PushButton,  0, 140, 100, 20, "Eject & Quit", {.enabled = false}},
      {"Hidden",   ControlKind::PushButton,  0, 160, 100, 20, "Cancel", {.visible = false}},
      {"Ticked",   ControlKind::CheckBox,    0, 180, 100, 20, "Glossary", {.checked = true}},
      {"Spelling", ControlKind::PopupMenu,   0, 200, 150, 20, "",
       {.rows = {"American English", "British English"}, .listIndex = 1}},
      {"Bar",      ControlKind::ProgressBar, 0, 220, 100, 20, "", {.maximum = 100}},
      {"Licence",  ControlKind::EditField,   0, 240, 100, 40, "line 1\rline 2",
       {.multiline = true, .readOnly = true, .scrollbarVertical = true, .scrollbarHorizontal = false}},
      {"Notes",    ControlKind::EditField, 100, 240, 100, 40, "text", {.multiline = true}},
      {"Well",     ControlKind::Canvas,    200,   0, 100, 100, "", {.backdrop = Logo()}},
      {"Mark",     ControlKind::StaticText, 10,  20,  30, 20, "TM", {.parent = "Well"}},
  });
  // clang-format on

  const auto& plain = window.ControlAs<QLabel>("Plain");
  const auto& small = window.ControlAs<QLabel>("Small");
  const auto& big = window.ControlAs<QLabel>("Big");
  EXPECT_LT(small.font().pointSizeF(), plain.font().pointSizeF());
  EXPECT_EQ(big.font().pixelSize(), 24) << "a text size counts in pixels, as the places do";
  EXPECT_TRUE(big.font().bold());
  EXPECT_FALSE(plain.font().bold());
  EXPECT_FALSE(plain.wordWrap());

  const auto& note = window.ControlAs<QLabel>("Note");
  EXPECT_TRUE(note.wordWrap());
  EXPECT_EQ(note.textFormat(), Qt::PlainText) << "a caption is never read as markup";
  EXPECT_EQ(note.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(note.palette().color(QPalette::WindowText), QColor(0x66, 0x66, 0x66));
  EXPECT_EQ(window.ControlAs<QLabel>("Right").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_EQ(window.ControlAs<QLabel>("Lines").text(), "one\n\ntwo\nthree") << "a CR breaks the line";

  EXPECT_EQ(window.ControlAs<QPushButton>("Eject").text(), "Eject && Quit") << "shown with its \"&\"";
  EXPECT_FALSE(window.ControlAs<QPushButton>("Eject").isEnabled());
  EXPECT_TRUE(window.ControlAs<QPushButton>("Hidden").isHidden());
  EXPECT_TRUE(window.ControlAs<QCheckBox>("Ticked").isChecked());

  const auto& spelling = window.ControlAs<QComboBox>("Spelling");
  ASSERT_EQ(spelling.count(), 2);
  EXPECT_EQ(spelling.itemText(0), "American English");
  EXPECT_EQ(spelling.currentIndex(), 1);

  const auto& bar = window.ControlAs<QProgressBar>("Bar");
  EXPECT_EQ(bar.maximum(), 100);
  EXPECT_EQ(bar.value(), -1) << "no value yet";
  EXPECT_FALSE(bar.isTextVisible());

  const auto& licence = window.ControlAs<QPlainTextEdit>("Licence");
  EXPECT_TRUE(licence.isReadOnly());
  EXPECT_EQ(licence.document()->blockCount(), 2) << "a CR ends a line";
  EXPECT_EQ(licence.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(licence.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  const auto& notes = window.ControlAs<QPlainTextEdit>("Notes");
  EXPECT_EQ(notes.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  EXPECT_EQ(notes.horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  EXPECT_NE(window.ControlAs<Canvas>("Well").Backdrop(), nullptr);

  const QWidget* mark = window.Control("Mark");
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(mark->parentWidget(), window.Control("Well"));
  EXPECT_EQ(mark->geometry(), QRect(10, 20, 30, 20)) << "placed inside the control that holds it";
}

// A check box ticked and a popup row chosen at design: connecting afterwards, as windows do,
// nothing has fired once the window is built; a click then fires once.
TEST(ControlTable, BuildingFiresNoHandler) {
  class HandlerWindow : public Window {
   public:
    HandlerWindow() {
      resize(300, 100);
      CreateControls(std::vector<ControlRow>{
          {"CheckBox1", ControlKind::CheckBox, 10, 10, 200, 20, "Omit", {.checked = true}},
          {"PopupMenu1", ControlKind::PopupMenu, 10, 40, 200, 20, "", {.rows = {"a", "b"}, .listIndex = 1}},
      });
      connect(&ControlAs<QCheckBox>("CheckBox1"), &QCheckBox::toggled, this, [this] { ++fired; });
      connect(&ControlAs<QComboBox>("PopupMenu1"), &QComboBox::currentIndexChanged, this,
              [this] { ++fired; });
    }
    int fired = 0;
  };

  HandlerWindow window;
  EXPECT_EQ(window.fired, 0);
  ASSERT_TRUE(ShowAndWaitExposed(window));
  // On its box: a check box takes clicks on its box and caption only.
  ClickAt(window, {18, 20});
  EXPECT_TRUE(WaitFor([&] { return window.fired == 1; }));
  EXPECT_FALSE(window.ControlAs<QCheckBox>("CheckBox1").isChecked());
}

// A canvas made after a button lies above it: a click where they overlap reaches the canvas,
// one on the uncovered part the button.
TEST(ControlTable, AClickReachesTheControlOnTop) {
  TableWindow window({
      {"PushButton1", ControlKind::PushButton, 20, 20, 200, 30, "Install"},
      {"blockingCanvas", ControlKind::Canvas, 20, 20, 100, 30},
  });
  int clicks = 0;
  QObject::connect(&window.ControlAs<QPushButton>("PushButton1"), &QPushButton::clicked, [&] { ++clicks; });
  ASSERT_TRUE(ShowAndWaitExposed(window));

  ClickAt(window, {60, 35});
  ClickAt(window, {180, 35});

  EXPECT_TRUE(WaitFor([&] { return clicks == 1; }));
  EXPECT_EQ(clicks, 1);
}

// A window with a Save (default) and a Cancel button, a one-line and a multi-line edit field
// and a popup, that records the buttons pressed.
class KeyButtonsWindow : public TableWindow {
 public:
  KeyButtonsWindow()
      : TableWindow({
            {"PushButton1", ControlKind::PushButton, 10, 10, 100, 20, "Save", {.isDefault = true}},
            {"PushButton2", ControlKind::PushButton, 120, 10, 100, 20, "Cancel", {.isCancel = true}},
            {"EditField1", ControlKind::EditField, 10, 40, 100, 20},
            {"EditField2", ControlKind::EditField, 10, 70, 200, 60, "", {.multiline = true}},
            {"PopupMenu1",
             ControlKind::PopupMenu,
             10,
             140,
             100,
             20,
             "",
             {.rows = {"a", "b"}, .listIndex = 0}},
        }) {
    for (const char* name : {"PushButton1", "PushButton2"}) {
      QObject::connect(&ControlAs<QPushButton>(name), &QPushButton::clicked,
                       [this, name] { pressed.emplace_back(name); });
    }
  }

  std::vector<std::string> pressed;
};

// Return and Enter press the default button, Escape the cancel button, from a control that does
// not take the key (a one-line field, a closed popup) and with no focus; a button that takes no
// clicks is not pressed.
TEST(ControlTable, ReturnAndEscapePressTheDefaultAndCancelButtons) {
  KeyButtonsWindow window;
  ASSERT_TRUE(ShowAndWaitExposed(window));
  window.Control("EditField1")->setFocus();
  PressKey(window, Qt::Key_Return);
  PressKey(window, Qt::Key_Escape);
  window.Control("PopupMenu1")->setFocus();
  PressKey(window, Qt::Key_Enter, Qt::KeypadModifier);
  PressKey(window, Qt::Key_Escape);
  window.Control("EditField1")->clearFocus();
  PressKey(window, Qt::Key_Enter);
  EXPECT_TRUE(WaitFor([&] { return window.pressed.size() >= 5; }));
  EXPECT_EQ(window.pressed, (std::vector<std::string>{"PushButton1", "PushButton2", "PushButton1",
                                                      "PushButton2", "PushButton1"}));

  window.pressed.clear();
  window.Control("PushButton1")->setEnabled(false);
  window.Control("EditField1")->setFocus();
  PressKey(window, Qt::Key_Return);
  PressKey(window, Qt::Key_Return, Qt::ControlModifier);  // no key of a button
  QCoreApplication::processEvents();
  EXPECT_EQ(window.pressed, std::vector<std::string>{});
}

// A key the control with the focus takes is that control's alone: Return starts a new line in a
// multi-line field, and in an open popup's list Return chooses the row and Escape closes the
// list. No button is pressed.
TEST(ControlTable, AKeyAControlTakesPressesNoButton) {
  KeyButtonsWindow window;
  ASSERT_TRUE(ShowAndWaitExposed(window));
  auto& field = window.ControlAs<QPlainTextEdit>("EditField2");
  field.setFocus();
  PressKey(window, Qt::Key_Return);
  EXPECT_EQ(field.toPlainText(), "\n");

  auto& popup = window.ControlAs<QComboBox>("PopupMenu1");
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    SCOPED_TRACE(key);
    popup.setCurrentIndex(0);
    QWidget* list = OpenPopupList(window, popup);
    ASSERT_NE(list, nullptr);
    PressKey(*list, Qt::Key_Down);
    PressKey(*list, key);
    ASSERT_TRUE(WaitFor([&] { return !popup.view()->isVisible(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(popup.currentIndex(), key == Qt::Key_Escape ? 0 : 1);
  }
  EXPECT_EQ(window.pressed, std::vector<std::string>{});
}

TEST(ControlTable, LockedEdgesFollowTheWindowsEdges) {
  // clang-format off
  TableWindow window({
      {"Free",   ControlKind::Canvas, 10,  10,  50,  20},
      {"Bottom", ControlKind::Canvas, 10, 170,  50,  20, "", {.lockBottom = true}},
      {"Right",  ControlKind::Canvas, 140, 10,  50,  20, "", {.lockRight = true}},
      {"Wide",   ControlKind::Canvas, 10, 100, 180,  20, "", {.lockLeft = true, .lockRight = true}},
      {"Whole",  ControlKind::Canvas,  0,   0, 200, 200, "",
       {.lockLeft = true, .lockTop = true, .lockRight = true, .lockBottom = true}},
  }, {200, 200});
  // clang-format on
  ASSERT_TRUE(ShowAndWaitExposed(window));
  window.resize(250, 230);
  ASSERT_TRUE(WaitFor([&] { return window.Control("Whole")->width() == 250; }));
  EXPECT_EQ(window.Control("Free")->geometry(), QRect(10, 10, 50, 20));
  EXPECT_EQ(window.Control("Bottom")->geometry(), QRect(10, 200, 50, 20));
  EXPECT_EQ(window.Control("Right")->geometry(), QRect(190, 10, 50, 20));
  EXPECT_EQ(window.Control("Wide")->geometry(), QRect(10, 100, 230, 20));
  EXPECT_EQ(window.Control("Whole")->geometry(), QRect(0, 0, 250, 230));
  window.resize(200, 200);
  ASSERT_TRUE(WaitFor([&] { return window.Control("Whole")->width() == 200; }));
  EXPECT_EQ(window.Control("Bottom")->geometry(), QRect(10, 170, 50, 20));
}

// A timer is no widget: it is found by its name as a timer, in the mode and period of its row,
// and counts from its creation; the Action connected afterwards runs when it fires.
TEST(ControlTable, ATimerRowMakesANamedTimerCountingFromItsCreation) {
  TableWindow window({
      {"Timer1", ControlKind::Timer, 0, 0, 0, 0, "", {.mode = 1, .period = 20}},
      {"scanTimer", ControlKind::Timer, 0, 0, 0, 0, "", {.mode = 0, .period = 2500}},
  });
  Timer& once = window.ControlAs<Timer>("Timer1");
  const Timer& off = window.ControlAs<Timer>("scanTimer");
  EXPECT_EQ(once.Mode(), Timer::kModeSingle);
  EXPECT_EQ(once.Period(), 20);
  EXPECT_EQ(off.Mode(), Timer::kModeOff);
  EXPECT_EQ(off.Period(), 2500);
  EXPECT_EQ(window.Control("Timer1"), nullptr) << "no widget";
  EXPECT_THROW(window.ControlAs<QPushButton>("Timer1"), NilObjectException);

  int fired = 0;
  once.OnAction([&] { ++fired; });
  EXPECT_TRUE(WaitFor([&] { return fired == 1; }));
  EXPECT_EQ(once.Mode(), Timer::kModeOff);
}

// The names are how other code finds the controls, so each must be there and be its own.
TEST(ControlTable, ABadRowRaises) {
  struct Case {
    const char* what;
    std::vector<ControlRow> rows;
  };
  const Case cases[] = {
      {"a name twice",
       {{"PushButton1", ControlKind::PushButton, 0, 0, 10, 10},
        {"PushButton1", ControlKind::CheckBox, 0, 0, 10, 10}}},
      {"no name", {{"", ControlKind::PushButton, 0, 0, 10, 10}}},
      {"a timer named like a control",
       {{"Timer1", ControlKind::Canvas, 0, 0, 10, 10}, {"Timer1", ControlKind::Timer, 0, 0, 0, 0}}},
      {"a control named like a timer",
       {{"Timer1", ControlKind::Timer, 0, 0, 0, 0}, {"Timer1", ControlKind::Canvas, 0, 0, 10, 10}}},
      {"a parent made later",
       {{"Mark", ControlKind::StaticText, 0, 0, 10, 10, "TM", {.parent = "Canvas1"}},
        {"Canvas1", ControlKind::Canvas, 0, 0, 10, 10}}},
      {"a control of the program's own without its maker",
       {{"HelpCanvas", ControlKind::Custom, 0, 0, 10, 10}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_THROW(TableWindow window(c.rows), RuntimeException);
  }
}

}  // namespace
