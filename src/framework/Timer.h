#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// The framework's timer: its Action runs on the user-interface thread between other events.
// Mode 0 is off, 1 fires once Period milliseconds after it was set (and is off again after that),
// 2 fires every Period milliseconds. Setting the Mode, or the Period of a timer that is on, starts
// the count afresh.
class Timer : public QObject {
 public:
  static constexpr int kModeOff = 0;
  static constexpr int kModeSingle = 1;
  static constexpr int kModeMultiple = 2;

  // Off, with the framework's standard period of 1000 ms.
  explicit Timer(QObject* parent = nullptr);

  int Mode() const { return mode_; }
  // Any mode other than 1 and 2 switches the timer off.
  void SetMode(int mode);
  int Period() const { return timer_.interval(); }
  // Negative periods count as 0: the Action then runs as soon as the event loop is idle.
  void SetPeriod(int milliseconds);

  // What runs when the timer fires; replaces the one set before.
  void OnAction(std::function<void()> action) { action_ = std::move(action); }

 private:
  void Fire();

  QTimer timer_;
  int mode_ = kModeOff;
  std::function<void()> action_;
};
