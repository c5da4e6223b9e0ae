// The main window as built, before its Open event: every control against a table of what it must
// be, written here on its own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <string>
#include <vector>

#include "framework/Timer.h"
#include "framework/widgets/Canvas.h"
#include "ui/MainWindowTestSupport.h"

namespace {

enum class Font { None, System, Small };

struct ExpectedControl {
  const char* name;
  const char* kind;  // the class of the control
  QRect box;         // left, top, width, height in the content area; none for a timer
  std::string text = "";
  Font font = Font::None;
  bool bold = false;
  bool multiline = false;
  Qt::Alignment align = Qt::AlignLeft;
  bool isDefault = false;
  bool enabled = true;
  int timerMode = -1;  // for a timer
  int timerPeriod = 0;
};

const char kStatus[] =
    "Your iPod must be connected with disk mode enabled before you can install or remove Atomnote.";

// clang-format off
const std::vector<ExpectedControl> kExpected = {
    {.name = "iconCanvas", .kind = "Canvas", .box = {518, 428, 90, 90}},
    {.name = "PushButton1", .kind = "QPushButton", .box = {369, 565, 239, 20}, .text = "Install Atomnote on iPod",
     .font = Font::System, .isDefault = true, .enabled = false},
    {.name = "langPopup", .kind = "QComboBox", .box = {452, 315, 156, 20},
     .text = "American English|British English", .font = Font::System},
    {.name = "StaticText1", .kind = "QLabel", .box = {301, 315, 143, 20}, .text = "Spelling:", .font = Font::System,
     .align = Qt::AlignRight},
    {.name = "StaticText3", .kind = "QLabel", .box = {20, 6, 344, 20}, .text = "Choose datasets to install on iPod:",
     .font = Font::System},
    {.name = "StaticText4", .kind = "QLabel", .box = {43, 31, 559, 32},
     .text = "always installed: atomic mass, atomic number, state, metal/nonmetal, appearance",
     .font = Font::Small, .multiline = true},
    {.name = "StaticText11", .kind = "QLabel", .box = {20, 290, 100, 20}, .text = "Options:", .font = Font::System},
    {.name = "MonopolyCheckBox", .kind = "QCheckBox", .box = {20, 479, 307, 20},
     .text = "Monopolize iPod Notes Function", .font = Font::System},
    {.name = "StaticText12", .kind = "QLabel", .box = {43, 501, 390, 22},
     .text = "Only Atomnote options will appear in iPod \"Notes\" menu.", .font = Font::Small, .multiline = true},
    {.name = "Separator1", .kind = "QFrame", .box = {86, 298, 524, 6}},
    {.name = "Separator2", .kind = "QFrame", .box = {253, 12, 357, 8}},
    {.name = "PushButton2", .kind = "QPushButton", .box = {118, 565, 239, 20}, .text = "Remove Atomnote from iPod",
     .font = Font::System, .enabled = false},
    {.name = "Separator3", .kind = "QFrame", .box = {20, 527, 590, 6}},
    {.name = "OmitCheckBox", .kind = "QCheckBox", .box = {20, 440, 295, 20}, .text = "Omit Properties with No Data",
     .font = Font::System},
    {.name = "StaticText13", .kind = "QLabel", .box = {43, 462, 418, 22},
     .text = "Omit missing data entirely, or include a \"--\" on the iPod display.", .font = Font::Small,
     .multiline = true},
    {.name = "InstallList", .kind = "shadedListbox", .box = {20, 56, 396, 225}, .font = Font::System},
    {.name = "AllPushButton", .kind = "QPushButton", .box = {435, 226, 173, 20}, .text = "All Datasets",
     .font = Font::System},
    {.name = "NonePushButton", .kind = "QPushButton", .box = {435, 258, 173, 20}, .text = "No Datasets",
     .font = Font::System},
    {.name = "GlossaryCheckBox", .kind = "QCheckBox", .box = {20, 401, 396, 20}, .text = "Include Glossary",
     .font = Font::System},
    {.name = "GlossaryStaticText", .kind = "QLabel", .box = {43, 423, 398, 22},
     .text = "Install a glossary of dataset definitions.", .font = Font::Small, .multiline = true},
    {.name = "PushButton4", .kind = "QPushButton", .box = {435, 179, 173, 20}, .text = "Customize Units",
     .font = Font::System},
    {.name = "blockingCanvas", .kind = "Canvas", .box = {20, 479, 350, 51}},
    {.name = "Timer1", .kind = "Timer", .box = {}, .timerMode = 1, .timerPeriod = 1000},
    {.name = "ErrorStatic", .kind = "QLabel", .box = {1, 539, 628, 32}, .text = kStatus, .font = Font::Small,
     .bold = true, .multiline = true, .align = Qt::AlignHCenter},
    {.name = "scanTimer", .kind = "Timer", .box = {}, .timerMode = 0, .timerPeriod = 2500},
    {.name = "VisualCheckBox", .kind = "QCheckBox", .box = {20, 316, 228, 20}, .text = "Include Visual Tables",
     .font = Font::System},
    {.name = "ImageWell2", .kind = "QLabel", .box = {260, 314, 108, 81}, .align = Qt::AlignHCenter},
    {.name = "GlossaryStaticText1", .kind = "QLabel", .box = {43, 338, 205, 57},
     .text = "Install visual periodic tables; requires iPod with video (5th Generation iPod, iPod Classic, iPod "
             "nano with video).",
     .font = Font::Small, .multiline = true},
    {.name = "HelpCanvas", .kind = "HelpButtonClass", .box = {20, 563, 25, 25}},
};
// clang-format on

std::string KindOf(const QObject& control) {
  if (dynamic_cast<const Timer*>(&control) != nullptr) return "Timer";
  if (dynamic_cast<const HelpButtonClass*>(&control) != nullptr) return "HelpButtonClass";
  if (dynamic_cast<const Canvas*>(&control) != nullptr) return "Canvas";
  if (dynamic_cast<const shadedListbox*>(&control) != nullptr) return "shadedListbox";
  return control.metaObject()->className();
}

std::string TextOf(const QObject& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text().toStdString();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
    return button->text().toStdString();
  if (const auto* popup = qobject_cast<const QComboBox*>(&control)) {
    std::string rows;
    for (int row = 0; row < popup->count(); ++row)
      rows += (row == 0 ? "" : "|") + popup->itemText(row).toStdString();
    return rows;
  }
  return "";
}

void ExpectFont(const QWidget& control, Font font, bool bold) {
  const double system = QApplication::font().pointSizeF();
  if (font == Font::System) {
    EXPECT_DOUBLE_EQ(control.font().pointSizeF(), system);
  } else if (font == Font::Small) {
    EXPECT_LT(control.font().pointSizeF(), system);
  }
  EXPECT_EQ(control.font().bold(), bold);
}

void ExpectControl(const class Window1& window, const QObject& object, const ExpectedControl& expected) {
  EXPECT_EQ(KindOf(object), expected.kind);
  if (const auto* timer = dynamic_cast<const Timer*>(&object)) {
    EXPECT_EQ(timer->Mode(), expected.timerMode);
    EXPECT_EQ(timer->Period(), expected.timerPeriod);
    return;
  }
  const auto& control = dynamic_cast<const QWidget&>(object);
  EXPECT_EQ(control.parentWidget(), &window.ContentArea());
  EXPECT_EQ(control.geometry(), expected.box);
  EXPECT_EQ(TextOf(control), expected.text);
  ExpectFont(control, expected.font, expected.bold);
  EXPECT_EQ(control.isEnabled(), expected.enabled);
  EXPECT_TRUE(control.isVisibleTo(&window));
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    EXPECT_EQ(label->wordWrap(), expected.multiline);
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, expected.align);
    if (!expected.text.empty()) {
      EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
  }
  if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
    EXPECT_EQ(button->isDefault(), expected.isDefault);
  }
  if (const auto* box = qobject_cast<const QCheckBox*>(&control)) {
    EXPECT_FALSE(box->isChecked());
  }
  if (const auto* popup = qobject_cast<const QComboBox*>(&control)) {
    EXPECT_EQ(popup->currentIndex(), 0);
  }
}

