#include "framework/Thread.h"

#include <QCoreApplication>
#include <QTimer>

void Thread::Run() {
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr || running_) return;
  running_ = true;
  // The queued call holds the thread, so it lives until its run has ended even when nobody else
  // keeps it.
  std::shared_ptr<Thread> self = shared_from_this();
  QTimer::singleShot(0, application, [self] {
    try {
      self->Event_Run();
    } catch (...) {
      self->running_ = false;
      throw;
    }
    self->running_ = false;
  });
}
