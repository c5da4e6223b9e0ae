#include "framework/widgets/ControlMenuHandlers.h"

#include <QApplication>
#include <QObject>
#include <QWidget>
#include <map>
#include <utility>

#include "framework/widgets/Window.h"

namespace {

// A control's handlers by item name, held as a child of the control so they end with it.
class ControlHandlers : public QObject {
 public:
  explicit ControlHandlers(QWidget& control) : QObject(&control) {}
  std::map<std::string, std::function<bool()>> byItem;
};

ControlHandlers* HandlersOf(const QWidget& control) {
  for (QObject* child : control.children()) {
    if (auto* handlers = dynamic_cast<ControlHandlers*>(child)) return handlers;
  }
  return nullptr;
}

}  // namespace

void AddControlMenuHandler(QWidget& control, const std::string& itemName, std::function<bool()> handler) {
  ControlHandlers* handlers = HandlersOf(control);
  if (handlers == nullptr) handlers = new ControlHandlers(control);
  handlers->byItem[itemName] = std::move(handler);
}

QWidget* FocusedControl() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
  if (QWidget* focused = QApplication::focusWidget()) return focused;
  if (QWidget* front = FrontmostWindow()) return front->focusWidget();
  return nullptr;
}

bool RunFocusedControlMenuHandler(const std::string& itemName) {
  const QWidget* control = FocusedControl();
  if (control == nullptr) return false;
  const ControlHandlers* handlers = HandlersOf(*control);
  if (handlers == nullptr) return false;
  const auto handler = handlers->byItem.find(itemName);
  return handler != handlers->byItem.end() && handler->second();
}

void EnableFocusedControlMenuItems() {
  if (auto* enabler = dynamic_cast<MenuItemsEnabler*>(FocusedControl())) enabler->Event_EnableMenuItems();
}
