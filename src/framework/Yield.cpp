#include "framework/Yield.h"

#include <QCoreApplication>
#include <QThread>

void Yield() {
  // Only where an event loop runs: outside one there is nothing to hand the turn to.
  if (QCoreApplication::instance() == nullptr) return;
  if (QThread::currentThread()->loopLevel() == 0) return;
  QCoreApplication::processEvents();
}
