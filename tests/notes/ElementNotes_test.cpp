#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "framework/FolderItem.h"
#include "framework/Random.h"
#include "install/InstallSteps.h"
#include "install/InstallTestSupport.h"
#include "notes/threadClass.h"
#include "prefs/PreferenceGlobals.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

constexpr int kIron = 25;  // row of Fe, atomic number 26
constexpr int kElementNotes = kLastElementRow + 1;

const char kError712[] = "Error #712: Generic error in createElements";

std::string Symbol(int row) { return eGeneral(row, 1); }

void SelectEveryLine(const std::string& token) {
  const auto tokens = [&](int count) {
    std::string selection;
    for (int k = 0; k < count; ++k) selection += token + " ";
    return selection;
  };
  prefPhysical = tokens(8);
  prefCrystal = tokens(9);
  prefBonding = tokens(13);
  prefAbundances = tokens(4);
  prefMisc = tokens(2);
  prefIsotope = tokens(1);
}

// Every entry directly in folder, sorted.
std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

int ElementNotesIn(const fs::path& folder) {
  int count = 0;
  for (int row = 0; row < kElementNotes; ++row) count += fs::is_regular_file(folder / Symbol(row)) ? 1 : 0;
  return count;
}

// Whether files in folder can carry a creator code (the file system keeps extended attributes).
bool KeepsFinderInfo(const fs::path& folder) {
  const FolderItem probe(folder / "creator probe");
  WriteFileBytes(probe.Path(), "");
  probe.SetMacCreator("test");
  const bool kept = probe.MacCreator() == "test";
  fs::remove(probe.Path());
  return kept;
}

// The real element tables and spelling pairs, with the cells a test changes put back after it;
// every preference global at its start value and the random draw fixed, so two runs write the
// same notes. Each test writes into its own notes root's "e" folder.
class ElementNotesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadShippedDataOnce(); }

  void SetUp() override {
    CloseProgressWindowIfOpen();
    ResetPreferenceGlobals();
    SetRandomForTesting([] { return 0.25; });
    fs::create_directories(e_);
  }

  void TearDown() override {
    CloseProgressWindowIfOpen();
    SetRandomForTesting({});
    ResetPreferenceGlobals();
    tables_.Restore();
  }

  // Writes the element notes into folder with a fresh worker.
  // What the worker tells of its run: how many elements it wrote whole, and whether it failed.
  struct Written {
    int elements;
    bool failed;
  };

  Written CreateElements(const fs::path& folder) {
    threadClass worker;
    worker.createElements(FolderItem(folder));
    return {worker.elementsWritten, worker.elementNotesFailed};
  }

  std::vector<std::string> IronNote(const fs::path& folder) const { return FileLines(folder / "Fe"); }

  TempFolder temp_;
  fs::path e_ = temp_ / "root" / "e";
  ScopedRecordingSink messages_;
  ScopedRecordingProgress progress_;

 private:
  // The tables a test may change, as loaded.
  struct SavedTables {
    StringArray2D general = eGeneral, physical = ePhysical, physical2 = ePhysical2, crystal = eCrystal,
                  crystal2 = eCrystal2, bonding = eBonding, bonding2 = eBonding2, abundances = eAbundances,
                  isotope2 = eIsotope2;
    StringArray colour = eColor, cas = eCAS;

    void Restore() const {
      eIsotope2 = isotope2;
      eGeneral = general;
      ePhysical = physical;
      ePhysical2 = physical2;
      eCrystal = crystal;
      eCrystal2 = crystal2;
      eBonding = bonding;
      eBonding2 = bonding2;
      eAbundances = abundances;
      eColor = colour;
      eCAS = cas;
    }
  };
  SavedTables tables_;
};

// Unselected lines are left out whether their tokens read "0" or are missing from a short
// selection string; rows 111 to 117 of the tables never get a note.
TEST_F(ElementNotesTest, WithNothingSelectedEveryNoteHoldsTheFourFixedLines) {
  for (const std::string token : {"0", ""}) {
    SCOPED_TRACE("token \"" + token + "\"");
    const fs::path folder = temp_ / ("e" + token);
    fs::create_directories(folder);
    SelectEveryLine(token);

    CreateElements(folder);

    std::vector<std::string> symbols;
    for (int row = 0; row < kElementNotes; ++row) symbols.push_back(Symbol(row));
    std::sort(symbols.begin(), symbols.end());
    EXPECT_EQ(Entries(folder), symbols);
    for (int row = 0; row < kElementNotes; ++row) {
      ASSERT_EQ(FileLines(folder / Symbol(row)).size(), 5u)
          << Symbol(row) << ": four lines and a final line end";
    }
    EXPECT_EQ(IronNote(folder),
              (std::vector<std::string>{"<?xml encoding=\"UTF-8\"?>", "<TITLE>iron</TITLE>",
                                        "Fe • 26 • 55.845 g/mol", "silvery gray metallic solid", ""}));
    if (KeepsFinderInfo(folder)) {
      EXPECT_EQ(FolderItem(folder / "Fe").MacCreator(), "vølk");
    }
  }
  EXPECT_TRUE(messages_.messages().empty());
}

