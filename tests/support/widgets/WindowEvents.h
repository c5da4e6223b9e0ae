#pragma once

#include <QImage>
#include <QPoint>
#include <Qt>
#include <functional>
#include <string>

class QWidget;

// Window tests act as a person does: events go to the window's handle at a point in the window,
// and the window finds the control under that point, so a control lying above another takes the
// click. Waits end as soon as their condition holds, never after a fixed sleep.

// Shows the window and waits until it can take input; false when it never could.
bool ShowAndWaitExposed(QWidget& window);
// A click of button at point, in the coordinates of the window's content area (of the window
// itself when it is not one of the program's designed windows).
void ClickAt(QWidget& window, QPoint point, Qt::MouseButton button = Qt::LeftButton);
// A click at the centre of control, one of the window's controls.
void ClickControl(QWidget& window, const QWidget& control, Qt::MouseButton button = Qt::LeftButton);
// The two halves of a click, for a press in one place and a release in another (points as for
// ClickAt).
void PressAt(QWidget& window, QPoint point, Qt::MouseButton button = Qt::LeftButton);
void ReleaseAt(QWidget& window, QPoint point, Qt::MouseButton button = Qt::LeftButton);
// The pointer moved to point; while a press is held, a drag.
void MoveTo(QWidget& window, QPoint point);
// A key pressed and released in the window.
void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The window as it shows now, kept as name.png in the folder ATOMNOTE_TEST_KEEP names (when it
// names one) for a look by hand; the picture kept.
QImage KeepScreenshot(QWidget& window, const std::string& name);
// Lets the event loop run until condition holds or timeoutMs passed; whether it held.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
