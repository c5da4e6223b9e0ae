#include "framework/Gestalt.h"

#include <gtest/gtest.h>

namespace {

TEST(GestaltTest, HostAnswersSystemVersionOnly) {
  int32_t response = 0;
  ASSERT_EQ(Gestalt("sysv", response), noErr);
  EXPECT_GE(response, 0x1040);
  EXPECT_EQ(Gestalt("cpuf", response), gestaltUndefSelectorErr);
}

TEST(GestaltTest, TestAnswerReplacesTheHostUntilRemoved) {
  SetGestaltForTesting([](const std::string&, int32_t&) -> OSErr { return -1; });
  int32_t response = 0;
  EXPECT_EQ(Gestalt("sysv", response), -1);
  SetGestaltForTesting(nullptr);
  EXPECT_EQ(Gestalt("sysv", response), noErr);
}

}  // namespace
