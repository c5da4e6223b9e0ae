#include "framework/MessageSink.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace {

TEST(MessageSinkTest, BothFormsReachTheInstalledSink) {
  ScopedRecordingSink sink;
  MsgBox("Thank you!");
  MsgBox("Error #703: Generic setup error.", 48, "Error");

  ASSERT_EQ(sink.messages().size(), 2u);
  EXPECT_EQ(sink.messages()[0].text, "Thank you!");
  EXPECT_EQ(sink.messages()[0].icon, 0);
  EXPECT_EQ(sink.messages()[0].title, "");
  EXPECT_EQ(sink.messages()[1].icon, 48);
  EXPECT_EQ(sink.messages()[1].title, "Error");
}

}  // namespace
