#include "support/EveryTestStartsAfresh.h"

#include <gtest/gtest.h>

#include "framework/Yield.h"

namespace {

class StartsAfresh : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    SetTimeSliceForTesting(kTimeSlice);
    RestartTimeSliceForTesting();
  }
};

}  // namespace

void StartEveryTestAfresh() { ::testing::UnitTest::GetInstance()->listeners().Append(new StartsAfresh); }