// Each control is found by its name as the class it is, with its box, texts, font and state as
// designed; the typed accessors give the same controls.
TEST_F(MainWindowTest, EveryControlAsDesigned) {
  const class Window1 window;
  for (const ExpectedControl& expected : kExpected) {
    SCOPED_TRACE(expected.name);
    const QObject* control = window.findChild<QObject*>(expected.name);
    ASSERT_NE(control, nullptr);
    ExpectControl(window, *control, expected);
  }

  const std::vector<const QObject*> accessors = {&window.iconCanvas(),       &window.PushButton1(),
                                                 &window.langPopup(),        &window.StaticText1(),
                                                 &window.StaticText3(),      &window.StaticText4(),
                                                 &window.StaticText11(),     &window.MonopolyCheckBox(),
                                                 &window.StaticText12(),     &window.Separator1(),
                                                 &window.Separator2(),       &window.PushButton2(),
                                                 &window.Separator3(),       &window.OmitCheckBox(),
                                                 &window.StaticText13(),     &window.InstallList(),
                                                 &window.AllPushButton(),    &window.NonePushButton(),
                                                 &window.GlossaryCheckBox(), &window.GlossaryStaticText(),
                                                 &window.PushButton4(),      &window.blockingCanvas(),
                                                 &window.Timer1(),           &window.ErrorStatic(),
                                                 &window.scanTimer(),        &window.VisualCheckBox(),
                                                 &window.ImageWell2(),       &window.GlossaryStaticText1(),
                                                 &window.HelpCanvas()};
  ASSERT_EQ(accessors.size(), kExpected.size());
  for (std::size_t i = 0; i < accessors.size(); ++i) EXPECT_EQ(accessors[i]->objectName(), kExpected[i].name);
}

