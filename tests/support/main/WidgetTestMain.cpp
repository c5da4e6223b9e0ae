#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "support/EveryTestStartsAfresh.h"

// Every test program of windows runs with a widget application object, headless, and no event
// loop running unless a test starts one.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  StartEveryTestAfresh();
  return RUN_ALL_TESTS();
}
