#include "framework/Thread.h"

#include <QCoreApplication>
#include <QTimer>
#include <exception>
#include <iostream>

void Thread::Run() {
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr || running_) return;
  running_ = true;
  // The queued call holds the thread, so it lives until its run has ended even when nobody else
  // keeps it; then it lets go.
  QTimer::singleShot(0, application, [self = shared_from_this()]() mutable {
    self->RunOnce();
    self.reset();
  });
}

void Thread::RunOnce() {
  // A failure the body did not handle itself ends the run; it must not unwind through the event
  // loop.
  try {
    Event_Run();
  } catch (const std::exception& error) {
    std::cerr << "Unhandled error in a thread: " << error.what() << '\n';
  } catch (...) {
    std::cerr << "Unhandled error in a thread\n";
  }
  running_ = false;
}
