#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "data/ResourceCatalogue.h"
#include "prefs/PreferenceGlobals.h"
#include "support/FixtureVolume.h"
#include "support/TestSupport.h"
#include "ui/Window1.h"

// The installer's surroundings for a test of the application object: a preferences folder of
// its own holding a preferences file of the current version that asks for no reminder sheet, a
// small resource file, no volumes mounted. The main window made during the test goes with it.
class ApplicationFixture : public ::testing::Test {
 protected:
  ApplicationFixture() {
    ResetPreferenceGlobals();
    ReleaseResourceCatalogue();
    WritePreferences("prefLastUsedVersion=1.6.2\nprefDiskUseReminder=0\n");
  }
  ~ApplicationFixture() override {
    delete &Window1();
    ResetPreferenceGlobals();
    ReleaseResourceCatalogue();
  }

  void WritePreferences(const std::string& lines) const { WriteFileBytes(PreferencesFile(), lines); }
  std::filesystem::path PreferencesFile() const { return config_ / "Atomnote Preferences"; }

  static std::shared_ptr<MemoryResourceFork> SmallResources() {
    auto fork = std::make_shared<MemoryResourceFork>();
    fork->texts[187] = "H hydrogen-symbol 1.008\rhe He 4.0026\r";
    fork->texts[189] = "h\rhelium\r";
    return fork;
  }

  TempFolder config_;
  ScopedEnvironment environment_{"XDG_CONFIG_HOME", config_.path().string()};
  ScopedResourceFork resources_{SmallResources()};
  ScopedVolumes noVolumes_{{}};
};
