#pragma once

#include <QRect>

#include "framework/widgets/Canvas.h"

// The round help button. It draws itself normal, pressed while a click that started on it is
// held and the pointer has not left it since, and inactive while the main window is inactive; a
// click released on it shows the help window, whether or not the pointer left it on the way.
class HelpButtonClass : public Canvas {
 public:
  explicit HelpButtonClass(QWidget* parent = nullptr);
  // Makes one as a control of a window's table of controls.
  static QWidget* Make(QWidget* parent);

  // True while the click that started on the button is held and the pointer has not left the
  // button since.
  bool mouseButtonDown = false;

  // The button's looks, numbered as the drawing states of a themed button.
  enum class ThemeState { Inactive = 0, Active = 1, Pressed = 2 };
  // The look the button has now: inactive while the main window is, else pressed or not.
  ThemeState DrawnState() const;
  // Where the button is drawn, in its own coordinates: 1 pixel in from its top and left edges,
  // 2 from its bottom and right ones (left 21 to 43, top 564 to 586 of a 25 x 25 button at 20,
  // 563 of its window; the right and bottom edges lie outside).
  QRect DrawRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The button's own events, the canvas's handlers.
  void Event_Paint(QPainter& g);
  bool Event_MouseDown(int x, int y);
  void Event_MouseDrag(int x, int y);
  void Event_MouseUp(int x, int y);
  void Event_MouseExit();

  // Inside the control: x = width or y = height is already outside.
  bool Inside(int x, int y) const;
};