// The creation order is the order of the table: later controls lie above earlier ones, and the
// keyboard goes from control to control in that order.
TEST_F(MainWindowTest, ControlsAreMadeInTableOrder) {
  const class Window1 window;
  std::vector<std::string> made;
  for (const QObject* child : window.ContentArea().children()) {
    if (!child->objectName().isEmpty()) made.push_back(child->objectName().toStdString());
  }
  std::vector<std::string> expected;
  for (const ExpectedControl& control : kExpected) expected.emplace_back(control.name);
  EXPECT_EQ(made, expected);

  std::vector<std::string> tabChain;
  for (QWidget* next = window.nextInFocusChain(); next != &window; next = next->nextInFocusChain()) {
    if (next->parentWidget() == &window.ContentArea()) tabChain.push_back(next->objectName().toStdString());
  }
  std::erase(expected, "Timer1");
  std::erase(expected, "scanTimer");
  EXPECT_EQ(tabChain, expected);
}

// The guard lies over the monopolize box and the left part of the note under it; the rest of the
// note is uncovered.
TEST_F(MainWindowTest, TheGuardLiesOverTheMonopolizeBoxAndTheLeftOfItsNote) {
  const class Window1 window;
  EXPECT_EQ(window.ContentArea().childAt(21, 489), &window.blockingCanvas());
  EXPECT_EQ(window.ContentArea().childAt(300, 489), &window.blockingCanvas());
  EXPECT_EQ(window.ContentArea().childAt(100, 510), &window.blockingCanvas());
  EXPECT_EQ(window.ContentArea().childAt(400, 510), &window.StaticText12());
}

TEST_F(MainWindowTest, TheWindowIsOfOneFixedSizeWithCloseAndMinimizeButtons) {
  const class Window1 window;
  EXPECT_EQ(window.Title(), "Atomnote 1.6.2 Installer");
  EXPECT_EQ(window.size(), QSize(630, 605));
  EXPECT_EQ(window.minimumSize(), QSize(630, 605));
  EXPECT_EQ(window.maximumSize(), QSize(630, 605));
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

// The list's Open has made every row a check box, none ticked until the preferences are applied;
// one column of the 37 rows, no heading.
TEST_F(MainWindowTest, TheDatasetListHoldsItsThirtySevenRowsAsCheckBoxes) {
  const class Window1 window;
  const shadedListbox& list = window.InstallList();
  const std::vector<std::string> rows = {"melting point",
                                         "boiling point",
                                         "heat of vaporization",
                                         "heat of fusion",
                                         "specific heat capacity",
                                         "photoelectric work function",
                                         "linear expansion coefficient",
                                         "magnetic susceptibility",
                                         "density",
                                         "thermal conductivity",
                                         "resistivity",
                                         "superconductivity critical temperature",
                                         "crystal structure",
                                         "metal cluster type",
                                         "nearest neighbor distance",
                                         "lattice parameter a",
                                         "lattice parameter c",
                                         "electron configuration",
                                         "atomic radius",
                                         "covalent radius",
                                         "ionic radius",
                                         "atomic volume",
                                         "electronegativity",
                                         "electron affinity",
                                         "1st ionization energy",
                                         "2nd ionization energy",
                                         "3rd ionization energy",
                                         "4th ionization energy",
                                         "electric dipole polarizability",
                                         "valences",
                                         "crustal abundances",
                                         "oceanic abundances",
                                         "atmospheric abundances",
                                         "solar system abundances",
                                         "CAS registry number",
                                         "discovery, etymology, sources, uses (text)",
                                         "natural isotopic distribution, isotope counts (text)"};
  std::vector<std::string> shown;
  for (int row = 0; row < list.ListCount(); ++row) shown.push_back(list.Cell(row, 0));
  EXPECT_EQ(shown, rows);
  for (int row = 0; row < 37; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(list.CellType(row, 0), Listbox::kTypeCheckbox);
    EXPECT_FALSE(list.CellCheck(row, 0));
  }
  EXPECT_EQ(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
}

}  // namespace
