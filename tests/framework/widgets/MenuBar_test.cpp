#include "framework/widgets/MenuBar.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/widgets/Sheet.h"
#include "framework/widgets/Window.h"
#include "support/TestSupport.h"
#include "support/widgets/WindowEvents.h"

namespace {

// clang-format off
const MenuRow kRows[] = {
    {"",         "FileMenu",  "&File"},
    {"FileMenu", "FileClose", "&Close",   "Cmd+W", false},
    {"FileMenu", "FileLine",  "-"},
    {"FileMenu", "FileQuit",  "Quit",     "Cmd+Q", true, MenuCommand::Quit},
    {"",         "EditMenu",  "&Edit"},
    {"EditMenu", "EditCopy",  "&Copy",    "Cmd+C", true, MenuCommand::Copy},
    {"EditMenu", "EditClear", "C&lear"},
};
// clang-format on

std::vector<std::string> NamesOf(const QList<QAction*>& items) {
  std::vector<std::string> names;
  for (const QAction* item : items) names.push_back(item->objectName().toStdString());
  return names;
}

TEST(MenuBar, BuildsTheMenusAndItemsOfItsTableInOrder) {
  MenuBar bar(kRows);
  EXPECT_EQ(NamesOf(bar.actions()), (std::vector<std::string>{"FileMenu", "EditMenu"}));
  ASSERT_NE(bar.Menu("FileMenu"), nullptr);
  EXPECT_EQ(bar.Menu("FileMenu")->title(), "&File");
  EXPECT_EQ(NamesOf(bar.Menu("FileMenu")->actions()),
            (std::vector<std::string>{"FileClose", "FileLine", "FileQuit"}));
  EXPECT_EQ(NamesOf(bar.Menu("EditMenu")->actions()), (std::vector<std::string>{"EditCopy", "EditClear"}));

  struct ItemCase {
    const char* name;
    const char* text;
    QKeySequence shortcut;
    bool enabled;
    bool separator;
  };
  const ItemCase cases[] = {
      {"FileClose", "&Close", QKeySequence(Qt::CTRL | Qt::Key_W), false, false},
      {"FileLine", "-", QKeySequence(), true, true},
      {"FileQuit", "Quit", QKeySequence(Qt::CTRL | Qt::Key_Q), true, false},
      {"EditClear", "C&lear", QKeySequence(), true, false},
  };
  for (const ItemCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* item = dynamic_cast<MenuItem*>(bar.Item(c.name));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Text(), c.text);
    EXPECT_EQ(item->shortcut(), c.shortcut);
    EXPECT_EQ(item->isEnabled(), c.enabled) << "as AutoEnable says until the enabling is brought up to date";
    EXPECT_EQ(item->isSeparator(), c.separator);
    EXPECT_EQ(item->menuRole(), QAction::NoRole);
    EXPECT_EQ(item->shortcutContext(), Qt::ApplicationShortcut);
  }
  EXPECT_EQ(bar.Item("EditMenu"), bar.Menu("EditMenu")->menuAction());
  EXPECT_EQ(bar.Item("NoSuchItem"), nullptr);
  EXPECT_EQ(bar.Item(""), nullptr);
}

// A separator row is drawn as Qt draws its own separator: a line, without the "-" that stands
// for it in the table (a style draws a separator's text as a heading).
TEST(MenuBar, ASeparatorIsDrawnAsALineOnly) {
  MenuBar bar(kRows);
  QMenu& file = *bar.Menu("FileMenu");
  QMenu plain;
  for (const QAction* item : file.actions()) {
    if (item->isSeparator()) {
      plain.addSeparator();
    } else {
      plain.addAction(item->text())->setShortcut(item->shortcut());
    }
  }
  file.ensurePolished();
  plain.ensurePolished();
  file.resize(file.sizeHint());
  plain.resize(file.sizeHint());
  const QRect line = file.actionGeometry(bar.Item("FileLine"));
  ASSERT_EQ(line, plain.actionGeometry(plain.actions().at(1)));

  EXPECT_EQ(file.grab(line).toImage(), plain.grab(line).toImage());
}

