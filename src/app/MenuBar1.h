#pragma once

#include "framework/widgets/MenuBar.h"

class QAction;

// The program's menu bar: File, Edit and Help. This platform has no application menu, so About
// is the last item of the Help menu, after a separator; the quit item stays in the File menu.
class MenuBar1 : public MenuBar {
 public:
  MenuBar1();
};

// The one menu bar, made on the first call.
class MenuBar1& MenuBar1();

// Items of the menu bar by name; each raises NilObjectException when the bar has no such item.
QAction& FileMenu();
QAction& FileCloseWindow();
QAction& EditSelectAll();
