#pragma once

#include <string>

#include "framework/widgets/Window.h"

class QCloseEvent;
class QLabel;
class QProgressBar;

// The movable-modal window that shows an install or a removal is running: a one-line label
// ("StaticText1") and a progress bar ("ProgressBar1"). It has one instance at a time, reached
// through progressWindow(); Close ends the instance and the next use builds a fresh one in its
// design state.
class progressWindow : public Window {
 public:
  progressWindow();

  // Sets the window's title, then the label's text.
  void displayTexts(const std::string& title, const std::string& text);
  // The bar's maximum (0: none yet, the bar shows activity only) and its value; the value is
  // drawn at the next turn of the event loop.
  void SetProgressMaximum(int maximum);
  void SetProgressValue(int value);

  QLabel& StaticText1() const;
  QProgressBar& ProgressBar1() const;
  // Hides the window and ends this instance.
  void Close();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void EndInstance();
};

// The one instance; the first use (and the first after a Close) creates it in its design state,
// shown.
class progressWindow& progressWindow();
// True while an instance exists (shown or not).
bool progressWindowExists();
// Closes the instance when it is the program's frontmost window; otherwise (none open, or another
// window in front of it) does nothing and opens none.
void CloseProgressWindowIfInFront();