TEST(MenuBar, ShortcutsAsTheTableWritesThem) {
  EXPECT_EQ(ShortcutFor("Cmd+W"), QKeySequence(Qt::CTRL | Qt::Key_W));
  EXPECT_EQ(ShortcutFor("E"), QKeySequence(Qt::CTRL | Qt::Key_E))
      << "a bare letter goes with the command key";
  EXPECT_EQ(ShortcutFor(""), QKeySequence());
}

TEST(MenuBar, InsertsAnItemAtAPosition) {
  MenuBar bar(kRows);
  bar.Insert("FileMenu", 0, new MenuItem({.name = "FileFirst", .text = "First"}, nullptr));
  bar.Insert("FileMenu", 99, new MenuItem({.name = "FileLast", .text = "Last"}, nullptr));
  EXPECT_EQ(NamesOf(bar.Menu("FileMenu")->actions()),
            (std::vector<std::string>{"FileFirst", "FileClose", "FileLine", "FileQuit", "FileLast"}));
  EXPECT_NE(bar.Item("FileFirst"), nullptr);

  auto* stray = new MenuItem({.name = "Stray", .text = "Stray"}, &bar);
  EXPECT_THROW(bar.Insert("ViewMenu", 0, stray), NilObjectException);
}

TEST(MenuBar, AnItemOfAMenuNotYetMadeRaises) {
  const MenuRow rows[] = {{"FileMenu", "FileClose", "&Close"}};
  EXPECT_THROW(MenuBar bar(rows), NilObjectException);
}

// ---- choosing an item ----

// Records which handlers ran; each handler says it handled the choice when told to.
class RecordingApplication : public Application {
 public:
  std::vector<std::string> ran;
  int enablings = 0;

 protected:
  void Event_EnableMenuItems() override { ++enablings; }
};

class HandlerWindow : public Window {
 public:
  HandlerWindow(const char* label, std::vector<std::string>& ran, bool handles) {
    AddMenuHandler("FileClose", [label, &ran, handles] {
      ran.emplace_back(label);
      return handles;
    });
  }
};

class MenuChoiceTest : public ::testing::Test {
 protected:
  MenuChoiceTest() {
    application_.AddMenuHandler("FileClose", [this] {
      application_.ran.emplace_back("application");
      return true;
    });
  }

  RecordingApplication application_;
  MenuBar bar_{kRows};
};

TEST_F(MenuChoiceTest, RunsTheItemThenTheOpenWindowsFrontFirstThenTheApplication) {
  auto& item = dynamic_cast<MenuItem&>(*bar_.Item("FileClose"));
  item.SetAction([this] { application_.ran.emplace_back("item"); });
  HandlerWindow back("back", application_.ran, false);
  HandlerWindow front("front", application_.ran, false);
  HandlerWindow hidden("hidden", application_.ran, true);
  back.Show();
  front.Show();

  item.setEnabled(true);
  item.trigger();
  EXPECT_EQ(application_.ran, (std::vector<std::string>{"item", "front", "back", "application"}));

  application_.ran.clear();
  HandlerWindow taking("taking", application_.ran, true);
  taking.Show();
  item.trigger();
  EXPECT_EQ(application_.ran, (std::vector<std::string>{"item", "taking"}))
      << "a handler that takes it ends the choice";
}

TEST_F(MenuChoiceTest, AnErrorThatEscapesIsShownAndTheProgramGoesOn) {
  ScopedRecordingSink messages;
  application_.AddMenuHandler("EditClear", []() -> bool { throw std::runtime_error("disk gone"); });
  bar_.Item("EditClear")->trigger();
  EXPECT_EQ(MessageTexts(messages),
            (std::vector<std::string>{"48 | Error | An unexpected error occurred: disk gone"}));
}

TEST_F(MenuChoiceTest, QuitClosesTheOpenWindowsThenAsksToQuit) {
  Window first;
  Window second;
  first.Show();
  second.Show();
  bar_.Item("FileQuit")->trigger();
  EXPECT_FALSE(first.isVisible());
  EXPECT_FALSE(second.isVisible());
  EXPECT_TRUE(application_.QuitRequested());
}

