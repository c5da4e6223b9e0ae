#pragma once

#include <QImage>
#include <QPoint>
#include <Qt>
#include <functional>
#include <string>

class QComboBox;
class QMenuBar;
class QWidget;

// Window tests act as a person does: events go to the window's handle at a point in the window,
// and the window finds the control under that point, so a control lying above another takes the
// click. Waits end as soon as their condition holds, never after a fixed sleep.

// Waits until the window, shown, can take input; false when it never could.
bool WaitExposed(QWidget& window);
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
// Picks row of popup, one of window's controls, as a person does: a click on the popup opens its
// list, a click on the row (scrolled into view) picks it and closes the list. False when the list
// did not open or close.
bool ChoosePopupRow(QWidget& window, QComboBox& popup, int row);
// Opens the list of popup, one of window's controls, with a click on the popup, as a person does.
// The window that shows the list, which takes the keys while it is open; nullptr when the list did
// not open.
QWidget* OpenPopupList(QWidget& window, QComboBox& popup);
// Opens the popup's list with a click, moves one row down in it and presses key there, as a person
// does, then lets the events that follow be handled; false when the list never opened or never
// closed.
bool PressInPopupList(QWidget& window, QComboBox& popup, Qt::Key key);
// The keys a person presses in an open popup's list with PressInPopupList, from row 0, and the row
// the popup shows after: Return and Enter choose the row the list is on, Escape closes the list
// without a choice.
struct PopupListKey {
  const char* name;
  Qt::Key key;
  int chosen;
};
inline constexpr PopupListKey kPopupListKeys[] = {
    {"Return", Qt::Key_Return, 1}, {"Enter", Qt::Key_Enter, 1}, {"Escape", Qt::Key_Escape, 0}};
// Opens the menu of that name in bar, the menu bar window shows, with a click on its title; false
// when it did not open.
bool OpenMenu(QWidget& window, QMenuBar& bar, const std::string& menuName);
// Chooses the item of that name in the open menu of that name with a click; false when the menu
// did not close.
bool ClickMenuItem(QMenuBar& bar, const std::string& menuName, const std::string& itemName);
// Closes the open menus of bar without choosing anything.
void CloseMenus(QMenuBar& bar);
// A close request from the windowing system to the window's handle, as the window manager sends
// one when the person asks it to close the window (a close box, a key of its own).
void CloseFromTheWindowingSystem(QWidget& window);
// A key pressed and released in the window.
void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Deletes the windows whose Close has run, as the event loop would once control is back in it.
void DeleteClosedWindows();
// Lets the event loop run until condition holds or timeoutMs passed; whether it held.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 30000);

// Saves a picture of window as fileName in the folder ATOMNOTE_TEST_KEEP names, for a look by
// hand; does nothing when the variable is unset.
void KeepScreenshot(QWidget& window, const std::string& fileName);
