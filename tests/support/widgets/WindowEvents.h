#pragma once

#include <QPoint>
#include <Qt>
#include <functional>
#include <string>

class QComboBox;
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
// The pointer moved to point, no button held.
void MoveTo(QWidget& window, QPoint point);
// Picks row of popup, one of window's controls, as a person does: a click on the popup opens its
// list, a click on the row (scrolled into view) picks it and closes the list. False when the list
// did not open or close.
bool ChoosePopupRow(QWidget& window, QComboBox& popup, int row);
// A key pressed and released in the window.
void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Lets the event loop run until condition holds or timeoutMs passed; whether it held.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);

// Saves a picture of window as fileName in the folder ATOMNOTE_TEST_KEEP names, for a look by
// hand; does nothing when the variable is unset.
void KeepScreenshot(QWidget& window, const std::string& fileName);
