#pragma once

#include <QWidget>
#include <string>

#include "framework/Exceptions.h"

// A window of the program: a top-level Qt widget whose controls are reached by their names (the
// Qt object name of each control).
class Window : public QWidget {
 public:
  explicit Window(QWidget* parent = nullptr);

  // The control of that name; nullptr when the window has none.
  QWidget* Control(const std::string& name) const;
  // The control of that name as the kind the caller expects; raises NilObjectException when
  // there is no such control or it is of another kind.
  template <typename Kind>
  Kind& ControlAs(const std::string& name) const {
    auto* control = qobject_cast<Kind*>(Control(name));
    if (control == nullptr) throw NilObjectException("no control named " + name);
    return *control;
  }

  std::string Title() const;
  void SetTitle(const std::string& title);

  // Shows the window (without waiting) and brings it to the front. The first Show runs the
  // window's Open event.
  void Show();
  // Redraws the window; at once when immediately is true.
  void Refresh(bool immediately);

 protected:
  // Runs once, right after the window is first shown.
  virtual void Event_Open() {}
  // Runs when the window is closed (by the person or by close()).
  virtual void Event_Close() {}

  // Keeps the program's front-to-back order of windows when the windowing system activates one.
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool opened_ = false;
};

// The program's frontmost window (the active window, else the topmost visible one); nullptr when
// none is shown.
QWidget* FrontmostWindow();
