#pragma once

#include <QPoint>
#include <string>
#include <vector>

// A person at the X display: real pointer movements, clicks and key presses (xdotool, through
// the X server's test extension), as a mouse and keyboard would send them.
class PersonAtScreen {
 public:
  explicit PersonAtScreen(std::string displayName) : displayName_(std::move(displayName)) {}

  // Moves the pointer to the point of the screen and clicks the left button; whether xdotool
  // did so.
  bool ClickAt(QPoint screenPoint) const;
  // Moves the pointer there and turns the mouse wheel down by that many notches.
  bool ScrollDown(QPoint screenPoint, int notches) const;
  // Gives the window the keyboard focus and types the keys, xdotool's names one after another
  // ("Tab space", "ctrl+q").
  bool TypeInto(unsigned long window, const std::string& keys) const;
  // Types the keys into whatever takes the keyboard now: the window with the focus, or an open
  // popup that holds the keyboard.
  bool Type(const std::string& keys) const;

 private:
  bool Run(const std::vector<std::string>& arguments) const;

  std::string displayName_;
};
