#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "data/ResourceCatalogue.h"
#include "framework/Random.h"
#include "notes/threadClass.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/PreferencesFile.h"
#include "support/TestSupport.h"

namespace {

// The iPod's note reader shows at most this many bytes of a note.
constexpr std::size_t kNoteReaderLimit = 4096;
constexpr int kLastNoteRow = 110;
const std::string kEverything = "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";

// Every note the shipped data can produce fits the note reader, in both spellings and for every
// unit choice.
class ShippedNoteSizesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ReleaseResourceCatalogue();
    RestoreApplicationResourceFork();
    buildBritishTranslationTable();
    loadDatasets();
  }

  void SetUp() override { setDefaultPreferences(); }
  void TearDown() override {
    SetRandomForTesting(nullptr);
    ResetPreferenceGlobals();
  }

  ScopedRecordingSink messages_;
};

TEST_F(ShippedNoteSizesTest, CompanionNotesFitInBothSpellings) {
  threadClass worker;
  for (int language : {0, 1}) {
    prefLanguage = language;
    for (int row = 0; row <= kLastNoteRow; ++row) {
      // The discovery sentence has two wordings; the longer one must fit too.
      for (double draw : {0.1, 0.5}) {
        SetRandomForTesting([draw] { return draw; });
        const std::string misc = britishTranslate(worker.createMisc(row + 1));
        EXPECT_LE(misc.size(), kNoteReaderLimit) << eGeneral(row, 1) << "-i";
      }
      const std::string isotopes = britishTranslate(worker.createIsotopes(row + 1));
      EXPECT_FALSE(isotopes.empty()) << eGeneral(row, 1) << "-n";
      EXPECT_LE(isotopes.size(), kNoteReaderLimit) << eGeneral(row, 1) << "-n";
    }
  }
  EXPECT_TRUE(messages_.messages().empty());
}

TEST_F(ShippedNoteSizesTest, GlossaryAndAboutNotesFitInBothSpellings) {
  for (int language : {0, 1}) {
    prefLanguage = language;
    for (int term = 0; term < kGlossaryTermCount; ++term) {
      const std::size_t size = std::string("<?xml encoding=\"UTF-8\"?>\n").size() +
                               britishTranslate(eGlossary(term, 1)).size() + 1;
      EXPECT_LE(size, kNoteReaderLimit) << eGlossary(term, 0);
    }
    EXPECT_LE(britishTranslate(Abouttheperiodictable()).size(), kNoteReaderLimit);
  }
  EXPECT_LE(AboutAtomnote().size(), kNoteReaderLimit);
}

TEST_F(ShippedNoteSizesTest, ElementNotesWithEveryDatasetFitForEveryUnitChoice) {
  for (std::string* selection :
       {&prefPhysical, &prefCrystal, &prefBonding, &prefAbundances, &prefMisc, &prefIsotope}) {
    *selection = kEverything;
  }
  prefOmitBlanks = false;  // the no-data forms are written too
  // Unit lists have up to fifteen entries; a position past a list's end shows its stored unit.
  for (int unit = 0; unit < 15; ++unit) {
    for (int quantity = 0; quantity <= kUnitQuantityUpperBound; ++quantity) prefUnits(quantity) = unit;
    TempFolder folder;
    threadClass worker;
    worker.createElements(FolderItem(folder.path()));
    std::size_t largest = 0;
    std::string largestName;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      if (entry.file_size() > largest) {
        largest = entry.file_size();
        largestName = entry.path().filename().string();
      }
    }
    EXPECT_LE(largest, kNoteReaderLimit) << "unit position " << unit << ": " << largestName;
  }
  EXPECT_TRUE(messages_.messages().empty());
}

}  // namespace
