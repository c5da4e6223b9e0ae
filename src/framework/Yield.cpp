#include "framework/Yield.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace {

std::chrono::milliseconds timeSlice = kTimeSlice;
// Since the turn was last handed on; invalid before the first time.
QElapsedTimer sinceLastTurn;

}  // namespace

void Yield() {
  // Only where an event loop runs: outside one there is nothing to hand the turn to.
  if (QCoreApplication::instance() == nullptr) return;
  if (QThread::currentThread()->loopLevel() == 0) return;
  // A loop that yields after every small step hands the turn on once its slice is used up, not
  // at every step: handling the events costs more than most steps.
  if (sinceLastTurn.isValid() && sinceLastTurn.elapsed() < timeSlice.count()) return;
  QCoreApplication::processEvents();
  sinceLastTurn.start();
}

std::chrono::milliseconds SetTimeSliceForTesting(std::chrono::milliseconds slice) {
  const std::chrono::milliseconds previous = timeSlice;
  timeSlice = slice;
  return previous;
}

void RestartTimeSliceForTesting() { sinceLastTurn.invalidate(); }
