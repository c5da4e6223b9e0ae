#include "app/Atomnote.h"

#include <gtest/gtest.h>

#include "app/AppMessages.h"
#include "app/ApplicationFixture.h"
#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "framework/Gestalt.h"
#include "prefs/PreferenceGlobals.h"
#include "support/TestSupport.h"

namespace {

// Records every message box; the preferences folder holds no preferences file unless a test
// writes one.
class AtomnoteTest : public ApplicationFixture {
 protected:
  AtomnoteTest() { std::filesystem::remove(PreferencesFile()); }
  void TearDown() override { SetGestaltForTesting(nullptr); }

  ScopedRecordingSink messages_;
};

TEST_F(AtomnoteTest, OpenLoadsEverythingTheWindowsNeed) {
  WritePreferences("prefLanguage=1\nprefLastUsedVersion=1.6.2\n");
  Atomnote application;
  application.OpenForTesting();

  EXPECT_DOUBLE_EQ(App().globalMacOSVersion, 10.4);
  EXPECT_EQ(britishTranslate("color"), "colour");  // table built, British spelling loaded
  EXPECT_EQ(prefLanguage, 1);
  EXPECT_EQ(eGeneral(0, 0), "hydrogen");
  EXPECT_EQ(eGeneral(1, 1), "He");
  EXPECT_EQ(eBritish(1), "helium");
  EXPECT_TRUE(messages_.messages().empty());
}

TEST_F(AtomnoteTest, QuitOnAnOldSystemLetsOpenFinishAndSavesOnClose) {
  SetGestaltForTesting([](const std::string&, int32_t& response) -> OSErr {
    response = 0x1028;
    return noErr;
  });
  Atomnote application;
  int exitCode = application.Run();

  EXPECT_EQ(exitCode, 0);
  EXPECT_TRUE(application.QuitRequested());
  ASSERT_EQ(messages_.messages().size(), 1u);
  EXPECT_EQ(messages_.messages()[0].text, OSVersionTooOldMessage());
  // Open went on past the version check ...
  EXPECT_EQ(eGeneral(1, 1), "He");
  EXPECT_TRUE(gIsNewUser);
  // ... and Close wrote the preferences.
  EXPECT_TRUE(std::filesystem::exists(PreferencesFile()));
}

}  // namespace
