#include "framework/Timer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <functional>

namespace {

// Runs the event loop until condition holds or half a minute has passed; whether it held.
bool RunUntil(const std::function<bool()>& condition) {
  const QDeadlineTimer deadline(30000);
  while (!condition() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  }
  return condition();
}

// A repeating timer of the same period as the timer under test, to let that one's chances to
// fire pass: after `ticks` of it, the timer under test would have fired as often.
class Ticks {
 public:
  explicit Ticks(int period) {
    reference_.SetPeriod(period);
    reference_.OnAction([this] { ++count_; });
    reference_.SetMode(Timer::kModeMultiple);
  }
  bool Wait(int ticks) {
    const int until = count_ + ticks;
    return RunUntil([&] { return count_ >= until; });
  }

 private:
  Timer reference_;
  int count_ = 0;
};

TEST(Timer, StartsOffWithTheStandardPeriod) {
  Timer timer;
  EXPECT_EQ(timer.Mode(), Timer::kModeOff);
  EXPECT_EQ(timer.Period(), 1000);
}

TEST(Timer, ModeOneFiresOnceAndIsThenOff) {
  Timer timer;
  int fired = 0;
  timer.OnAction([&] { ++fired; });
  timer.SetPeriod(10);
  timer.SetMode(Timer::kModeSingle);

  ASSERT_TRUE(RunUntil([&] { return fired == 1; }));
  EXPECT_EQ(timer.Mode(), Timer::kModeOff);
  ASSERT_TRUE(Ticks(10).Wait(5));
  EXPECT_EQ(fired, 1);
}

TEST(Timer, ModeTwoFiresUntilSwitchedOff) {
  Timer timer;
  int fired = 0;
  timer.OnAction([&] {
    if (++fired == 3) timer.SetMode(Timer::kModeOff);
  });
  timer.SetPeriod(10);
  timer.SetMode(Timer::kModeMultiple);

  ASSERT_TRUE(RunUntil([&] { return fired == 3; }));
  ASSERT_TRUE(Ticks(10).Wait(5));
  EXPECT_EQ(fired, 3);
}

// Mode 0 and any mode the framework does not know leave the timer off.
TEST(Timer, OffAndUnknownModesNeverFire) {
  for (const int mode : {0, 3, -1}) {
    SCOPED_TRACE(mode);
    Timer timer;
    int fired = 0;
    timer.OnAction([&] { ++fired; });
    timer.SetPeriod(5);
    timer.SetMode(Timer::kModeMultiple);
    timer.SetMode(mode);
    EXPECT_EQ(timer.Mode(), Timer::kModeOff);
    ASSERT_TRUE(Ticks(5).Wait(5));
    EXPECT_EQ(fired, 0);
  }
}

// A one-shot timer is off when its Action runs, so the Action can set it once more.
TEST(Timer, AOneShotActionCanSetItsTimerAgain) {
  Timer timer;
  int fired = 0;
  timer.OnAction([&] {
    if (++fired == 1) timer.SetMode(Timer::kModeSingle);
  });
  timer.SetPeriod(5);
  timer.SetMode(Timer::kModeSingle);

  ASSERT_TRUE(RunUntil([&] { return fired == 2; }));
  ASSERT_TRUE(Ticks(5).Wait(5));
  EXPECT_EQ(fired, 2);
  EXPECT_EQ(timer.Mode(), Timer::kModeOff);
}

// A new period of a running timer counts from the moment it is set: a long period set before the
// first tick keeps the timer from firing at the short one.
TEST(Timer, ANewPeriodCountsFromWhenItIsSet) {
  Timer timer;
  int fired = 0;
  timer.OnAction([&] { ++fired; });
  timer.SetPeriod(5);
  timer.SetMode(Timer::kModeMultiple);
  timer.SetPeriod(60000);

  ASSERT_TRUE(Ticks(5).Wait(5));
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(timer.Mode(), Timer::kModeMultiple);
}

}  // namespace
