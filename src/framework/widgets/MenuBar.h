#pragma once

#include <QMenuBar>
#include <span>
#include <string>

#include "framework/widgets/MenuItem.h"

class QMenu;

// A menu bar built from one table of rows (MenuRow) in their order: a row without a menu starts a
// menu of the bar, the rows after it that name that menu are its items. Each menu's object name,
// and that of the item that stands for it in the bar, is the menu's name.
//
// Choosing an item (with the pointer or its shortcut) runs, in this order, until one of them says
// it handled the choice: the item's own action; the focused control's own handler of that item
// name (ControlMenuHandlers.h); the menu handler of that item name of each open window, the
// frontmost first; the application's menu handler of that name; then the framework's
// command of the item (quit, or text editing on the focused text control). An error that escapes
// them is reported in a message box, and the program goes on.
//
// The enabling of the items is brought up to date before a menu opens, when another window comes
// to the front, and when a control tied to it (UpdateEnablingWhenEnabledChanges) changes its
// enabled state: items with AutoEnable on are enabled, the others disabled, then the focused
// control enables its own items, then the application's EnableMenuItems event runs. So a
// shortcut obeys the same enabling as the menu.
class MenuBar : public QMenuBar {
 public:
  explicit MenuBar(std::span<const MenuRow> rows, QWidget* parent = nullptr);

  // The item, or the item that stands for a menu, of that name anywhere in the bar; nullptr when
  // there is none.
  QAction* Item(const std::string& name) const;
  // The menu of that name; nullptr when there is none.
  QMenu* Menu(const std::string& name) const;
  // Puts item into the named menu at position (0 the top; past the end: the bottom), handled as
  // the table's items are. Raises NilObjectException when there is no such menu.
  void Insert(const std::string& menuName, int position, MenuItem* item);

  // Brings the enabling of every item up to date.
  void UpdateEnabling();
  // Brings the enabling up to date whenever control is enabled or disabled.
  void UpdateEnablingWhenEnabledChanges(QWidget& control);

 private:
  void AddMenu(const MenuRow& row);
  void AddItem(const MenuRow& row);
  void Connect(MenuItem* item);
};

// The item of that name in any menu bar of the program; nullptr when there is none.
QAction* FindMenuItem(const std::string& name);

// Makes the shortcuts of the menu bars in the program's shown windows work in window too. Qt
// takes a shortcut only from a window that no modal one holds back, so without this a sheet over
// the window with the menu bar would keep every shortcut from the program's other windows.
void ServeMenuShortcutsIn(QWidget& window);
// Makes only the shortcut of the quit command work in window: a sheet takes no other command of
// the window it belongs to, but the program can be quit while it is down.
void ServeQuitShortcutIn(QWidget& window);
