#include "framework/Timer.h"

#include <algorithm>

Timer::Timer(QObject* parent) : QObject(parent) {
  timer_.setInterval(1000);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { Fire(); });
}

void Timer::SetMode(int mode) {
  timer_.stop();
  mode_ = mode == kModeSingle || mode == kModeMultiple ? mode : kModeOff;
  if (mode_ == kModeOff) return;
  timer_.setSingleShot(mode_ == kModeSingle);
  timer_.start();
}

void Timer::SetPeriod(int milliseconds) {
  timer_.setInterval(std::max(milliseconds, 0));
  if (mode_ != kModeOff) timer_.start();
}

void Timer::Fire() {
  // A one-shot timer is off once it has fired, before its Action runs, so the Action may set it
  // again.
  if (mode_ == kModeSingle) mode_ = kModeOff;
  if (action_) action_();
}
