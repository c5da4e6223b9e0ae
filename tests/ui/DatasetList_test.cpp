// The dataset list of the main window: its colours, its two buttons, and the way checkmarks and
// option controls are read from and written to the preferences.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <set>
#include <string>
#include <vector>

#include "framework/widgets/Canvas.h"
#include "support/TestSupport.h"
#include "ui/MainWindowTestSupport.h"

namespace {

class DatasetListTest : public MainWindowTest {};

std::vector<bool> Ticked(const std::set<int>& rows) {
  std::vector<bool> checks(37, false);
  for (const int row : rows) checks[static_cast<std::size_t>(row)] = true;
  return checks;
}

std::set<int> RowsFrom(int first, int last) {
  std::set<int> rows;
  for (int row = first; row <= last; ++row) rows.insert(row);
  return rows;
}

std::set<int> Union(std::initializer_list<std::set<int>> parts) {
  std::set<int> all;
  for (const std::set<int>& part : parts) all.insert(part.begin(), part.end());
  return all;
}

const std::string kTwenty = "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";

// ---- colours ----

// The colour of a row's cell as drawn, beside its text, the list without the focus (which marks
// the current row).
QColor RowColour(const class Window1& window, int row) {
  const QRect cell = ShowRow(window, row);
  const QImage shown = window.InstallList().viewport()->grab().toImage();
  return shown.pixelColor(cell.right() - 3, cell.center().y());
}

struct ColourCase {
  int row;
  QRgb colour;
};

// Rows are painted by the parity of their index in the whole list: row 16 (even) in the crystal
// group's first colour, row 17 (odd, the first of the bonding group) in that group's second.
TEST_F(DatasetListTest, RowsArePaintedInTheirGroupsColoursByListParity) {
  const ColourCase cases[] = {
      {0, 0xFF6E71},  {1, 0xFFB9BA},  {7, 0xFFB9BA},  {8, 0x7DFF7D},  {16, 0x7DFF7D}, {17, 0xC6B8EF},
      {18, 0x9575EF}, {30, 0xC974DF}, {33, 0xDEADDF}, {34, 0xFFF617}, {35, 0xFFF6AA}, {36, 0xFF7F18},
  };
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));
  window.InstallList().clearFocus();
  for (const ColourCase& c : cases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(RowColour(window, c.row), QColor(c.colour));
  }
}

// ---- the two buttons ----

TEST_F(DatasetListTest, AllAndNoDatasetsTickAndUntickEveryRow) {
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));
  ClickDatasetCheckbox(window, 5);
  ASSERT_TRUE(WaitFor([&] { return !window.InstallList().CellCheck(5, 0); }));

  ClickControl(window, window.NonePushButton());
  ASSERT_TRUE(WaitFor([&] { return DatasetChecks(window) == Ticked({}); }));
  ClickControl(window, window.AllPushButton());
  ASSERT_TRUE(WaitFor([&] { return DatasetChecks(window) == Ticked(RowsFrom(0, 36)); }));
  EXPECT_EQ(prefPhysical, kTwenty) << "the strings change only when stored";
}

TEST_F(DatasetListTest, NoDatasetsThenClosingStoresOnlyNoughts) {
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));
  ClickControl(window, window.NonePushButton());
  ASSERT_TRUE(WaitFor([&] { return DatasetChecks(window) == Ticked({}); }));

  window.close();

  EXPECT_EQ((std::vector<std::string>{prefPhysical, prefCrystal, prefBonding, prefAbundances, prefMisc,
                                      prefIsotope}),
            (std::vector<std::string>{"0 0 0 0 0 0 0 0 ", "0 0 0 0 0 0 0 0 0 ", "0 0 0 0 0 0 0 0 0 0 0 0 0 ",
                                      "0 0 0 0 ", "0 0 ", "0 "}));
}

// ---- applying the preferences ----

struct ApplyCase {
  std::string name;
  std::string physical;
  std::string others;  // the five other strings
  std::string version;
  std::set<int> ticked;
};

std::string CaseName(const ::testing::TestParamInfo<ApplyCase>& info) { return TestNameOf(info.param.name); }

const std::set<int> kNotPhysical = RowsFrom(8, 36);

