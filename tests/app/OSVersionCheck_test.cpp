#include <gtest/gtest.h>

#include <optional>

#include "app/AppMessages.h"
#include "app/Atomnote.h"
#include "framework/Gestalt.h"
#include "support/TestSupport.h"

namespace {

// Answers every "sysv" call with one value, or fails every call.
class ScopedSystemVersion {
 public:
  explicit ScopedSystemVersion(std::optional<int32_t> version) {
    SetGestaltForTesting([version](const std::string& selector, int32_t& response) -> OSErr {
      if (!version || selector != "sysv") return gestaltUndefSelectorErr;
      response = *version;
      return noErr;
    });
  }
  ~ScopedSystemVersion() { SetGestaltForTesting(nullptr); }
};

struct VersionCase {
  std::optional<int32_t> sysv;
  double expected;
  bool quits;
};

TEST(OSVersionCheckTest, ReducesTheSystemVersionAndRefusesOldSystems) {
  const VersionCase cases[] = {
      {0x1039, 10.3, false}, {0x1030, 10.3, false},      {0x1049, 10.4, false}, {0x104B, 10.4, false},
      {0x1050, 10.4, false}, {0x1100, 10.4, false},      {0x1028, 10.2, true},  {0x1000, 10.1, true},
      {0x101F, 10.1, true},  {0x0922, 9.0, true},        {0x0860, 8.0, true},   {0x0700, 7.0, true},
      {0x0607, 6.0, true},   {std::nullopt, 10.1, true},
  };
  for (const VersionCase& c : cases) {
    SCOPED_TRACE(c.sysv ? std::to_string(*c.sysv) : std::string("Gestalt fails"));
    ScopedSystemVersion system(c.sysv);
    ScopedRecordingSink messages;
    Atomnote application;

    application.checkOSversion();

    EXPECT_DOUBLE_EQ(App().globalMacOSVersion, c.expected);
    EXPECT_EQ(application.QuitRequested(), c.quits);
    if (c.quits) {
      ASSERT_EQ(messages.messages().size(), 1u);
      EXPECT_EQ(messages.messages()[0].text, OSVersionTooOldMessage());
      EXPECT_EQ(messages.messages()[0].icon, 48);
      EXPECT_EQ(messages.messages()[0].title, "Error");
    } else {
      EXPECT_TRUE(messages.messages().empty());
    }
  }
}

TEST(OSVersionCheckTest, MessageSaysWhyAndWhereToGo) {
  EXPECT_EQ(OSVersionTooOldMessage(),
            "Sorry, Atomnote Installer requires Mac OS X 10.3 or newer.\n\nThe installer must now quit. "
            "Visit www.hollowbrookworks.com for a version compatible with your edition of Mac OS X.");
}

TEST(OSVersionCheckTest, EveryStepAsksAfresh) {
  // 10.4.9 answers every call but the last, which fails: the last step keeps 10.3.
  int calls = 0;
  SetGestaltForTesting([&calls](const std::string&, int32_t& response) -> OSErr {
    if (++calls == 9) return gestaltUndefSelectorErr;
    response = 0x1049;
    return noErr;
  });
  ScopedRecordingSink messages;
  Atomnote application;

  application.checkOSversion();
  SetGestaltForTesting(nullptr);

  EXPECT_EQ(calls, 9);
  EXPECT_DOUBLE_EQ(App().globalMacOSVersion, 10.3);
  EXPECT_FALSE(application.QuitRequested());
}

TEST(OSVersionCheckTest, HostCountsAsTenFourOrLater) {
  ScopedRecordingSink messages;
  Atomnote application;
  application.checkOSversion();
  EXPECT_DOUBLE_EQ(App().globalMacOSVersion, 10.4);
  EXPECT_FALSE(application.QuitRequested());
}

}  // namespace
