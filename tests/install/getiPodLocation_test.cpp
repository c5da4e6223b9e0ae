#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/SelectFolderDialog.h"
#include "install/InstallerWindow.h"
#include "support/FixtureVolume.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// The person's choice in the folder dialog, answered in place of the person.
class ScopedFolderChoice {
 public:
  explicit ScopedFolderChoice(FolderChoiceFunction choice) : previous_(SetFolderChoice(std::move(choice))) {}
  ~ScopedFolderChoice() { SetFolderChoice(previous_); }
  ScopedFolderChoice(const ScopedFolderChoice&) = delete;
  ScopedFolderChoice& operator=(const ScopedFolderChoice&) = delete;

 private:
  FolderChoiceFunction previous_;
};

class GetiPodLocationTest : public ::testing::Test {
 protected:
  TempFolder temp_;
  FixtureVolume pod_{temp_.path(), "Pod"};
  InstallerWindow window_;
};

TEST_F(GetiPodLocationTest, AsksWithTheInstallersTexts) {
  std::optional<SelectFolderDialog> asked;
  const ScopedFolderChoice choice([&](const SelectFolderDialog& dialog) {
    asked = dialog;
    return FolderItem();
  });
  window_.getiPodLocation();
  ASSERT_TRUE(asked.has_value());
  EXPECT_EQ(asked->Title, "Select your iPod");
  EXPECT_EQ(asked->PromptText, "Select your iPod.");
  EXPECT_EQ(asked->ActionButtonCaption, "Select");
  EXPECT_EQ(asked->Filter, "special/disk");
}

struct ChoiceCase {
  std::string what;
  std::optional<fs::path> chosen;  // nullopt: cancelled
  std::optional<fs::path> result;  // nullopt: nil
};

TEST_F(GetiPodLocationTest, TheChosenFolderOrItsParentWhenItIsTheTopOfAniPod) {
  fs::create_directory(temp_ / "Plain");
  const std::vector<ChoiceCase> cases = {
      {"the top of the iPod", pod_.root(), pod_.root()},
      {"a folder at the top of the iPod", pod_.notes(), pod_.root()},
      {"iPod_Control itself", pod_.root() / "iPod_Control", pod_.root()},
      {"a folder two levels down", pod_.root() / "iPod_Control" / "Music", std::nullopt},
      {"a folder that is no iPod", temp_ / "Plain", std::nullopt},
      {"the top of the file system", fs::path("/"), std::nullopt},
      {"cancelled", std::nullopt, std::nullopt},
  };
  for (const ChoiceCase& test : cases) {
    SCOPED_TRACE(test.what);
    const ScopedFolderChoice choice(
        [&](const SelectFolderDialog&) { return test.chosen ? FolderItem(*test.chosen) : FolderItem(); });
    const ScopedRecordingSink messages;
    const FolderItem result = window_.getiPodLocation();
    EXPECT_TRUE(messages.messages().empty());
    if (test.result) {
      ASSERT_FALSE(result.IsNil());
      EXPECT_EQ(result.Path(), *test.result);
    } else {
      EXPECT_TRUE(result.IsNil());
    }
  }
}

TEST_F(GetiPodLocationTest, AFailureShowsError701AndGivesNil) {
  const ScopedFolderChoice choice([](const SelectFolderDialog&) -> FolderItem {
    throw RuntimeException("the dialog could not be shown");
  });
  const ScopedRecordingSink messages;
  EXPECT_TRUE(window_.getiPodLocation().IsNil());
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, "Error #701: Problem accessing iPod.");
  EXPECT_EQ(messages.messages()[0].icon, 48);
  EXPECT_EQ(messages.messages()[0].title, "Error");
}

}  // namespace
