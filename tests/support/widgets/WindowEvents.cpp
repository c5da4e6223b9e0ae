#include "support/widgets/WindowEvents.h"

#include <gtest/gtest.h>

#include <QPixmap>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <filesystem>
#include <optional>

#include "support/KeepFolder.h"

#include "framework/widgets/Window.h"

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

bool ShowAndWaitExposed(QWidget& window) {
  window.show();
  return QTest::qWaitForWindowExposed(&window);
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

QImage KeepScreenshot(QWidget& window, const std::string& name) {
  const QImage shot = window.grab().toImage();
  if (const std::optional<std::filesystem::path> keep = KeepFolder()) {
    const std::filesystem::path file = *keep / (name + ".png");
    EXPECT_TRUE(shot.save(QString::fromStdString(file.string()))) << file;
  }
  return shot;
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  return QTest::qWaitFor(condition, timeoutMs);
}
