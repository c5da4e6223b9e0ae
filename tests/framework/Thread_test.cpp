#include "framework/Thread.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <functional>

#include "framework/Yield.h"
#include "support/ScopedTimeSlice.h"

namespace {

class RecordingThread : public Thread {
 public:
  explicit RecordingThread(std::function<void()> body) : body_(std::move(body)) {}

 protected:
  void Event_Run() override { body_(); }

 private:
  std::function<void()> body_;
};

// Runs the event loop until quit(), at most half a minute.
void RunEventLoopBriefly(QEventLoop& loop) {
  QTimer::singleShot(30000, &loop, &QEventLoop::quit);
  loop.exec();
}

TEST(ThreadTest, RunStartsOnTheNextTurnOfTheEventLoop) {
  QEventLoop loop;
  bool ran = false;
  auto thread = std::make_shared<RecordingThread>([&] {
    ran = true;
    loop.quit();
  });

  thread->Run();
  EXPECT_FALSE(ran);  // not inside Run
  EXPECT_TRUE(thread->IsRunning());
  RunEventLoopBriefly(loop);

  EXPECT_TRUE(ran);
  EXPECT_FALSE(thread->IsRunning());
}

TEST(ThreadTest, ThreadKeepsItselfAliveUntilItsRunEnds) {
  QEventLoop loop;
  bool ran = false;
  std::weak_ptr<Thread> watcher;
  {
    auto thread = std::make_shared<RecordingThread>([&] {
      ran = true;
      loop.quit();
    });
    watcher = thread;
    thread->Run();
  }
  EXPECT_FALSE(watcher.expired());
  RunEventLoopBriefly(loop);
  QCoreApplication::processEvents();  // let the finished run let go

  EXPECT_TRUE(ran);
  EXPECT_TRUE(watcher.expired());
}

TEST(ThreadTest, YieldInsideARunLetsOtherEventsThrough) {
  const ScopedTimeSlice everyYield(std::chrono::milliseconds(0));
  QEventLoop loop;
  int timerTicks = 0;
  int ticksSeenByTheRun = -1;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++timerTicks; });
  timer.start(0);
  auto thread = std::make_shared<RecordingThread>([&] {
    int before = timerTicks;
    for (int i = 0; i < 50; ++i) Yield();
    ticksSeenByTheRun = timerTicks - before;
    loop.quit();
  });

  thread->Run();
  RunEventLoopBriefly(loop);

  EXPECT_GT(ticksSeenByTheRun, 0);
}

// Handling the events at every yield would cost a loop of small steps more than its steps; never
// handling them again would freeze the windows. A slice far longer than the burst takes, however
// slow the machine, keeps the burst inside one slice; then a short one must end.
TEST(ThreadTest, YieldHandsTheTurnOnOncePerTimeSlice) {
  const ScopedTimeSlice longSlice(std::chrono::hours(1));
  QEventLoop loop;
  int timerTicks = 0;
  int ticksInABurst = -1;
  bool turnCameAgain = false;
  qint64 msUntilTheTurnCameAgain = -1;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++timerTicks; });
  timer.start(0);
  auto thread = std::make_shared<RecordingThread>([&] {
    QElapsedTimer sinceTheSliceBegan;
    sinceTheSliceBegan.start();
    const int before = timerTicks;
    for (int i = 0; i < 1000; ++i) Yield();  // the first one begins the slice
    ticksInABurst = timerTicks - before;
    SetTimeSliceForTesting(std::chrono::milliseconds(20));
    while (timerTicks - before <= ticksInABurst && sinceTheSliceBegan.elapsed() < 10000) Yield();
    turnCameAgain = timerTicks - before > ticksInABurst;
    msUntilTheTurnCameAgain = sinceTheSliceBegan.elapsed();
    loop.quit();
  });

  thread->Run();
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  loop.exec();

  EXPECT_LE(ticksInABurst, 1);
  EXPECT_TRUE(turnCameAgain);
  EXPECT_GE(msUntilTheTurnCameAgain, 20);
}

TEST(YieldTest, DoesNothingWhereNoEventLoopRuns) {
  bool delivered = false;
  QTimer::singleShot(0, [&] { delivered = true; });
  Yield();
  EXPECT_FALSE(delivered);
  QCoreApplication::processEvents();
  EXPECT_TRUE(delivered);
}

}  // namespace
