#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

// What an install or a removal shows of its progress: a movable-modal window with a title, one
// line of text and a bar. The program puts the progress window in place at start; the code that
// installs and removes talks to it only through this display, so it needs no window code.
// Until a display is put in place nothing is shown.
class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;

  // True while a progress window exists (shown or not).
  virtual bool IsOpen() const = 0;
  // Opens the window in its design state when none is open, sets its title, then its text, and
  // draws it at once.
  virtual void Open(const std::string& title, const std::string& text) = 0;
  // The bar's maximum (0: no maximum yet, the bar shows activity only) and value; a window in
  // its design state is opened first when none is open.
  virtual void SetMaximum(int maximum) = 0;
  virtual void SetValue(int value) = 0;
  // Closes the window when one is open.
  virtual void Close() = 0;
  // Closes the window when it is the program's frontmost window; otherwise does nothing.
  virtual void CloseIfInFront() = 0;
};

// The display in use.
ProgressDisplay& CurrentProgressDisplay();
// Puts a display in place and returns the one it replaces (null: none shows anything).
std::shared_ptr<ProgressDisplay> SetProgressDisplay(std::shared_ptr<ProgressDisplay> display);

// Keeps the state a progress window would show, and every title and text it was given. A window
// it opens starts in the progress window's design state.
class RecordingProgressDisplay : public ProgressDisplay {
 public:
  static constexpr const char* kDesignTitle = "Installing...";
  static constexpr const char* kDesignText = "Installing Atomnote on iPod... allow up to 2 minutes.";

  bool IsOpen() const override { return open; }
  void Open(const std::string& newTitle, const std::string& newText) override;
  void SetMaximum(int newMaximum) override;
  void SetValue(int newValue) override;
  void Close() override { open = false; }
  void CloseIfInFront() override {
    if (inFront) open = false;
  }

  bool open = false;
  // Whether the window counts as the frontmost one (a test sets another window in front).
  bool inFront = true;
  std::string title;
  std::string text;
  int maximum = 0;
  int value = -1;  // a fresh bar shows no value
  // "title | text" of every Open, in order.
  std::vector<std::string> shown;
  // Every value set, in order.
  std::vector<int> values;
  // Runs after each value is set (for a test that looks at the program's state at that moment).
  std::function<void(int value)> onValue;

 private:
  void OpenInDesignState();
};
