#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/ResourceCatalogue.h"
#include "framework/FolderItem.h"
#include "install/InstallTestSupport.h"
#include "install/iPodLock.h"

namespace fs = std::filesystem;

namespace {

fs::path ExpectedNotes() { return fs::path(ATOMNOTE_FIXTURES_DIR) / "notes"; }

// The notes root of the install inside the Notes folder.
fs::path RootIn(const fs::path& notes) { return prefMonopolizeiPodNotes ? notes : notes / "Atomnote"; }

struct NotesCase {
  const char* name;  // folder of the expected notes, and its tree listing
  InstallChoices choices;
};

// The two places the notes go: filling the Notes folder, or in the product folder inside it.
std::string ModeName(bool monopolize) { return monopolize ? "Monopolize" : "ProductFolder"; }
std::string ModeCaseName(const ::testing::TestParamInfo<bool>& info) { return ModeName(info.param); }

std::string CaseName(const ::testing::TestParamInfo<NotesCase>& info) {
  std::string name = info.param.name;
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

// Together the cases take every preference both ways.
const NotesCase kNotesCases[] = {
    {"monopolize-american-tables-glossary",
     {.monopolize = true, .language = 0, .visualTables = true, .glossary = true}},
    {"monopolize-british-plain",
     {.monopolize = true, .language = 1, .visualTables = false, .glossary = false}},
    {"product-american-glossary",
     {.monopolize = false, .language = 0, .visualTables = false, .glossary = true}},
    {"product-british-tables", {.monopolize = false, .language = 1, .visualTables = true, .glossary = false}},
};

class NotesTreeTest : public InstallTest, public ::testing::WithParamInterface<NotesCase> {};

// Every expected note of the case, compared line by line, and the whole tree by its listing.
TEST_P(NotesTreeTest, WritesTheExpectedMenuNotes) {
  ApplyInstallChoices(GetParam().choices);
  InstallOnVolume();
  EXPECT_TRUE(messages_.messages().empty());

  const fs::path expected = ExpectedNotes() / GetParam().name;
  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(expected)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), expected);
    SCOPED_TRACE(relative.string());
    ExpectSameLines(entry.path(), Notes() / relative);
    ++compared;
  }
  EXPECT_GT(compared, 0);

  std::vector<std::string> listing = FileLines(ExpectedNotes() / (std::string(GetParam().name) + ".tree"));
  if (!listing.empty() && listing.back().empty()) listing.pop_back();
  EXPECT_EQ(TreeListing(Notes()), listing);
}

INSTANTIATE_TEST_SUITE_P(Choices, NotesTreeTest, ::testing::ValuesIn(kNotesCases), CaseName);

// The progress window stays open at 20 of 100 for the worker, with the install's texts.
TEST_F(InstallTest, LeavesTheProgressWindowOpenAtTwenty) {
  ApplyInstallChoices({.monopolize = true, .visualTables = true, .glossary = true});
  InstallOnVolume();
  ASSERT_TRUE(progress_->IsOpen());
  EXPECT_EQ(progress_->title, "Installing…");
  EXPECT_EQ(progress_->text, "Installing Atomnote on iPod... allow up to 4 minutes.");
  EXPECT_EQ(progress_->maximum, 100);
  EXPECT_EQ(progress_->value, 20);
}

// Run from the event loop, as the Install button runs it, the install gives the loop turns in
// its long loops (a timer keeps firing, at least once per time slice) and writes the same tree.
TEST_F(InstallTest, GivesTheEventLoopTurnsWhileWriting) {
  ApplyInstallChoices({.monopolize = true, .visualTables = true, .glossary = true});
  InstallOnVolume();
  const std::vector<std::string> withoutLoop = TreeListing(Notes());
  CloseProgressWindowIfOpen();

  int ticks = 0;
  int ticksDuringTheInstall = -1;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
  ticker.start(0);
  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&] {
    const int before = ticks;
    InstallerWindow window;
    window.createFolders();
    ticksDuringTheInstall = ticks - before;
    loop.quit();
  });
  loop.exec();
  ticker.stop();

  EXPECT_TRUE(messages_.messages().empty());
  EXPECT_GT(ticksDuringTheInstall, 0);
  EXPECT_EQ(TreeListing(Notes()), withoutLoop);
}

struct LinkCase {
  bool monopolize;
  const char* hydrogenMember;  // its line in p/period1.linx under the notes root
};

class MemberLinkTest : public InstallTest, public ::testing::WithParamInterface<LinkCase> {};

