#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

#include "support/EveryTestStartsAfresh.h"

// Every test program runs with a Qt application object, headless, and no event loop running
// unless a test starts one. Test programs of code without windows have no widget application.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  StartEveryTestAfresh();
  return RUN_ALL_TESTS();
}