// A window whose Close refuses keeps the program running: the quit stops there.
TEST_F(MenuChoiceTest, QuitStopsAtAWindowThatRefusesToClose) {
  class Refusing : public Window {
   protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
  };
  Window other;
  Refusing refusing;
  other.Show();
  refusing.Show();
  bar_.Item("FileQuit")->trigger();
  EXPECT_TRUE(refusing.isVisible());
  EXPECT_FALSE(application_.QuitRequested());
  refusing.hide();
}

// A window with the menu bar, and a sheet down over it; Copy is recorded.
class MenuChoiceWithASheetTest : public MenuChoiceTest {
 protected:
  void ShowTheSheet() {
    application_.AddMenuHandler("EditCopy", [this] {
      application_.ran.emplace_back("copy");
      return true;
    });
    main_.resize(300, 200);
    main_.SetMenuBar(new MenuBar(kRows));
    ASSERT_TRUE(ShowAndWaitExposed(main_));
    sheet_.resize(200, 100);
    sheet_.ShowModalWithin(main_);
    ASSERT_TRUE(WaitExposed(sheet_));
  }

  Window main_;
  Sheet sheet_;
};

// While a sheet is down its window takes no commands, so of the bar's shortcuts only Quit works
// in the sheet; it takes the sheet down with its window and asks to quit.
TEST_F(MenuChoiceWithASheetTest, InASheetOnlyQuitWorksAndTakesTheSheetDownWithItsWindow) {
  ASSERT_NO_FATAL_FAILURE(ShowTheSheet());

  PressKey(sheet_, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(application_.ran, std::vector<std::string>{});
  EXPECT_TRUE(sheet_.isVisible());
  EXPECT_FALSE(application_.QuitRequested());

  PressKey(sheet_, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(sheet_.isVisible());
  EXPECT_TRUE(sheet_.Ended());
  EXPECT_FALSE(main_.isVisible());
  EXPECT_TRUE(application_.QuitRequested());
}

// A sheet holds back the window whose menu bar it covers, not the program's other windows: the
// bar's shortcuts still work in them.
TEST_F(MenuChoiceWithASheetTest, ShortcutsWorkInTheOtherWindowsWhileASheetHoldsBackTheBarsWindow) {
  ASSERT_NO_FATAL_FAILURE(ShowTheSheet());
  Window front;
  front.resize(200, 100);
  ASSERT_TRUE(ShowAndWaitExposed(front));

  PressKey(front, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(application_.ran, std::vector<std::string>{"copy"});
  sheet_.Close();
}

// ---- enabling ----

TEST_F(MenuChoiceTest, EnablingResetsToAutoEnableThenAsksTheApplication) {
  QAction& close = *bar_.Item("FileClose");
  QAction& copy = *bar_.Item("EditCopy");
  close.setEnabled(true);
  copy.setEnabled(false);
  bar_.UpdateEnabling();
  EXPECT_FALSE(close.isEnabled());
  EXPECT_TRUE(copy.isEnabled());
  EXPECT_EQ(application_.enablings, 1);
}

TEST_F(MenuChoiceTest, EnablingIsBroughtUpToDateWhenAMenuOpensOrAWatchedControlChanges) {
  Window window;
  auto* bar = new MenuBar(kRows);
  window.SetMenuBar(bar);
  auto* button = new QPushButton(&window.ContentArea());
  bar->UpdateEnablingWhenEnabledChanges(*button);
  ASSERT_TRUE(ShowAndWaitExposed(window));
  const int before = application_.enablings;

  button->setEnabled(false);
  EXPECT_EQ(application_.enablings, before + 1);
  button->setEnabled(true);
  EXPECT_EQ(application_.enablings, before + 2);

  QMenu& file = *bar->Menu("FileMenu");
  file.popup(QPoint(0, 0));
  EXPECT_EQ(application_.enablings, before + 3);
  file.hide();
}

}  // namespace