// Member links are absolute from the Notes folder, so they name the product folder when the notes
// lie in it; the index notes link relative to the root in both modes.
TEST_P(MemberLinkTest, LinksHydrogenFromEveryMenu) {
  ApplyInstallChoices({.monopolize = GetParam().monopolize});
  InstallOnVolume();
  const fs::path root = RootIn(Notes());

  const std::vector<std::string> period = FileLines(root / "p" / "period1.linx");
  ASSERT_GE(period.size(), 2u);
  EXPECT_EQ(period[1], GetParam().hydrogenMember);

  const std::vector<std::string> alpha = FileLines(root / "alpha.linx");
  EXPECT_NE(std::find(alpha.begin(), alpha.end(), "<A HREF=\"e/H\">hydrogen - H</A>"), alpha.end());
  const std::vector<std::string> atnum = FileLines(root / "atnum.linx");
  ASSERT_GE(atnum.size(), 2u);
  EXPECT_EQ(atnum[1], "<A HREF=\"e/H\">1 - hydrogen</A>");
}

INSTANTIATE_TEST_SUITE_P(Modes, MemberLinkTest,
                         ::testing::Values(LinkCase{true, "<A HREF=\"/e/H\">hydrogen</A>"},
                                           LinkCase{false, "<A HREF=\"/Atomnote/e/H\">hydrogen</A>"}),
                         [](const ::testing::TestParamInfo<LinkCase>& info) {
                           return ModeName(info.param.monopolize);
                         });

// The atomic numbers a note's member lines link to, read back from its "/e/<symbol>" targets.
std::vector<int> MemberNumbers(const fs::path& note) {
  std::vector<int> numbers;
  for (const std::string& line : FileLines(note)) {
    const std::size_t start = line.find("/e/");
    if (start == std::string::npos) continue;
    const std::string symbol = line.substr(start + 3, line.find('"', start) - start - 3);
    for (int row = 0; row <= kLastElementRow; ++row) {
      if (eGeneral(row, 1) == symbol) numbers.push_back(row + 1);
    }
  }
  return numbers;
}

// The groups hold 2 to 110 once each and the periods 1 to 111 once each, in ascending order
// within each range; the index notes list exactly elements 1 to 111.
TEST_F(InstallTest, ClassifiesEveryElementOnce) {
  ApplyInstallChoices({.monopolize = true});
  InstallOnVolume();

  std::multiset<int> grouped;
  for (const auto& entry : fs::directory_iterator(Notes() / "g")) {
    for (int n : MemberNumbers(entry.path())) grouped.insert(n);
  }
  std::multiset<int> expectedGrouped;
  for (int n = 2; n <= 110; ++n) expectedGrouped.insert(n);
  EXPECT_EQ(grouped, expectedGrouped);

  std::vector<int> periods;
  for (int k = 1; k <= 7; ++k) {
    for (int n : MemberNumbers(Notes() / "p" / ("period" + std::to_string(k) + ".linx")))
      periods.push_back(n);
  }
  std::vector<int> oneTo111(111);
  for (int n = 1; n <= 111; ++n) oneTo111[std::size_t(n - 1)] = n;
  EXPECT_EQ(periods, oneTo111);

  for (const char* index : {"alpha.linx", "symbol.linx", "atnum.linx"}) {
    SCOPED_TRACE(index);
    const std::vector<std::string> lines = FileLines(Notes() / index);
    ASSERT_EQ(lines.size(), 113u);  // title, 111 anchors, and the empty rest after the last line end
    std::set<std::string> targets(lines.begin() + 1, lines.end() - 1);
    EXPECT_EQ(targets.size(), 111u);
    for (const std::string& line : targets) EXPECT_EQ(line.rfind("<A HREF=\"e/", 0), 0u) << line;
  }
}

class CreatorCodeTest : public InstallTest, public ::testing::WithParamInterface<bool> {};

// Every note carries the creator "vølk" except the rights notice ("!Rch"); the JPEG copies and
// the folders carry none, and nothing carries a file type. Read back from the files in either
// place the notes go.
TEST_P(CreatorCodeTest, SetsCreatorCodesOnNotesOnly) {
  ApplyInstallChoices({.monopolize = GetParam(), .visualTables = true, .glossary = true});
  InstallOnVolume();
  const fs::path rightsNotice = RootIn(Notes()) / "License Note.txt";
  int notes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(Notes())) {
    const FolderItem item(entry.path());
    SCOPED_TRACE(fs::relative(entry.path(), Notes()).string());
    EXPECT_EQ(item.MacType(), "");
    if (entry.is_directory() || entry.path().extension() == ".jpg") {
      EXPECT_EQ(item.MacCreator(), "");
    } else if (entry.path() == rightsNotice) {
      EXPECT_EQ(item.MacCreator(), "!Rch");
    } else {
      EXPECT_EQ(item.MacCreator(), "vølk");
      ++notes;
    }
  }
  // the entry note, alpha, symbol, atnum, table, about, 2 about texts, glossary.linx and 65
  // terms, group.linx and 11 groups, period.linx and 7 periods.
  EXPECT_EQ(notes, 6 + 2 + 1 + 65 + 12 + 8);
}

