#pragma once

#include <QPointer>

// The one instance of a window class that the class's accessor hands out: built on first use and
// built afresh, from the design values, on the first use after it ended. A window ends its
// instance when it closes.
template <typename W>
class WindowInstance {
 public:
  W& Get() {
    if (instance_.isNull()) instance_ = new W();
    return *instance_;
  }
  bool Exists() const { return !instance_.isNull(); }

  // Ends window's time as the instance: the next Get builds a new one at once. The window is
  // deleted once control is back in the event loop, as its caller may still be using it.
  void End(W* window) {
    if (instance_ == window) instance_ = nullptr;
    window->deleteLater();
  }

 private:
  QPointer<W> instance_;
};
