#include "framework/Random.h"

#include <gtest/gtest.h>

namespace {

// Puts the generator back however the test ends.
struct RestoreGenerator {
  ~RestoreGenerator() { SetRandomForTesting(nullptr); }
};

TEST(RandomTest, DrawsFromZeroUpToButExcludingOne) {
  int below = 0;
  int above = 0;
  for (int i = 0; i < 10000; ++i) {
    const double u = Rnd();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
    (u < 0.5 ? below : above)++;
  }
  // Both halves come up about equally often.
  EXPECT_GT(below, 4500);
  EXPECT_GT(above, 4500);
}

TEST(RandomTest, ATestDrawReplacesTheGeneratorUntilItIsRemoved) {
  RestoreGenerator restore;
  SetRandomForTesting([] { return 0.25; });
  EXPECT_EQ(Rnd(), 0.25);
  EXPECT_EQ(Rnd(), 0.25);
  SetRandomForTesting(nullptr);
  const double first = Rnd();
  const double second = Rnd();
  EXPECT_NE(first, second);
}

}  // namespace