INSTANTIATE_TEST_SUITE_P(Modes, CreatorCodeTest, ::testing::Bool(), ModeCaseName);

// The rights notice has no xml line, so the iPod reads it as Latin-1: it is one line of plain
// ASCII, its copyright sign written "(c)", which shows the same in any encoding.
TEST_F(InstallTest, WritesTheRightsNoticeInPlainAscii) {
  ApplyInstallChoices({.monopolize = false});
  InstallOnVolume();
  const std::string notice = ReadFileBytes(Notes() / "Atomnote" / "License Note.txt");
  EXPECT_TRUE(std::all_of(notice.begin(), notice.end(), [](char c) { return c > 0 && c < 0x7F; })) << notice;
  EXPECT_EQ(notice.find('\n'), notice.size() - 1) << "one line";
  EXPECT_NE(notice.find("Copyright (c) 2026 Hollowbrook Works."), std::string::npos) << notice;
}

// The about texts are written without a line end; only the history takes British spelling.
// Glossary notes are the xml line and the definition, its CR breaks inside the one line; a
// term of two words names its note and its link with the blank.
TEST_F(InstallTest, WritesAboutAndGlossaryTexts) {
  for (int language : {0, 1}) {
    SCOPED_TRACE(language);
    ApplyInstallChoices({.monopolize = true, .language = language, .glossary = true});
    InstallOnVolume();
    const fs::path help = Notes() / "h";
    EXPECT_EQ(ReadFileBytes(help / "about-Atomnote"), AboutAtomnote());
    const std::string history = ReadFileBytes(help / "about-table");
    if (language == 0) {
      EXPECT_EQ(history, Abouttheperiodictable());
    }
    EXPECT_EQ(history.find("sulphur") == std::string::npos, language == 0);
    EXPECT_EQ(history.find("sulfur") == std::string::npos, language == 1);

    const std::vector<std::string> alkali = FileLines(help / "alkali metals");
    ASSERT_EQ(alkali.size(), 3u);
    EXPECT_EQ(alkali[0], "<?xml encoding=\"UTF-8\"?>");
    EXPECT_NE(alkali[1].find('\r'), std::string::npos);
    EXPECT_EQ(alkali[1].find("caesium") == std::string::npos, language == 0);
    EXPECT_EQ(alkali[2], "");
    const std::vector<std::string> glossary = FileLines(help / "glossary.linx");
    EXPECT_NE(std::find(glossary.begin(), glossary.end(), "<A HREF=\"alkali metals\">alkali metals</A>"),
              glossary.end());
    CloseProgressWindowIfOpen();
  }
}

// The four pictures are copied unchanged from the bundle under their short names.
// Each picture of the bundle's Contents/Resources and its copy in t/.
const std::pair<const char*, const char*> kPictureCopies[] = {
    {"periodic-320-vpod.jpg", "basic.jpg"},
    {"en-320-vpod.jpg", "en.jpg"},
    {"solid-liquid-gas-320-vpod.jpg", "state.jpg"},
    {"atwt-320-vpod.jpg", "weights.jpg"},
};

void ExpectFixturePicturesCopied(const fs::path& notesRoot) {
  for (const auto& [source, target] : kPictureCopies) {
    SCOPED_TRACE(target);
    EXPECT_EQ(ReadFileBytes(notesRoot / "t" / target), ReadFileBytes(FixtureBundleResources() / source));
  }
}

TEST_F(InstallTest, CopiesTheVisualTablesFromTheBundle) {
  ApplyInstallChoices({.monopolize = true, .visualTables = true});
  InstallOnVolume();
  ExpectFixturePicturesCopied(Notes());
}

// A picture missing from the bundle fails the install with the setup error: the tables copied
// before it stay, nothing after it is written, and no install is reported as done.
TEST_F(InstallTest, StopsAtAPictureTheBundleLacks) {
  const fs::path bundle = temp_ / "Atomnote 1.6.2 Installer.app";
  fs::create_directories(bundle / "Contents" / "Resources");
  for (const char* source : {"periodic-320-vpod.jpg", "en-320-vpod.jpg", "atwt-320-vpod.jpg"}) {
    fs::copy_file(FixtureBundleResources() / source, bundle / "Contents" / "Resources" / source);
  }
  ScopedBundle incomplete(bundle);
  ApplyInstallChoices({.monopolize = true, .visualTables = true});
  InstallOnVolume();

  EXPECT_EQ(MessageTexts(messages_),
            std::vector<std::string>{"48 | Error | Error #703: Generic setup error."});
  EXPECT_EQ(TreeListing(Notes() / "t"), (std::vector<std::string>{"basic.jpg", "en.jpg"}));
  EXPECT_TRUE(fs::exists(Notes() / "table.linx"));
  EXPECT_FALSE(fs::exists(Notes() / "about.linx"));
  EXPECT_FALSE(fs::exists(Notes() / "e"));
}

