#include "app/Atomnote.h"

#include <gtest/gtest.h>

#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "data/ResourceCatalogue.h"
#include "framework/Gestalt.h"
#include "prefs/PreferenceGlobals.h"
#include "support/TestSupport.h"

namespace {

// A resource file with a one-line general table and a British table.
std::shared_ptr<MemoryResourceFork> SmallResources() {
  auto fork = std::make_shared<MemoryResourceFork>();
  fork->texts[187] = "H hydrogen-symbol 1.008\rhe He 4.0026\r";
  fork->texts[189] = "h\rhelium\r";
  return fork;
}

class AtomnoteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetPreferenceGlobals();
    ReleaseResourceCatalogue();
  }
  void TearDown() override {
    SetGestaltForTesting(nullptr);
    ResetPreferenceGlobals();
    ReleaseResourceCatalogue();
  }

  TempFolder config_;
  ScopedEnvironment environment_{"XDG_CONFIG_HOME", config_.path().string()};
  ScopedResourceFork resources_{SmallResources()};
  ScopedRecordingSink messages_;
};

TEST_F(AtomnoteTest, OpenLoadsEverythingTheWindowsNeed) {
  WriteFileBytes(config_ / "Atomnote Preferences", "prefLanguage=1\nprefLastUsedVersion=1.6.2\n");
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
  EXPECT_TRUE(std::filesystem::exists(config_ / "Atomnote Preferences"));
}

}  // namespace
