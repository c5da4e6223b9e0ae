#include "ui/customizeSheet.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <array>
#include <string>
#include <vector>

#include "framework/widgets/Window.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/PreferencesFile.h"
#include "support/widgets/WindowEvents.h"

namespace {

using Rows = std::vector<std::string>;

const Rows kTemperature = {"K",
                           "\u00BA"
                           "C",
                           "\u00BA"
                           "F",
                           "\u00BA"
                           "R",
                           "Rk"};
const Rows kEnergy = {"eV",     "cal",    "J",    "kJ",    "MJ",  "eV/mol", "cal/mol", "J/mol",
                      "kJ/mol", "MJ/mol", "eV/g", "cal/g", "J/g", "kJ/g",   "MJ/g"};
const Rows kLength = {"nm", "\u00C5", "pm", "cm", "m"};

// One popup of the sheet and the label on its row, in prefUnits index order, with the row a
// first run shows.
struct PopupCase {
  const char* popup;
  const char* label;
  const char* labelText;
  Rows rows;
  int left;
  int top;
  const char* firstRunRow;
};

const std::vector<PopupCase>& PopupCases() {
  static const std::vector<PopupCase> cases = {
      {"massPopup", "StaticText1", "Atomic Mass:", {"g/mol", "kg/mol"}, 202, 14, "g/mol"},
      {"meltPopup", "StaticText2", "Melting Point:", kTemperature, 202, 46, "K"},
      {"boilPopup", "StaticText3", "Boiling Point:", kTemperature, 202, 78, "K"},
      {"hVapPopup", "StaticText4", "Heat of Vaporization:", kEnergy, 202, 110, "kJ/mol"},
      {"hFusPopup", "StaticText5", "Heat of Fusion:", kEnergy, 202, 142, "kJ/mol"},
      {"SpecHeatPopup",
       "StaticText6",
       "Specific Heat Capacity:",
       {"kJ/mol K", "kJ/g K", "J/mol K", "J/g K", "cal/mol K", "cal/g K"},
       202,
       174,
       "J/g K"},
      {"photoPopup", "StaticText7", "Photoelectric Work Fxn.:", {"eV", "cal", "J", "kJ"}, 202, 206, "eV"},
      {"densityPopup",
       "StaticText13",
       "Density:",
       {"g/cm\u00B3", "kg/cm\u00B3", "g/m\u00B3", "kg/m\u00B3"},
       498,
       14,
       "g/cm\u00B3"},
      {"thermalPopup", "StaticText17", "Thermal Conductivity:", {"W/m K", "W/cm K"}, 498, 142, "W/m K"},
      {"atRadPopup", "StaticText8", "Atomic Radius:", kLength, 202, 238, "nm"},
      {"covRadPopup", "StaticText9", "Covalent Radius:", kLength, 202, 270, "nm"},
      {"ionRadPopup", "StaticText10", "Ionic Radius:", kLength, 202, 302, "nm"},
      {"EAPopup", "StaticText11", "Electron Affinity:", kEnergy, 202, 334, "kJ/mol"},
      {"ionEPopup", "StaticText12", "*Ionization Energies:", kEnergy, 202, 366, "eV"},
      {"neighborPopup", "StaticText16", "Nearest Neighbor:", kLength, 498, 110, "\u00C5"},
      {"latticePopup", "StaticText15", "Lattice Parameters:", kLength, 498, 78, "\u00C5"},
      {"superTPopup", "StaticText14", "Superconductivity Tc:", kTemperature, 498, 46, "K"},
  };
  return cases;
}

const std::array<int, 17> kFirstRunUnits = {0, 0, 0, 8, 8, 3, 0, 0, 0, 0, 0, 0, 8, 0, 1, 1, 0};

std::array<int, 17> StoredUnits() {
  std::array<int, 17> units{};
  for (int i = 0; i < 17; ++i) units[std::size_t(i)] = prefUnits(i);
  return units;
}

void StoreUnits(const std::array<int, 17>& units) {
  for (int i = 0; i < 17; ++i) prefUnits(i) = units[std::size_t(i)];
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A plain window standing in for the main window, with a button of its own, and the first-run
// preferences.
class CustomizeSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setDefaultPreferences();
    parent_.resize(700, 480);
    parentButton_ = new QPushButton("Install", &parent_);
    parentButton_->setGeometry(20, 440, 120, 24);
    ASSERT_TRUE(ShowAndWaitExposed(parent_));
  }

