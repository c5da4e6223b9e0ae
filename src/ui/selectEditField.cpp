#include "ui/selectEditField.h"

#include <QAction>

#include "framework/widgets/MenuBar.h"

namespace {

constexpr char kSelectAllItem[] = "EditSelectAll";

}  // namespace

selectEditField::selectEditField(QWidget* parent) : QLineEdit(parent) {}

QWidget* selectEditField::Make(QWidget* parent) { return new selectEditField(parent); }

void selectEditField::AddMenuHandlers() {
  AddControlMenuHandler(*this, kSelectAllItem, [this] { return _EditSelectAll_Action(); });
}

void selectEditField::Event_EnableMenuItems() {
  if (text().isEmpty()) return;
  if (QAction* selectAll = FindMenuItem(kSelectAllItem)) selectAll->setEnabled(true);
}

bool selectEditField::_EditSelectAll_Action() {
  setSelection(0, static_cast<int>(text().length()));
  return false;
}
