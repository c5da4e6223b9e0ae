#pragma once

#include <functional>
#include <string>

class QWidget;

// A control's own part in the menus. While a control has the focus, its own handler of an item is
// asked first when the item is chosen, and the control is asked to enable its items whenever the
// menus' enabling is brought up to date (see MenuBar).

// A control that enables menu items of its own while it has the focus.
class MenuItemsEnabler {
 public:
  virtual ~MenuItemsEnabler() = default;
  virtual void Event_EnableMenuItems() = 0;
};

// Binds handler as control's own handler of the menu item named itemName, in place of an earlier
// one of that name; the binding ends with the control. The handler returns whether it handled the
// choice, as every menu handler does.
void AddControlMenuHandler(QWidget& control, const std::string& itemName, std::function<bool()> handler);

// The control that has the focus: the application's focus widget, else the one the front window
// keeps (a window that is not active still remembers its focus); nullptr when none.
QWidget* FocusedControl();
// Runs the focused control's own handler of the item; its result, false when it has none.
bool RunFocusedControlMenuHandler(const std::string& itemName);
// Asks the focused control to enable its menu items, when it is a MenuItemsEnabler.
void EnableFocusedControlMenuItems();
