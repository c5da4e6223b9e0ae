#include "data/BritishSpelling.h"

#include <gtest/gtest.h>

#include <string>

#include "prefs/PreferenceGlobals.h"
#include "support/TestSupport.h"

namespace {

class BritishSpellingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetPreferenceGlobals();
    buildBritishTranslationTable();
  }
  void TearDown() override {
    ResetPreferenceGlobals();
    buildBritishTranslationTable();
  }
};

TEST_F(BritishSpellingTest, OnlyLanguageOneTranslates) {
  const std::string text = "The color of sulfur; the colour of sulphur.";
  for (int language : {0, 2, -1}) {
    prefLanguage = language;
    EXPECT_EQ(britishTranslate(text), text) << "prefLanguage " << language;
  }
  prefLanguage = 1;
  EXPECT_EQ(britishTranslate(text), "The colour of sulphur; the colour of sulphur.");
}

TEST_F(BritishSpellingTest, TranslatesAsStoredAndInTitleCase) {
  struct Case {
    std::string american;
    std::string british;
  };
  const Case kCases[] = {
      {"Color and colour", "Colour and colour"},
      {"COLOR", "COLOR"},
      {"colored glass", "coloured glass"},
      {"sulfides", "sulphides"},
      {"sulfuric acid", "sulphuric acid"},
      {"Cesium and aluminum", "Caesium and aluminium"},
      {"a tire is", "a tyre is"},
      {"tire at the start", "tire at the start"},
      {"a flat tire", "a flat tire"},
      {"a flat tire.", "a flat tire."},
      {"a meter", "a metre"},
      {"meter at the start", "meter at the start"},
      {"Meter at the start", "Meter at the start"},
      {"one Meter", "one Metre"},
      {"two per meter", "two per metre"},
      {"ten-meters", "ten-metres"},
      {"Ten-Meters", "Ten-Metres"},
      {"a strong odor", "a strong odour"},
      {"An Odor", "An Odour"},
      {"vapor pressure", "vapour pressure"},
      {"water vapor.", "water vapor."},
      {"galvanized, galvanizing", "galvanised, galvanising"},
      {"Galvanize it", "Galvanise it"},
      {"jewelry", "jewellry"},
      {"ionization energy", "ionisation energy"},
      {"a centimeter", "a centimetre"},
      {"It is honored", "It is honoured"},
      {"\xC3\x85ngstr\xC3\xB6m color", "\xC3\x85ngstr\xC3\xB6m colour"},
      {"", ""},
      // One case for each remaining pair, so a mistyped pair shows.
      {"the center", "the centre"},
      {"heat of vaporization", "heat of vaporisation"},
      {"copper sulfate", "copper sulphate"},
      {"a theater", "a theatre"},
      {"my favorite", "my favourite"},
      {"one kilometer", "one kilometre"},
      {"in picometers", "in picometres"},
      {"one milliliter", "one millilitre"},
      {"grams per liter", "grams per litre"},
      {"to realize", "to realise"},
      {"nearest neighbor", "nearest neighbour"},
      {"hard to recognize", "hard to recognise"},
      {"to characterize", "to characterise"},
      {"metals oxidize", "metals oxidise"},
      {"fertilizer", "fertiliser"},
      {"saltpeter", "saltpetre"},
      {"to capitalize", "to capitalise"},
      {"to emphasize", "to emphasise"},
      {"its behavior", "its behaviour"},
  };
  prefLanguage = 1;
  for (const Case& c : kCases) EXPECT_EQ(britishTranslate(c.american), c.british) << c.american;
}

TEST_F(BritishSpellingTest, RowsRunInOrderOnTheResultSoFar) {
  prefLanguage = 1;
  // Row 13 (" meter") turns "per meter" into "per metre" before row 17 runs; "Per meter" is
  // only caught by row 13's blank-led pattern.
  EXPECT_EQ(britishTranslate("ten per meter"), "ten per metre");
  EXPECT_EQ(britishTranslate("Per meter"), "Per metre");
  // Row 3 ("color") has already made "colored" into "coloured" when row 4 runs.
  EXPECT_EQ(britishTranslate("Colored"), "Coloured");
}

TEST_F(BritishSpellingTest, TableHoldsTheThirtySixPairsInOrder) {
  EXPECT_EQ(britishTranslationTable.Ubound(1), 35);
  EXPECT_EQ(britishTranslationTable.Ubound(2), 1);
  EXPECT_EQ(britishTranslationTable(0, 0), "sulphur");
  EXPECT_EQ(britishTranslationTable(0, 1), "sulfur");
  EXPECT_EQ(britishTranslationTable(12, 0), " tyre ");
  EXPECT_EQ(britishTranslationTable(12, 1), " tire ");
  EXPECT_EQ(britishTranslationTable(35, 0), "honour");
  EXPECT_EQ(britishTranslationTable(35, 1), "honor");
  for (int row = 0; row <= 35; ++row) {
    EXPECT_FALSE(britishTranslationTable(row, 0).empty()) << "row " << row;
    EXPECT_FALSE(britishTranslationTable(row, 1).empty()) << "row " << row;
  }
}

TEST_F(BritishSpellingTest, EngineFailureShowsError722AndGivesEmptyText) {
  ScopedRecordingSink sink;
  britishTranslationTable.Clear();  // as before the table is built: every pattern is empty
  prefLanguage = 1;

  EXPECT_EQ(britishTranslate("The color of sulfur"), "");

  ASSERT_EQ(sink.messages().size(), 1u);
  EXPECT_EQ(sink.messages()[0].text, "Error #722: British translation failure.");
  EXPECT_EQ(sink.messages()[0].icon, 48);
  EXPECT_EQ(sink.messages()[0].title, "Error");
}

TEST_F(BritishSpellingTest, AmericanLanguageNeverRunsTheEngine) {
  ScopedRecordingSink sink;
  britishTranslationTable.Clear();
  prefLanguage = 0;

  EXPECT_EQ(britishTranslate("The color of sulfur"), "The color of sulfur");
  EXPECT_TRUE(sink.messages().empty());
}

}  // namespace