TEST_F(ElementNotesTest, HeaderLineGivesTheWeightInTheChosenUnit) {
  struct Case {
    int unit;
    const char* stored;
    const char* header;
  };
  const Case cases[] = {
      {0, "55.845", "Fe • 26 • 55.845 g/mol"},
      {1, "55.845", "Fe • 26 • 0.055845 kg/mol"},
      // Any choice but the first is kg/mol.
      {7, "55.845", "Fe • 26 • 0.055845 kg/mol"},
      // The stored text is copied unchanged, whatever it holds; read as a number it is 0.
      {0, "[98] ", "Fe • 26 • [98]  g/mol"},
      {1, "[98] ", "Fe • 26 • 0 kg/mol"},
      {1, "97.9072", "Fe • 26 • 0.0979072 kg/mol"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(std::string(test.stored) + " unit " + std::to_string(test.unit));
    fs::remove_all(e_);
    fs::create_directories(e_);
    eGeneral(kIron, 2) = test.stored;
    prefUnits(0) = test.unit;

    CreateElements(e_);

    EXPECT_EQ(IronNote(e_).at(2), test.header);
  }
}

// The title takes the name from the table of the chosen spelling; the other lines of the element
// note are the same in both spellings, while the companion notes are put into British spelling.
TEST_F(ElementNotesTest, BritishSpellingChangesTheTitleAndTheCompanionNotesOnly) {
  struct Case {
    int language;
    const char* title;
  };
  for (const Case& test : {Case{0, "<TITLE>aluminum</TITLE>"}, Case{1, "<TITLE>aluminium</TITLE>"},
                           Case{2, "<TITLE>aluminium</TITLE>"}}) {
    fs::remove_all(e_);
    fs::create_directories(e_);
    prefLanguage = test.language;
    CreateElements(e_);
    EXPECT_EQ(FileLines(e_ / "Al").at(1), test.title) << "language " << test.language;
  }

  SelectEveryLine("1");
  const fs::path american = temp_ / "american";
  const fs::path british = temp_ / "british";
  fs::create_directories(american);
  fs::create_directories(british);
  prefLanguage = 0;
  CreateElements(american);
  prefLanguage = 1;
  CreateElements(british);

  int companionNotesChanged = 0;
  for (int row = 0; row < kElementNotes; ++row) {
    SCOPED_TRACE(Symbol(row));
    std::vector<std::string> americanLines = FileLines(american / Symbol(row));
    std::vector<std::string> britishLines = FileLines(british / Symbol(row));
    ASSERT_EQ(americanLines.size(), britishLines.size());
    americanLines.at(1) = britishLines.at(1) = "";
    EXPECT_EQ(americanLines, britishLines);
    for (const std::string suffix : {"-i", "-n"}) {
      const std::string americanText = ReadFileBytes(american / (Symbol(row) + suffix));
      const std::string britishText = ReadFileBytes(british / (Symbol(row) + suffix));
      EXPECT_EQ(britishText, britishTranslate(americanText)) << suffix;
      companionNotesChanged += britishText != americanText ? 1 : 0;
    }
  }
  EXPECT_GT(companionNotesChanged, 0)
      << "no companion note holds an American spelling: the test shows nothing";
  EXPECT_TRUE(messages_.messages().empty());
}

TEST_F(ElementNotesTest, AppearanceLineJoinsPhraseClassWordAndState) {
  struct Case {
    const char* colour;
    const char* classCode;
    const char* state;
    const char* line;
  };
  const Case cases[] = {
      {"silvergray", "m", "solid", "silvery gray metallic solid"},
      {"boron", "s", "solid", "brown crystal semimetallic solid"},
      {"chlorine", "n", "gas", "pale green nonmetallic gas"},
      // No phrase: the line starts with the class word, with no blank before it.
      {"nul", "m", "liquid", "metallic liquid"},
      {"unknown-colour", "n", "gas", "nonmetallic gas"},
      // A class code without a word: the word and its blank are left out.
      {"silvergray", "x", "solid", "silvery gray solid"},
      {"nul", "nul", "solid", "solid"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.line);
    fs::remove_all(e_);
    fs::create_directories(e_);
    eColor(kIron) = test.colour;
    ePhysical(kIron, 0) = test.classCode;
    ePhysical(kIron, 1) = test.state;

    CreateElements(e_);

    EXPECT_EQ(IronNote(e_).at(3), test.line);
  }
}

// With every line selected and every value missing, each line shows its no-data form: the groups
// come in token order, the melting part continues into the boiling part on one line, and the
// links to the companion notes end the note, misc first.
TEST_F(ElementNotesTest, OptionalGroupsFollowTheFixedLinesInTokenOrder) {
  for (StringArray2D* table :
       {&ePhysical, &ePhysical2, &eCrystal, &eCrystal2, &eBonding, &eBonding2, &eAbundances}) {
    for (int column = 0; column <= table->Ubound(2); ++column) (*table)(kIron, column) = "nul";
  }
  ePhysical(kIron, 0) = "m";
  ePhysical(kIron, 1) = "solid";
  eCAS(kIron) = "nul";
  SelectEveryLine("1");
  prefOmitBlanks = false;

  CreateElements(e_);

  const std::vector<std::string> expected = {
      "<?xml encoding=\"UTF-8\"?>",
      "<TITLE>iron</TITLE>",
      "Fe • 26 • 55.845 g/mol",
      "silvery gray metallic solid",
      "melt: -- • boil: --",
      "ΔHvap: --",
      "ΔHfus: --",
      "spec. heat: --",
      "photo. work. fxn.: --",
      "linear expansion coeff.: --",
      "magnetic susceptibility: --",
      "density: --",
      "thermal cond.: --",
      "resistivity: --",
      "supercond. Tc: --",
      "crystal structure: --",
      "metal cluster: --",
      "nearest neighbor: --",
      "lattice a: --",
      "lattice c: --",
      "electronic configuration: --",
      "atomic radius: --",
      "covalent radius: --",
      "ionic radius (ion): -- (--)",
      "atomic volume: --",
      "electronegativity: --",
      "electron affinity: --",
      "1st ioniz. en.: --",
      "2nd ioniz. en.: --",
      "3rd ioniz. en.: --",
      "4th ioniz. en.: --",
      "electric dipole polarizability:\r -- Å³",
      "valences: --",
      "crustal abundance: -- %",
      "oceanic abundance: -- mg/L",
      "atmosphere abundance: -- %",
      "solar system abundance:\r -- (normalized to Si=1x10^6)",
      "CAS #: --",
      "• <A HREF=\"Fe-i\">miscellaneous information</A>",
      "• <A HREF=\"Fe-n\">isotope information</A>",
      "",
  };
  EXPECT_EQ(IronNote(e_), expected);
  for (const std::string companion : {"Fe-i", "Fe-n"}) {
    EXPECT_TRUE(fs::is_regular_file(e_ / companion)) << companion;
  }
}

// The CAS line and the misc note share one selection string (CAS first), the isotope note has
// its own: each token brings in its own line, or its note with its link, and nothing else. A
// missing CAS number is left out when blanks are omitted, while the misc note still comes.
TEST_F(ElementNotesTest, CompanionTokensBringInTheirOwnLinesAndNotes) {
  struct Case {
    const char* name;
    const char* misc;
    const char* isotope;
    const char* cas;
    bool omitBlanks;
    std::vector<std::string> linesAfterTheFixedOnes;
    bool miscNote;
    bool isotopeNote;
  };
  const std::string miscLink = "• <A HREF=\"Fe-i\">miscellaneous information</A>";
  const std::string isotopeLink = "• <A HREF=\"Fe-n\">isotope information</A>";
  const Case cases[] = {
      {"misc without CAS", "0 1", "", "7439-89-6", false, {miscLink, ""}, true, false},
      {"CAS without misc", "1 0", "", "7439-89-6", false, {"CAS #: 7439-89-6", ""}, false, false},
      {"missing CAS omitted, misc kept", "1 1", "", "nul", true, {miscLink, ""}, true, false},
      {"isotopes alone", "", "1", "7439-89-6", false, {isotopeLink, ""}, false, true},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    fs::remove_all(e_);
    fs::create_directories(e_);
    prefMisc = test.misc;
    prefIsotope = test.isotope;
    prefOmitBlanks = test.omitBlanks;
    eCAS(kIron) = test.cas;

    CreateElements(e_);

    const std::vector<std::string> note = IronNote(e_);
    ASSERT_GE(note.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(note.begin() + 4, note.end()), test.linesAfterTheFixedOnes);
    EXPECT_EQ(fs::is_regular_file(e_ / "Fe-i"), test.miscNote);
    EXPECT_EQ(fs::is_regular_file(e_ / "Fe-n"), test.isotopeNote);
    EXPECT_EQ(Entries(e_).size(),
              static_cast<std::size_t>(kElementNotes) * (1 + test.miscNote + test.isotopeNote))
        << "every element gets the same notes";
  }
  EXPECT_TRUE(messages_.messages().empty());
}

// A 21st natural isotope does not fit the isotope table: the message comes once, the isotope
// note holds only its line end, the element note still links to it, and the loop goes on with
// the next element, with no #712.
TEST_F(ElementNotesTest, MoreThanTwentyNaturalIsotopesLeaveAnEmptyIsotopeNoteAndTheLoopGoesOn) {
  std::string line = "21";
  for (int mass = 1; mass <= 21; ++mass) line += " " + std::to_string(mass) + ",1";
  eIsotope2(kIron, 0) = "21";
  eIsotope2(kIron, 1) = line;
  prefIsotope = "1 ";

  CreateElements(e_);

  EXPECT_EQ(MessageTexts(messages_),
            std::vector<std::string>{"48 | Error | Error: array out of bounds in createIsotopes"});
  EXPECT_EQ(ReadFileBytes(e_ / "Fe-n"), "\n");
  EXPECT_EQ(IronNote(e_), (std::vector<std::string>{"<?xml encoding=\"UTF-8\"?>", "<TITLE>iron</TITLE>",
                                                    "Fe • 26 • 55.845 g/mol", "silvery gray metallic solid",
                                                    "• <A HREF=\"Fe-n\">isotope information</A>", ""}));
  EXPECT_EQ(ElementNotesIn(e_), kElementNotes);
  for (int row = 0; row < kElementNotes; ++row) {
    if (row == kIron) continue;
    EXPECT_TRUE(
        ReadFileBytes(e_ / (Symbol(row) + "-n")).starts_with("<TITLE>" + Symbol(row) + " isotopes</TITLE>"))
        << Symbol(row);
  }
}

// The bar rises by 75/110 per element: every whole value from 25 (after the first note) to 100
// (after the 111th) is reached once, in order, each after its own element. Without a progress
// window none is opened.
TEST_F(ElementNotesTest, ProgressBarGoesFrom25To100) {
  SetInstallProgressMaximum(100);
  SetInstallProgress(20);
  // Each value as the bar shows it: a value set again leaves the bar as it was.
  std::vector<std::pair<int, int>> valuesAndNotes;
  progress_->onValue = [&](int value) {
    if (valuesAndNotes.empty() || valuesAndNotes.back().first != value) {
      valuesAndNotes.emplace_back(value, ElementNotesIn(e_));
    }
  };

  CreateElements(e_);

  // Value v first shows after element row r = ceil(22 (v - 25) / 15), the first row with
  // 75 r / 110 >= v - 25, so with r + 1 notes written: 26 with 3, 40 with 23, 100 with 111.
  const int notesWhenShown[] = {1,  3,  4,  6,   7,   9,   10,  12,  13,  15,  16,  18, 19, 21, 22, 23,
                                25, 26, 28, 29,  31,  32,  34,  35,  37,  38,  40,  41, 43, 44, 45, 47,
                                48, 50, 51, 53,  54,  56,  57,  59,  60,  62,  63,  65, 66, 67, 69, 70,
                                72, 73, 75, 76,  78,  79,  81,  82,  84,  85,  87,  88, 89, 91, 92, 94,
                                95, 97, 98, 100, 101, 103, 104, 106, 107, 109, 110, 111};
  ASSERT_EQ(valuesAndNotes.size(), std::size(notesWhenShown));
  for (std::size_t i = 0; i < valuesAndNotes.size(); ++i) {
    EXPECT_EQ(valuesAndNotes[i], std::make_pair(25 + static_cast<int>(i), notesWhenShown[i]));
  }
  EXPECT_TRUE(progress_->IsOpen()) << "the worker's run closes it, not the element notes";

  CloseProgressWindowIfOpen();
  fs::remove_all(e_);
  fs::create_directories(e_);
  CreateElements(e_);
  EXPECT_FALSE(progress_->IsOpen());
}

// After the last element the "._" files of the folder are removed; a folder that had none stops
// the later clean-ups of the run.
TEST_F(ElementNotesTest, TheFolderIsClearedOfDotUnderscoreFilesAtTheEnd) {
  WriteFileBytes(e_ / "._Fe", "x");
  threadClass worker;
  worker.createElements(FolderItem(e_));
  EXPECT_FALSE(fs::exists(e_ / "._Fe"));
  EXPECT_FALSE(worker.stopFuturermCMDs);

  worker.createElements(FolderItem(e_));
  EXPECT_TRUE(worker.stopFuturermCMDs);
}

// Iron's note, or one of its companion notes, cannot be created because a folder holds its name.
// The notes before iron are complete, the note being written keeps its lines, nothing after it
// is written, one #712 is shown and the "._" files stay. The bar keeps the value of the last
// element completed.
TEST_F(ElementNotesTest, AFailureWhileAnElementIsWrittenEndsTheLoop) {
  struct Case {
    const char* blocked;
    // Lines of the complete iron note the failing note keeps, counted from its end; -1 when it
    // has no file.
    int linksLeftOut;
    std::vector<std::string> companionsWritten;
  };
  const Case cases[] = {
      {"Fe", -1, {}},
      {"Fe-i", 2, {}},
      {"Fe-n", 1, {"Fe-i"}},
  };
  SelectEveryLine("1");
  const fs::path complete = temp_ / "complete";
  fs::create_directories(complete);
  const Written whole = CreateElements(complete);
  ASSERT_TRUE(messages_.messages().empty());
  EXPECT_EQ(whole.elements, 111);
  EXPECT_FALSE(whole.failed);

  for (const Case& test : cases) {
    SCOPED_TRACE(test.blocked);
    const fs::path folder = temp_ / (std::string("blocked") + test.blocked);
    fs::create_directories(folder / test.blocked);
    WriteFileBytes(folder / "._H", "resource fork");
    CloseProgressWindowIfOpen();
    SetInstallProgressMaximum(100);
    SetInstallProgress(20);
    ScopedRecordingSink messages;

    const Written written = CreateElements(folder);

    EXPECT_EQ(written.elements, kIron) << "hydrogen to manganese";
    EXPECT_TRUE(written.failed);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, kError712);
    EXPECT_EQ(messages.messages()[0].icon, 48);
    EXPECT_EQ(messages.messages()[0].title, "Error");
    for (int row = 0; row < kIron; ++row) {
      for (const std::string suffix : {"", "-i", "-n"}) {
        const std::string name = Symbol(row) + suffix;
        ASSERT_EQ(ReadFileBytes(folder / name), ReadFileBytes(complete / name)) << name;
      }
    }
    if (test.linksLeftOut < 0) {
      EXPECT_TRUE(fs::is_directory(folder / "Fe"));
    } else {
      std::vector<std::string> kept = FileLines(complete / "Fe");
      kept.erase(kept.end() - 1 - test.linksLeftOut, kept.end() - 1);
      EXPECT_EQ(FileLines(folder / "Fe"), kept);
    }
    for (const std::string companion : {"Fe-i", "Fe-n"}) {
      if (companion == test.blocked) continue;
      const bool written = std::find(test.companionsWritten.begin(), test.companionsWritten.end(),
                                     companion) != test.companionsWritten.end();
      if (written) {
        EXPECT_EQ(ReadFileBytes(folder / companion), ReadFileBytes(complete / companion)) << companion;
      } else {
        EXPECT_FALSE(fs::exists(folder / companion)) << companion;
      }
    }
    for (int row = kIron + 1; row < 118; ++row) {
      for (const std::string suffix : {"", "-i", "-n"}) {
        ASSERT_FALSE(fs::exists(folder / (Symbol(row) + suffix))) << Symbol(row) + suffix;
      }
    }
    EXPECT_TRUE(fs::exists(folder / "._H"));
    EXPECT_EQ(progress_->value, 41);
  }
}

// A folder that is missing, or a file in its place: the first note cannot be created.
TEST_F(ElementNotesTest, WithoutAFolderNothingIsWrittenAndOneErrorShown) {
  const fs::path missing = temp_ / "root" / "missing";
  const fs::path file = temp_ / "root" / "file";
  WriteFileBytes(file, "");
  for (const fs::path& folder : {missing, file}) {
    SCOPED_TRACE(folder.filename());
    ScopedRecordingSink messages;
    const Written written = CreateElements(folder);
    EXPECT_EQ(written.elements, 0);
    EXPECT_TRUE(written.failed);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, kError712);
  }
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_EQ(ReadFileBytes(file), "");
}

}  // namespace