// The pictures come from the bundle named "Atomnote 1.6.2 Installer.app" in the folder the
// installer runs from, even when the running bundle has been renamed and holds pictures of its
// own.
TEST_F(InstallTest, FindsTheBundleByItsNameBesideTheRunningOne) {
  const fs::path named = temp_ / "Atomnote 1.6.2 Installer.app" / "Contents" / "Resources";
  const fs::path renamed = temp_ / "Atomnote copy.app" / "Contents" / "Resources";
  fs::create_directories(named);
  fs::create_directories(renamed);
  for (const auto& entry : fs::directory_iterator(FixtureBundleResources())) {
    fs::copy_file(entry.path(), named / entry.path().filename());
    WriteFileBytes(renamed / entry.path().filename(), "not this one");
  }
  ScopedBundle running(temp_ / "Atomnote copy.app");
  ApplyInstallChoices({.monopolize = true, .visualTables = true});
  InstallOnVolume();

  ExpectFixturePicturesCopied(Notes());
}

class CleanUpTest : public InstallTest, public ::testing::WithParamInterface<bool> {};

// An earlier install goes before the new one is written, whatever mode wrote it; the person's
// own notes in Notes, including one called index.linx, stay as they were.
TEST_P(CleanUpTest, RemovesAnEarlierInstallAndKeepsTheUsersNotes) {
  const fs::path notes = Notes();
  for (const char* folder : {"helixaNotes/e", "Atomnote/e", "e", "h", "g", "p", "t"}) {
    fs::create_directories(notes / folder);
    WriteFileBytes(notes / folder / "stale", "old");
  }
  for (const char* note : {"main.linx", "alpha.linx", "License Note.txt", "table.linx"}) {
    WriteFileBytes(notes / note, "old");
  }
  WriteFileBytes(notes / "index.linx", "my own index");
  WriteFileBytes(notes / "Shopping", "milk");
  fs::create_directories(notes / "Recipes");
  WriteFileBytes(notes / "Recipes" / "bread.linx", "flour");

  ApplyInstallChoices({.monopolize = GetParam()});
  InstallOnVolume();

  EXPECT_TRUE(messages_.messages().empty());
  EXPECT_FALSE(fs::exists(notes / "helixaNotes"));
  for (const auto& entry : fs::recursive_directory_iterator(notes)) {
    EXPECT_NE(entry.path().filename(), "stale") << entry.path();
    if (entry.is_regular_file()) {
      EXPECT_NE(ReadFileBytes(entry.path()), "old") << entry.path();
    }
  }
  EXPECT_EQ(fs::exists(notes / "main.linx"), GetParam());
  EXPECT_EQ(fs::exists(notes / "table.linx"), false);
  EXPECT_EQ(ReadFileBytes(notes / "index.linx"), "my own index");
  EXPECT_EQ(ReadFileBytes(notes / "Shopping"), "milk");
  EXPECT_EQ(ReadFileBytes(notes / "Recipes" / "bread.linx"), "flour");
}

INSTANTIATE_TEST_SUITE_P(Modes, CleanUpTest, ::testing::Bool(), ModeCaseName);

}  // namespace

namespace {

// Keeps the lock an install hands on with its element notes.
class LockKeepingWindow : public InstallerWindow {
 public:
  void StartElementNotes(const FolderItem& /*elementFolder*/, iPodLock lock) override {
    handedOn = std::move(lock);
  }
  iPodLock handedOn;
};

// The install holds the iPod from its first write and hands the lock on with the element notes;
// until the writer lets go, no other install or removal can start there.
TEST_F(InstallTest, HandsItsLockOnTheiPodToTheElementNotes) {
  ApplyInstallChoices({});
  iPodScanClass::GetiPodList();
  LockKeepingWindow window;

  window.createFolders();

  EXPECT_TRUE(messages_.messages().empty());
  EXPECT_TRUE(window.handedOn.IsHeld());
  EXPECT_TRUE(iPodLock::Take(FolderItem(Notes())).HeldElsewhere());
  window.handedOn.Release();
  EXPECT_TRUE(iPodLock::Take(FolderItem(Notes())).IsHeld());
}

}  // namespace