class ApplyPreferencesTest : public MainWindowTest, public ::testing::WithParamInterface<ApplyCase> {};

// Every row takes its token; the list's earlier checkmarks (here all ticked, or none) never
// survive; a version older than this one ticks every row.
TEST_P(ApplyPreferencesTest, EachRowTakesItsToken) {
  const ApplyCase& c = GetParam();
  for (const bool before : {true, false}) {
    SCOPED_TRACE(before ? "all ticked before" : "none ticked before");
    class Window1 window;
    for (int row = 0; row < 37; ++row) window.InstallList().SetCellCheck(row, 0, before);
    prefPhysical = c.physical;
    for (std::string* selection : {&prefCrystal, &prefBonding, &prefAbundances, &prefMisc, &prefIsotope})
      *selection = c.others;
    prefLastUsedVersion = c.version;

    window.applyPreferences();

    EXPECT_EQ(DatasetChecks(window), Ticked(c.ticked));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Strings, ApplyPreferencesTest,
    ::testing::Values(
        ApplyCase{"twenty tokens tick exactly each group", kTwenty, kTwenty, "1.6.2", RowsFrom(0, 36)},
        ApplyCase{"a stored selection", "1 0 1 0 0 0 0 1 ", "0 1 ", "1.6.2", {0, 2, 7, 9, 18, 31, 35}},
        ApplyCase{"two tokens tick the first two rows only", "1 1", "", "1.6.2", {0, 1}},
        ApplyCase{"tokens that are not exactly 1", "0 01 1.0 yes true  1", kTwenty, "1.6.2",
                  Union({{6}, kNotPhysical})},
        ApplyCase{"two blanks make an empty token", "1  1", "", "1.6.2", {0, 2}},
        ApplyCase{"a leading blank makes an empty first token", " 1", "", "1.6.2", {1}},
        ApplyCase{"a token 1 glued to the next", "11 1", "", "1.6.2", {1}},
        ApplyCase{"empty strings", "", "", "1.6.2", {}},
        ApplyCase{"1.6.1 lets the strings decide", "1", "0 0 0 0 0 0 0 0 0 0 0 0 0", "1.6.1", {0}},
        ApplyCase{"1.6 lets the strings decide", "", "1", "1.6", {8, 17, 30, 34, 36}},
        ApplyCase{"a later version lets the strings decide", "", "", "2.0", {}},
        ApplyCase{"the first run default 1.5 ticks every row", "0 0", "0 0", "1.5", RowsFrom(0, 36)},
        ApplyCase{"1.5.9 ticks every row", "", "", "1.5.9", RowsFrom(0, 36)},
        ApplyCase{"no version ticks every row", "", "", "", RowsFrom(0, 36)},
        ApplyCase{"a version without a number ticks every row", "", "", "version 1.6.2", RowsFrom(0, 36)}),
    CaseName);

struct OptionCase {
  std::string name;
  bool monopolize, visual, omit, glossary;
  int language;
  int guardLeft;
  int popupRow;
};

std::string OptionCaseName(const ::testing::TestParamInfo<OptionCase>& info) {
  return TestNameOf(info.param.name);
}

class ApplyOptionsTest : public MainWindowTest, public ::testing::WithParamInterface<OptionCase> {};

// The option boxes show their preferences, the thumbnail dimmed with the visual tables off (also
// when the box keeps its design value, so that no Action runs); the monopolize guard lies away
// from a ticked box and over an unticked one; a language other than 0 and 1 shows American English.
TEST_P(ApplyOptionsTest, TheOptionControlsShowThePreferences) {
  const OptionCase& c = GetParam();
  class Window1 window;
  window.GlossaryCheckBox().setEnabled(false);
  window.GlossaryCheckBox().setText("changed");
  prefMonopolizeiPodNotes = c.monopolize;
  prefVisualTables = c.visual;
  prefOmitBlanks = c.omit;
  prefGlossary = c.glossary;
  prefLanguage = c.language;

  window.applyPreferences();

  EXPECT_EQ(window.MonopolyCheckBox().isChecked(), c.monopolize);
  EXPECT_EQ(window.blockingCanvas().geometry(), QRect(c.guardLeft, 479, 350, 51));
  EXPECT_EQ(window.VisualCheckBox().isChecked(), c.visual);
  EXPECT_EQ(window.ImageWell2().isEnabled(), c.visual) << "the thumbnail is dimmed while the box is unticked";
  EXPECT_EQ(window.OmitCheckBox().isChecked(), c.omit);
  EXPECT_EQ(window.GlossaryCheckBox().isChecked(), c.glossary);
  EXPECT_EQ(window.langPopup().currentIndex(), c.popupRow);
  EXPECT_TRUE(window.GlossaryCheckBox().isEnabled());
  EXPECT_EQ(window.GlossaryCheckBox().text(), "Include Glossary");
  EXPECT_TRUE(window.GlossaryStaticText().isEnabled());
  EXPECT_TRUE(messages_.messages().empty()) << "no caution when the preferences are applied";
  EXPECT_EQ(prefMonopolizeiPodNotes, c.monopolize);
}

INSTANTIATE_TEST_SUITE_P(
    Options, ApplyOptionsTest,
    ::testing::Values(OptionCase{"all on British", true, true, true, true, 1, 900, 1},
                      OptionCase{"all off American", false, false, false, false, 0, 22, 0},
                      OptionCase{"language 2", false, true, false, true, 2, 22, 0},
                      OptionCase{"language minus 1", true, false, true, false, -1, 900, 0}),
    OptionCaseName);

// ---- storing ----

// The selection strings take one token and a blank per dataset row, from the row's checkmark;
// whatever they held before is replaced.
TEST_F(DatasetListTest, StoringFoldsTheRowsIntoTheSixSelectionStrings) {
  struct Case {
    const char* name;
    std::set<int> checked;
    std::vector<std::string> strings;  // physical, crystal, bonding, abundances, misc, isotope
  };
  const Case cases[] = {
      {"every row",
       RowsFrom(0, 36),
       {"1 1 1 1 1 1 1 1 ", "1 1 1 1 1 1 1 1 1 ", "1 1 1 1 1 1 1 1 1 1 1 1 1 ", "1 1 1 1 ", "1 1 ", "1 "}},
      {"no row",
       {},
       {"0 0 0 0 0 0 0 0 ", "0 0 0 0 0 0 0 0 0 ", "0 0 0 0 0 0 0 0 0 0 0 0 0 ", "0 0 0 0 ", "0 0 ", "0 "}},
      {"the first and last row of each group",
       {0, 7, 8, 16, 17, 29, 30, 33, 34, 35, 36},
       {"1 0 0 0 0 0 0 1 ", "1 0 0 0 0 0 0 0 1 ", "1 0 0 0 0 0 0 0 0 0 0 0 1 ", "1 0 0 1 ", "1 1 ", "1 "}},
      {"the rows next to the group ends",
       {1, 6, 9, 15, 18, 28, 31, 32},
       {"0 1 0 0 0 0 1 0 ", "0 1 0 0 0 0 0 1 0 ", "0 1 0 0 0 0 0 0 0 0 0 1 0 ", "0 1 1 0 ", "0 0 ", "0 "}},
  };
  class Window1 window;
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    for (int row = 0; row < 37; ++row) window.InstallList().SetCellCheck(row, 0, test.checked.contains(row));
    for (std::string* selection :
         {&prefPhysical, &prefCrystal, &prefBonding, &prefAbundances, &prefMisc, &prefIsotope}) {
      *selection = "1 1 junk ";
    }

    window.storeDatasetPreferences();

    EXPECT_EQ((std::vector<std::string>{prefPhysical, prefCrystal, prefBonding, prefAbundances, prefMisc,
                                        prefIsotope}),
              test.strings);
  }
}

// Stored strings applied again tick the same rows.
TEST_F(DatasetListTest, StoredThenAppliedTicksTheSameRows) {
  const std::set<int> chosen = {0, 3, 8, 16, 17, 29, 33, 36};
  class Window1 window;
  for (int row = 0; row < 37; ++row) window.InstallList().SetCellCheck(row, 0, chosen.contains(row));
  window.storeDatasetPreferences();

  class Window1 another;
  another.applyPreferences();

  EXPECT_EQ(DatasetChecks(another), Ticked(chosen));
}

}  // namespace
