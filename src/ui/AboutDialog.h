#pragma once

#include "framework/widgets/Window.h"

class Canvas;
class QLabel;
class QPushButton;
class Timer;

// The About window: black, the maker's logo and the product icon, the product's title and
// tagline and the credits. "Okay", Return, the close box and a click on the background close it;
// a click on the hidden spot in its lower-left corner shows the build information in place of
// the credits. One instance at a time, reached through AboutDialog(); closing it ends the
// instance, so the credits come back the next time.
class AboutDialog : public Window {
 public:
  AboutDialog();

  // The controls, in creation order.
  QPushButton& PushButton1() const;     // "Okay"
  Timer& Timer1() const;                // closes the window when it fires; off, and nothing starts it
  Canvas& Canvas1() const;              // the maker's logo
  QLabel& StaticText3() const;          // "TM", on the logo
  QLabel& StaticText2() const;          // the title
  QLabel& languageModeDisplay() const;  // the tagline
  Canvas& Canvas2() const;              // the product icon
  QLabel& StaticText1() const;          // the credits or the build information
  Canvas& Canvas3() const;              // the hidden spot

  void PushButton1_Action();
  void Timer1_Action();
  // Takes the click, so the spot gets its release.
  bool Canvas3_MouseDown(int x, int y);
  // Shows the two lines of build information in place of the credits.
  void Canvas3_MouseUp(int x, int y);

 protected:
  // Writes the title and the credits.
  void Event_Open() override;
  // A press on the window's background, off every control: closes the window.
  bool Event_MouseDown(int x, int y);
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void ConnectHandlers();
};

// The one instance; the first use (and the first after a close) builds it. Callers show it.
class AboutDialog& AboutDialog();
