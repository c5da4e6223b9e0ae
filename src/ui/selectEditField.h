#pragma once

#include <QLineEdit>

#include "framework/widgets/ControlMenuHandlers.h"

// An edit field that takes part in the Edit menu's Select All: while it has the focus and holds
// text it enables the item, and choosing the item selects its whole text. Everything else is the
// edit field's own.
class selectEditField : public QLineEdit, public MenuItemsEnabler {
 public:
  explicit selectEditField(QWidget* parent = nullptr);

  // Makes one as a child of parent (the make function of a control row).
  static QWidget* Make(QWidget* parent);

  // Binds _EditSelectAll_Action as this field's own handler of the item "EditSelectAll". The
  // window that places the field calls it right after building the field.
  void AddMenuHandlers();

  // Enables Select All when the field holds text; an empty field leaves the item as it is, and so
  // does a program whose menus have no Select All.
  void Event_EnableMenuItems() override;
  // Selects every character of the text. Returns false, as every menu handler of the program does.
  bool _EditSelectAll_Action();
};
