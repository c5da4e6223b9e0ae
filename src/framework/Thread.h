#pragma once

#include <memory>

// A cooperative thread: Run queues Event_Run to start on the next turn of the event loop, on the
// user-interface thread, and the run switches to other work only where it calls Yield. No locks
// are needed and none are taken. A running thread keeps itself alive until Event_Run returns.
class Thread : public std::enable_shared_from_this<Thread> {
 public:
  virtual ~Thread() = default;

  // Must be called on a thread owned by a std::shared_ptr. Without an application object the
  // run cannot be queued and nothing happens.
  void Run();
  bool IsRunning() const { return running_; }

 protected:
  virtual void Event_Run() = 0;

 private:
  void RunOnce();

  bool running_ = false;
};