  void TearDown() override {
    if (customizeSheetExists()) customizeSheet().Close();
    DeleteClosedWindows();
    ResetPreferenceGlobals();
  }

  // The sheet shown over the parent, ready for input.
  class customizeSheet& OpenSheet() {
    class customizeSheet& sheet = customizeSheet();
    sheet.ShowModalWithin(parent_);
    EXPECT_TRUE(WaitExposed(sheet));
    return sheet;
  }

  // Closes with the key and waits until the sheet is gone.
  void PressAndWaitClosed(class customizeSheet& sheet, Qt::Key key) {
    PressKey(sheet, key);
    ASSERT_TRUE(WaitFor([] { return !customizeSheetExists(); }));
    DeleteClosedWindows();
  }

  Window parent_;
  QPushButton* parentButton_ = nullptr;
};

TEST_F(CustomizeSheetTest, IsAFixedSheetWithoutCloseBoxModalToItsWindow) {
  class customizeSheet& sheet = OpenSheet();
  EXPECT_EQ(sheet.Title(), "Customize Units");
  EXPECT_EQ(sheet.size(), QSize(612, 405));
  EXPECT_EQ(sheet.minimumSize(), sheet.maximumSize()) << "not resizable";
  EXPECT_EQ(sheet.windowType(), Qt::Sheet);
  EXPECT_FALSE(sheet.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(sheet.parentWidget(), &parent_);
  EXPECT_EQ(sheet.windowModality(), Qt::WindowModal);

  // The main window takes no click while the sheet is up.
  int parentClicks = 0;
  QObject::connect(parentButton_, &QPushButton::clicked, [&] { ++parentClicks; });
  ClickControl(parent_, *parentButton_);
  QCoreApplication::processEvents();
  EXPECT_EQ(parentClicks, 0);

  // Neither the windowing system's close nor the program's close of the front window takes it
  // away: Save and Cancel are the only ways out.
  sheet.windowHandle()->close();
  EXPECT_FALSE(sheet.close());
  QCoreApplication::processEvents();
  EXPECT_TRUE(customizeSheetExists());
  EXPECT_TRUE(sheet.isVisible());
}

TEST_F(CustomizeSheetTest, ControlsInCreationOrder) {
  const class customizeSheet& sheet = customizeSheet();
  const std::vector<std::string> expected = {
      "StaticText1",  "StaticText2",  "StaticText3",   "StaticText4",  "StaticText5",   "StaticText6",
      "StaticText7",  "StaticText8",  "StaticText9",   "StaticText10", "StaticText11",  "StaticText12",
      "StaticText13", "StaticText14", "StaticText15",  "StaticText16", "StaticText17",  "massPopup",
      "meltPopup",    "boilPopup",    "hVapPopup",     "hFusPopup",    "SpecHeatPopup", "photoPopup",
      "atRadPopup",   "covRadPopup",  "ionRadPopup",   "EAPopup",      "ionEPopup",     "densityPopup",
      "superTPopup",  "latticePopup", "neighborPopup", "thermalPopup", "PushButton1",   "PushButton2",
      "StaticText18"};
  std::vector<std::string> created;
  for (const QObject* child : sheet.ContentArea().children()) {
    if (child->isWidgetType()) created.push_back(child->objectName().toStdString());
  }
  EXPECT_EQ(created, expected);

  // The tab order follows: the density popup (top right) comes after the ionization energies
  // popup (bottom left).
  EXPECT_EQ(sheet.ionEPopup().nextInFocusChain(), &sheet.densityPopup());
}

// Every popup with its rows in order, its label and their places; on a first run each shows the
// default unit.
TEST_F(CustomizeSheetTest, EveryPopupWithItsRowsAndLabelAtItsPlace) {
  class customizeSheet& sheet = OpenSheet();
  for (int i = 0; i < 17; ++i) {
    const PopupCase& c = PopupCases()[std::size_t(i)];
    SCOPED_TRACE(c.popup);
    const QComboBox& popup = sheet.ControlAs<QComboBox>(c.popup);
    EXPECT_EQ(&popup, &sheet.UnitPopup(i));
    EXPECT_EQ(popup.geometry(), QRect(c.left, c.top, 98, 20));
    Rows rows;
    for (int r = 0; r < popup.count(); ++r) rows.push_back(popup.itemText(r).toStdString());
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(popup.currentText(), Q(c.firstRunRow));
    EXPECT_EQ(popup.currentIndex(), kFirstRunUnits[std::size_t(i)]);

    const QLabel& label = sheet.ControlAs<QLabel>(c.label);
    EXPECT_EQ(label.text(), Q(c.labelText));
    EXPECT_EQ(label.geometry(), QRect(c.left == 202 ? 4 : 300, c.top, 186, 20));
    EXPECT_EQ(label.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  }

  const QString note = sheet.StaticText18().text();
  EXPECT_EQ(note,
            "Select the units you want for each property on the iPod. Not all properties have selectable "
            "units.\n\n*Ionization Energies selects the units for first, second, third, and fourth "
            "ionization energies.")
      << "the two CRs show as line breaks";
  EXPECT_EQ(note.length(), 196);
  EXPECT_EQ(sheet.StaticText18().geometry(), QRect(348, 201, 244, 154));
  EXPECT_TRUE(sheet.StaticText18().wordWrap());

  EXPECT_EQ(sheet.PushButton1().text(), "Save");
  EXPECT_EQ(sheet.PushButton1().geometry(), QRect(498, 366, 94, 20));
  EXPECT_TRUE(sheet.PushButton1().isDefault());
  EXPECT_EQ(sheet.PushButton2().text(), "Cancel");
  EXPECT_EQ(sheet.PushButton2().geometry(), QRect(372, 366, 94, 20));

  KeepScreenshot(sheet, "customizeSheet.png");
}

TEST_F(CustomizeSheetTest, SavingStoresThePickedRowAndEndsTheSheet) {
  class customizeSheet& sheet = OpenSheet();
  ASSERT_TRUE(ChoosePopupRow(sheet, sheet.meltPopup(), 2));
  EXPECT_EQ(sheet.meltPopup().currentText(),
            "\u00BA"
            "F");
  EXPECT_EQ(prefUnits(1), 0) << "nothing is stored before Save";

  ClickControl(sheet, sheet.PushButton1());
  ASSERT_TRUE(WaitFor([] { return !customizeSheetExists(); }));
  DeleteClosedWindows();

  std::array<int, 17> expected = kFirstRunUnits;
  expected[1] = 2;
  EXPECT_EQ(StoredUnits(), expected);

  // The next showing is a new sheet that reads prefUnits again.
  class customizeSheet& again = OpenSheet();
  EXPECT_EQ(again.meltPopup().currentText(),
            "\u00BA"
            "F");
}

TEST_F(CustomizeSheetTest, CancelKeepsEveryStoredUnit) {
  const std::array<int, 17> stored = {1, 4, 3, 14, 0, 5, 3, 2, 1, 4, 3, 2, 1, 9, 0, 2, 4};
  StoreUnits(stored);
  class customizeSheet& sheet = OpenSheet();
  ASSERT_TRUE(ChoosePopupRow(sheet, sheet.massPopup(), 0));
  ASSERT_TRUE(ChoosePopupRow(sheet, sheet.ionEPopup(), 14));
  ASSERT_TRUE(ChoosePopupRow(sheet, sheet.thermalPopup(), 0));

  ClickControl(sheet, sheet.PushButton2());
  ASSERT_TRUE(WaitFor([] { return !customizeSheetExists(); }));
  DeleteClosedWindows();
  EXPECT_EQ(StoredUnits(), stored);

  class customizeSheet& again = OpenSheet();
  for (int i = 0; i < 17; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(again.UnitPopup(i).currentIndex(), stored[std::size_t(i)]) << "the stored rows, not the picked";
  }
}

// Return presses Save, Escape presses Cancel, wherever the focus is in the sheet.
TEST_F(CustomizeSheetTest, ReturnSavesAndEscapeCancels) {
  struct KeyCase {
    Qt::Key key;
    int storedMass;
  };
  for (const KeyCase& c : {KeyCase{Qt::Key_Return, 1}, KeyCase{Qt::Key_Escape, 0}}) {
    SCOPED_TRACE(c.key);
    StoreUnits(kFirstRunUnits);
    class customizeSheet& sheet = OpenSheet();
    ASSERT_TRUE(ChoosePopupRow(sheet, sheet.massPopup(), 1));
    PressAndWaitClosed(sheet, c.key);
    std::array<int, 17> expected = kFirstRunUnits;
    expected[0] = c.storedMass;
    EXPECT_EQ(StoredUnits(), expected);
  }
}

// Return, Enter and Escape pressed in an open popup's list are the list's: Return and Enter choose
// the row the list is on, Escape closes the list without a choice. The sheet stays up with
// nothing stored and the rows picked before kept, so Save then stores them all.
TEST_F(CustomizeSheetTest, KeysInAnOpenPopupListLeaveTheSheetUp) {
  const QPointer<class customizeSheet> sheet(&OpenSheet());
  ASSERT_TRUE(ChoosePopupRow(*sheet, sheet->meltPopup(), 2));  // ºF, picked before
  // Return last, so that the boiling point's row it chose is the one Save stores.
  for (const PopupListKey& c : {kPopupListKeys[2], kPopupListKeys[1], kPopupListKeys[0]}) {
    SCOPED_TRACE(c.name);
    QComboBox& boil = sheet->boilPopup();
    boil.setCurrentIndex(0);
    ASSERT_TRUE(PressInPopupList(*sheet, boil, c.key));

    ASSERT_FALSE(sheet.isNull()) << "the sheet was closed";
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(boil.currentIndex(), c.chosen);
    EXPECT_EQ(sheet->meltPopup().currentIndex(), 2);
    EXPECT_EQ(StoredUnits(), kFirstRunUnits) << "nothing is stored before Save";
  }

  PressAndWaitClosed(*sheet, Qt::Key_Return);
  std::array<int, 17> expected = kFirstRunUnits;
  expected[1] = 2;
  expected[2] = 1;
  EXPECT_EQ(StoredUnits(), expected);
}

// A hand-edited file may hold any number. The popup then shows the unit the element notes print
// for it, and Save writes that row back, so the notes stay as they were; stored rows come back as
// they were.
TEST_F(CustomizeSheetTest, AValueOutsideThePopupShowsTheNotesUnitAndSavesItsRow) {
  struct OutsideCase {
    int index;
    int stored;
    const char* shown;
    int saved;
  };
  const OutsideCase cases[] = {
      {0, 7, "kg/mol", 1},   // the notes give kg/mol for every value but 0
      {0, -1, "kg/mol", 1},  //
      {1, -3, "K", 0},       // temperatures are stored in K
      {3, 15, "kJ/mol", 8},  // heats in kJ/mol
      {5, 6, "J/g K", 3},    //
      {6, 4, "eV", 0},       //
      {7, 99, "g/cm\u00B3", 0}, {8, 2, "W/m K", 0}, {9, 5, "pm", 2},  // radii in pm
      {12, -8, "kJ/mol", 8},                                          //
      {13, 15, "eV", 0},                                              // ionization energies in eV
      {15, 5, "\u00C5", 1},                                           // lattice lengths in Å
  };
  std::array<int, 17> expected = {0, 4, 3, 14, 0, 5, 3, 2, 1, 4, 3, 2, 1, 9, 0, 2, 4};
  StoreUnits(expected);
  for (const OutsideCase& c : cases) {
    prefUnits(c.index) = c.stored;
    expected[std::size_t(c.index)] = c.saved;
  }
  class customizeSheet& sheet = OpenSheet();
  for (const OutsideCase& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(sheet.UnitPopup(c.index).currentText(), Q(c.shown));
  }
  PressAndWaitClosed(sheet, Qt::Key_Return);
  EXPECT_EQ(StoredUnits(), expected);
}

TEST_F(CustomizeSheetTest, OneInstanceUntilItCloses) {
  class customizeSheet& sheet = customizeSheet();
  EXPECT_EQ(&customizeSheet(), &sheet);
  sheet.Close();
  EXPECT_FALSE(customizeSheetExists()) << "closing ends the instance at once";
  EXPECT_NE(&customizeSheet(), &sheet);
}

}  // namespace
