#include "support/widgets/WindowEvents.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QSpontaneKeyEvent>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <filesystem>
#include <optional>

#include "framework/widgets/Window.h"
#include "support/KeepFolder.h"

namespace {

// A click at a point of the window's handle, in the window's own coordinates (a menu bar, when
// the window shows one, lies above the content area).
void ClickAtWindowPoint(QWidget& window, QPoint point, Qt::MouseButton button) {
  QTest::mouseClick(window.windowHandle(), button, Qt::NoModifier, point);
}

// The point of the window's handle for a point of its content area.
QPoint WindowPoint(const QWidget& window, QPoint content) {
  if (const auto* designed = dynamic_cast<const Window*>(&window))
    return designed->ContentArea().mapTo(&window, content);
  return content;
}

}  // namespace

bool WaitExposed(QWidget& window) { return QTest::qWaitForWindowExposed(&window, 30000); }

bool ShowAndWaitExposed(QWidget& window) {
  window.show();
  return WaitExposed(window);
}

void ClickAt(QWidget& window, QPoint point, Qt::MouseButton button) {
  ClickAtWindowPoint(window, WindowPoint(window, point), button);
}

void ClickControl(QWidget& window, const QWidget& control, Qt::MouseButton button) {
  ClickAtWindowPoint(window, control.mapTo(&window, control.rect().center()), button);
}

void PressAt(QWidget& window, QPoint point, Qt::MouseButton button) {
  QTest::mousePress(window.windowHandle(), button, Qt::NoModifier, WindowPoint(window, point));
}

void ReleaseAt(QWidget& window, QPoint point, Qt::MouseButton button) {
  QTest::mouseRelease(window.windowHandle(), button, Qt::NoModifier, WindowPoint(window, point));
}

void MoveTo(QWidget& window, QPoint point) {
  QTest::mouseMove(window.windowHandle(), WindowPoint(window, point));
}

void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(window.windowHandle(), key, modifiers);
}

void CloseFromTheWindowingSystem(QWidget& window) {
  QCloseEvent request;
  QSpontaneKeyEvent::setSpontaneous(&request);
  QCoreApplication::sendEvent(window.windowHandle(), &request);
}

void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  return QTest::qWaitFor(condition, timeoutMs);
}

bool ChoosePopupRow(QWidget& window, QComboBox& popup, int row) {
  QAbstractItemView* list = popup.view();
  ClickControl(window, popup);
  if (!WaitFor([list] { return list->isVisible(); })) return false;
  const QModelIndex index = popup.model()->index(row, popup.modelColumn());
  list->scrollTo(index);
  QWidget* area = list->viewport();
  QWidget* listWindow = area->window();
  QTest::mouseClick(listWindow->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    area->mapTo(listWindow, list->visualRect(index).center()));
  return WaitFor([list] { return !list->isVisible(); });
}

QWidget* OpenPopupList(QWidget& window, QComboBox& popup) {
  QAbstractItemView* list = popup.view();
  ClickControl(window, popup);
  if (!WaitFor([list] { return list->isVisible(); })) return nullptr;
  return list->window();
}

bool PressInPopupList(QWidget& window, QComboBox& popup, Qt::Key key) {
  QWidget* list = OpenPopupList(window, popup);
  if (list == nullptr) return false;
  PressKey(*list, Qt::Key_Down);
  PressKey(*list, key);
  const bool closed = WaitFor([&popup] { return !popup.view()->isVisible(); });
  QCoreApplication::processEvents();
  return closed;
}

void KeepScreenshot(QWidget& window, const std::string& fileName) {
  const auto keep = KeepFolder();
  if (!keep) return;
  const QString path = QString::fromStdString((*keep / fileName).string());
  EXPECT_TRUE(window.grab().save(path)) << "cannot save " << path.toStdString();
}

namespace {

QMenu* MenuNamed(const QMenuBar& bar, const std::string& name) {
  return bar.findChild<QMenu*>(QString::fromStdString(name));
}

}  // namespace

bool OpenMenu(QWidget& window, QMenuBar& bar, const std::string& menuName) {
  QMenu* menu = MenuNamed(bar, menuName);
  if (menu == nullptr) return false;
  // The bar lies above a designed window's content area: the click goes to the window's handle
  // at the title's place in the window itself.
  const QPoint title = bar.mapTo(&window, bar.actionGeometry(menu->menuAction()).center());
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, title);
  return WaitFor([menu] { return menu->isVisible(); });
}

bool ClickMenuItem(QMenuBar& bar, const std::string& menuName, const std::string& itemName) {
  QMenu* menu = MenuNamed(bar, menuName);
  if (menu == nullptr || !menu->isVisible()) return false;
  for (QAction* item : menu->actions()) {
    if (item->objectName() != QString::fromStdString(itemName)) continue;
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      menu->actionGeometry(item).center());
    return WaitFor([menu] { return !menu->isVisible(); });
  }
  return false;
}

void CloseMenus(QMenuBar& bar) {
  bar.setActiveAction(nullptr);
  WaitFor([&bar] {
    for (const QMenu* menu : bar.findChildren<QMenu*>()) {
      if (menu->isVisible()) return false;
    }
    return true;
  });
}
