#include "support/widgets/WindowEvents.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

bool ShowAndWaitExposed(QWidget& window) {
  window.show();
  return QTest::qWaitForWindowExposed(&window);
}

void ClickAt(QWidget& window, QPoint point, Qt::MouseButton button) {
  QTest::mouseClick(window.windowHandle(), button, Qt::NoModifier, point);
}

void ClickControl(QWidget& window, const QWidget& control, Qt::MouseButton button) {
  ClickAt(window, control.mapTo(&window, control.rect().center()), button);
}

void PressAt(QWidget& window, QPoint point, Qt::MouseButton button) {
  QTest::mousePress(window.windowHandle(), button, Qt::NoModifier, point);
}

void ReleaseAt(QWidget& window, QPoint point, Qt::MouseButton button) {
  QTest::mouseRelease(window.windowHandle(), button, Qt::NoModifier, point);
}

void MoveTo(QWidget& window, QPoint point) { QTest::mouseMove(window.windowHandle(), point); }

void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(window.windowHandle(), key, modifiers);
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  return QTest::qWaitFor(condition, timeoutMs);
}
