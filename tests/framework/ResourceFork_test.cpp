#include "framework/ResourceFork.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace {

TEST(ResourceForkTest, CompiledResourceFileHasNothingUnderAnUnusedNumber) {
  std::shared_ptr<ResourceFork> fork = ApplicationResourceFork();
  ASSERT_NE(fork, nullptr);
  EXPECT_FALSE(fork->GetResource("TEXT", 177).has_value());
  EXPECT_EQ(fork->GetPicture(1), nullptr);
}

TEST(ResourceForkTest, TestSeamReplacesAndRestoresTheResourceFile) {
  {
    ScopedResourceFork none(nullptr);
    EXPECT_EQ(ApplicationResourceFork(), nullptr);
  }
  EXPECT_NE(ApplicationResourceFork(), nullptr);
}

}  // namespace
