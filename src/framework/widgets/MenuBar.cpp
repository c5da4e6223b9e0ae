#include "framework/widgets/MenuBar.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWindow>
#include <exception>
#include <functional>

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/MessageSink.h"
#include "framework/widgets/ControlMenuHandlers.h"
#include "framework/widgets/TextEditing.h"
#include "framework/widgets/Window.h"

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Closes a window for the quit: the program's own windows as each says, any other as its close
// box would.
bool CloseForQuit(QWidget& window) {
  auto* own = dynamic_cast<Window*>(&window);
  return own != nullptr ? own->CloseForQuit() : window.close();
}

// Closes every open window, the frontmost first (each window's Close event runs), then asks the
// application to quit. A window that stays open keeps the program running; a sheet goes.
void QuitProgram() {
  for (QWidget* window : OpenWindows()) {
    if (!CloseForQuit(*window)) return;
  }
  if (Application* application = Application::Instance()) application->Quit(0);
}

bool RunFrameworkCommand(MenuCommand command) {
  if (command == MenuCommand::None) return false;
  if (command == MenuCommand::Quit) {
    QuitProgram();
    return true;
  }
  return EditFocusedText(command);
}

bool RunWindowHandlers(const std::string& name) {
  for (QWidget* shown : OpenWindows()) {
    const auto* window = dynamic_cast<const Window*>(shown);
    if (window == nullptr) continue;
    if (const Window::MenuHandler* handler = window->MenuHandlerFor(name);
        handler != nullptr && (*handler)()) {
      return true;
    }
  }
  return false;
}

bool RunApplicationHandler(const std::string& name) {
  const Application* application = Application::Instance();
  if (application == nullptr) return false;
  const Application::MenuHandler* handler = application->MenuHandlerFor(name);
  return handler != nullptr && (*handler)();
}

void ChooseItem(MenuItem& item) {
  const std::string name = item.Name();
  if (item.Event_Action()) return;
  if (RunFocusedControlMenuHandler(name)) return;
  if (RunWindowHandlers(name)) return;
  if (RunApplicationHandler(name)) return;
  RunFrameworkCommand(item.Command());
}

// Nothing the item runs may end the program unseen: an error that escapes is shown and the
// program goes on.
void ChooseItemReportingErrors(MenuItem& item) {
  try {
    ChooseItem(item);
  } catch (const std::exception& error) {
    MsgBox(std::string("An unexpected error occurred: ") + error.what(), kCautionIcon, "Error");
  } catch (...) {
    MsgBox("An unexpected error occurred.", kCautionIcon, "Error");
  }
}

// Brings the bar's enabling up to date when the control it watches is enabled or disabled.
class EnabledChangeWatcher : public QObject {
 public:
  EnabledChangeWatcher(QWidget& control, MenuBar& bar) : QObject(&control), bar_(&bar) {
    control.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::EnabledChange && !bar_.isNull()) bar_->UpdateEnabling();
    return QObject::eventFilter(watched, event);
  }

 private:
  QPointer<MenuBar> bar_;
};

// The program's menu bars stay in their windows: Qt is told so before it makes the first one, so
// it does not look for a menu bar of the desktop to put them in (on Linux a message to the
// session bus that can take milliseconds).
QWidget* InWindowMenuBars(QWidget* parent) {
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  return parent;
}

}  // namespace

MenuBar::MenuBar(std::span<const MenuRow> rows, QWidget* parent) : QMenuBar(InWindowMenuBars(parent)) {
  setNativeMenuBar(false);
  for (const MenuRow& row : rows) {
    if (row.menu.empty()) {
      AddMenu(row);
    } else {
      AddItem(row);
    }
  }
  // The front window decides which windows' handlers a choice reaches and what is enabled.
  if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(gui, &QGuiApplication::focusWindowChanged, this, [this] { UpdateEnabling(); });
  }
}

void MenuBar::AddMenu(const MenuRow& row) {
  QMenu* menu = addMenu(Text(row.text));
  menu->setObjectName(Text(row.name));
  menu->menuAction()->setObjectName(Text(row.name));
  connect(menu, &QMenu::aboutToShow, this, [this] { UpdateEnabling(); });
}

void MenuBar::AddItem(const MenuRow& row) {
  QMenu* menu = Menu(row.menu);
  if (menu == nullptr) throw NilObjectException("no menu " + row.menu + " for " + row.name);
  auto* item = new MenuItem(row, menu);
  menu->addAction(item);
  Connect(item);
}

void MenuBar::Connect(MenuItem* item) {
  connect(item, &QAction::triggered, this, [item] { ChooseItemReportingErrors(*item); });
}

QAction* MenuBar::Item(const std::string& name) const {
  if (name.empty()) return nullptr;
  return findChild<QAction*>(Text(name));
}

QMenu* MenuBar::Menu(const std::string& name) const {
  if (name.empty()) return nullptr;
  return findChild<QMenu*>(Text(name));
}

void MenuBar::Insert(const std::string& menuName, int position, MenuItem* item) {
  QMenu* menu = Menu(menuName);
  if (menu == nullptr) throw NilObjectException("no menu " + menuName);
  item->setParent(menu);
  const QList<QAction*> items = menu->actions();
  QAction* before = position >= 0 && position < items.size() ? items.at(position) : nullptr;
  menu->insertAction(before, item);
  Connect(item);
}

void MenuBar::UpdateEnabling() {
  // MenuItem has no meta-object of its own, so Qt's casts would take every action for one.
  for (QAction* action : findChildren<QAction*>()) {
    if (auto* item = dynamic_cast<MenuItem*>(action)) item->setEnabled(item->AutoEnable());
  }
  EnableFocusedControlMenuItems();
  if (Application* application = Application::Instance()) application->EnableMenuItems();
}

void MenuBar::UpdateEnablingWhenEnabledChanges(QWidget& control) { new EnabledChangeWatcher(control, *this); }

QAction* FindMenuItem(const std::string& name) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
  for (QWidget* widget : QApplication::allWidgets()) {
    if (const auto* bar = dynamic_cast<const MenuBar*>(widget)) {
      if (QAction* item = bar->Item(name)) return item;
    }
  }
  return nullptr;
}

namespace {

// Adds to window the items with a shortcut of the menu bars in the program's other shown windows
// that serve says it takes.
void ServeShortcutsIn(QWidget& window, const std::function<bool(const MenuItem&)>& serve) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
  for (QWidget* widget : QApplication::allWidgets()) {
    const auto* bar = dynamic_cast<const MenuBar*>(widget);
    if (bar == nullptr || bar->window() == bar || bar->window() == &window || !bar->window()->isVisible()) {
      continue;
    }
    for (QAction* action : bar->findChildren<QAction*>()) {
      const auto* item = dynamic_cast<MenuItem*>(action);
      if (item != nullptr && !action->shortcut().isEmpty() && serve(*item)) window.addAction(action);
    }
  }
}

}  // namespace

void ServeMenuShortcutsIn(QWidget& window) {
  ServeShortcutsIn(window, [](const MenuItem&) { return true; });
}

void ServeQuitShortcutIn(QWidget& window) {
  ServeShortcutsIn(window, [](const MenuItem& item) { return item.Command() == MenuCommand::Quit; });
}
