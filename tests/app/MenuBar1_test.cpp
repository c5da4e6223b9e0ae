#include "app/MenuBar1.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <string>
#include <vector>

namespace {

struct ExpectedItem {
  const char* name;
  const char* text;
  QKeySequence shortcut;
  bool enabled;
};

const QKeySequence kNone;

// The menus as a person sees them before the application's Open adds the Eject item.
// clang-format off
const std::vector<std::pair<const char*, std::vector<ExpectedItem>>> kExpectedMenus = {
    {"FileMenu", {
        {"FileCloseWindow", "&Close Window",           QKeySequence("Ctrl+W"), false},
        {"FileQuit",        "Quit Atomnote Installer", QKeySequence("Ctrl+Q"), true}}},
    {"EditMenu", {
        {"EditUndo",        "&Undo",        QKeySequence("Ctrl+Z"), true},
        {"UntitledMenu2",   "-",            kNone,                  true},
        {"EditCut",         "Cu&t",         QKeySequence("Ctrl+X"), true},
        {"EditCopy",        "&Copy",        QKeySequence("Ctrl+C"), true},
        {"EditPaste",       "&Paste",       QKeySequence("Ctrl+V"), true},
        {"EditClear",       "C&lear",       kNone,                  true},
        {"UntitledMenu1",   "-",            kNone,                  true},
        {"EditSelectAll",   "Select &All",  QKeySequence("Ctrl+A"), true}}},
    {"HelpMenu", {
        {"HelpAtomnoteHelp",                  "Atomnote Installer &Help\xE2\x80\xA6",          kNone, true},
        {"HelpEnableiPodDiskUseHelp\xE2\x80\xA6", "Enable iPod Disk Use Help\xE2\x80\xA6",     kNone, true},
        {"HelpSoftwareLicense",               "Software License\xE2\x80\xA6",                   kNone, true},
        {"UntitledMenu0",                     "-",                                              kNone, true},
        {"HelpVisitHollowbrookWorksWebsite",  "&Visit Hollowbrook Works' Website\xE2\x80\xA6",  kNone, true},
        {"HelpCheckForUpdates",               "&Check For Updates\xE2\x80\xA6",                 kNone, true},
        {"HelpAboutSeparator",                "-",                                              kNone, true},
        {"AppleAboutAtomnote",                "&About Atomnote Installer\xE2\x80\xA6",          kNone, true}}},
};
// clang-format on

TEST(MenuBar1, MenusAndItemsInOrderWithTheirTextsShortcutsAndEnabling) {
  const class MenuBar1& bar = MenuBar1();
  const QList<QAction*> menus = bar.actions();
  ASSERT_EQ(menus.size(), 3);
  const char* titles[] = {"&File", "&Edit", "&Help"};
  for (int m = 0; m < 3; ++m) {
    const auto& [menuName, expected] = kExpectedMenus[static_cast<std::size_t>(m)];
    SCOPED_TRACE(menuName);
    EXPECT_EQ(menus[m]->objectName(), menuName);
    EXPECT_EQ(menus[m]->text(), titles[m]) << "the access key is kept";
    const QList<QAction*> items = menus[m]->menu()->actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const ExpectedItem& want = expected[i];
      const auto& item = dynamic_cast<const MenuItem&>(*items[static_cast<qsizetype>(i)]);
      SCOPED_TRACE(want.name);
      EXPECT_EQ(item.objectName().toStdString(), want.name);
      EXPECT_EQ(item.Text(), want.text);
      EXPECT_EQ(item.isSeparator(), std::string(want.text) == "-");
      EXPECT_EQ(item.shortcut(), want.shortcut);
      EXPECT_EQ(item.isEnabled(), want.enabled);
      EXPECT_EQ(item.menuRole(), QAction::NoRole) << "no item moves into a menu of the platform";
    }
  }
}

TEST(MenuBar1, AboutIsInTheHelpMenuOnly) {
  int abouts = 0;
  for (const QAction* menu : MenuBar1().actions()) {
    for (const QAction* item : menu->menu()->actions()) {
      if (item->text().contains("About")) ++abouts;
    }
  }
  EXPECT_EQ(abouts, 1);
}

TEST(MenuBar1, OneBarAndItsItemsByName) {
  EXPECT_EQ(&MenuBar1(), &MenuBar1());
  EXPECT_EQ(&FileMenu(), MenuBar1().Menu("FileMenu")->menuAction());
  EXPECT_EQ(FileCloseWindow().text(), "&Close Window");
  EXPECT_EQ(EditSelectAll().text(), "Select &All");
  EXPECT_EQ(MenuBar1().Item("UntitledMenu3"), nullptr);
}

}  // namespace
