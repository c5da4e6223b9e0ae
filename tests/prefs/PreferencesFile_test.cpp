#include "prefs/PreferencesFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/FolderItem.h"
#include "prefs/PreferenceGlobals.h"
#include "support/FixtureVolume.h"
#include "support/ScopedFileSizeLimit.h"
#include "support/ScopedImmutableFile.h"
#include "support/ScopedTimeSlice.h"
#include "support/TestSupport.h"

// Set in a process of a test's own: the next rename kills it, as a save killed between writing
// its new file and renaming it over the old one would be.
static bool gKillAtRename = false;

// This test program's rename stands in for the C library's, for the program's code and the
// libraries alike; unless a test asks for the kill, it renames as the C library does.
extern "C" int rename(const char* from, const char* to) noexcept {
  if (gKillAtRename) std::raise(SIGKILL);
  return ::renameat(AT_FDCWD, from, AT_FDCWD, to);
}

namespace {

// The processor time this thread has used so far.
std::chrono::nanoseconds ThreadTime() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

const std::string kDefaultFile =
    "-- Hollowbrook Works' Atomnote Preferences File --\n"
    "-- File version 1.0 -- Editing is not recommended --\n"
    "---------------------------------------------------------------\n"
    "---- General Settings ----\n"
    "prefLanguage=0\n"
    "prefMonopolizeiPodNotes=0\n"
    "prefVisualTables=1\n"
    "prefOmitBlanks=1\n"
    "prefGlossary=0\n"
    "prefDiskUseReminder=1\n"
    "prefLastUsedVersion=1.6.2\n"
    "---- iPod load settings ----\n"
    "prefPhysical=1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n"
    "prefIsotope=1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n"
    "prefMisc=1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n"
    "prefBonding=1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n"
    "prefCrystal=1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n"
    "prefAbundances=1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n"
    "---- Unit Settings ----\n"
    "prefUnits=0 0 0 8 8 3 0 0 0 0 0 0 8 0 1 1 0\n";

const std::string kUpdateMessageStart = "Thank you for updating to Atomnote 1.6.2!";

// A preferences folder of its own for every test, and the globals as at program start.
class PreferencesFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetPreferenceGlobals(); }
  void TearDown() override { ResetPreferenceGlobals(); }

  std::filesystem::path FilePath() const { return folder_ / "Atomnote Preferences"; }
  void WriteFile(const std::string& content) const { WriteFileBytes(FilePath(), content); }
  std::string FileContent() const { return ReadFileBytes(FilePath()); }

  std::vector<int> Units() const {
    std::vector<int> units;
    for (int j = 0; j <= kUnitQuantityUpperBound; ++j) units.push_back(prefUnits(j));
    return units;
  }

  TempFolder folder_;
  ScopedEnvironment config_{"XDG_CONFIG_HOME", folder_.path().string()};
  ScopedRecordingSink messages_;
};

TEST_F(PreferencesFileTest, FirstRunAppliesDefaultsAndWritesThemAtOnce) {
  loadPreferences();

  EXPECT_TRUE(gIsNewUser);
  EXPECT_EQ(prefLastUsedVersion, "1.5");  // the written file says 1.6.2; this run keeps 1.5
  EXPECT_TRUE(prefVisualTables);
  EXPECT_TRUE(prefOmitBlanks);
  EXPECT_TRUE(prefDiskUseReminder);
  EXPECT_FALSE(prefGlossary);
  EXPECT_EQ(Units(), (std::vector<int>{0, 0, 0, 8, 8, 3, 0, 0, 0, 0, 0, 0, 8, 0, 1, 1, 0}));
  EXPECT_EQ(FileContent(), kDefaultFile);
  EXPECT_TRUE(messages_.messages().empty());
}

TEST_F(PreferencesFileTest, SavedFileCarriesTypeAndCreator) {
  savePreferences();
  FolderItem file(FilePath());
  if (file.MacCreator().empty()) GTEST_SKIP() << "this file system keeps no extended attributes";
  EXPECT_EQ(file.MacType(), "pref");
  EXPECT_EQ(file.MacCreator(), "vølk");
}

TEST_F(PreferencesFileTest, SaveThenLoadGivesBackEveryGlobal) {
  setDefaultPreferences();
  prefLanguage = 1;
  prefMonopolizeiPodNotes = true;
  prefVisualTables = false;
  prefOmitBlanks = false;
  prefGlossary = true;
  prefDiskUseReminder = false;
  prefPhysical = "1 0 1 0 1 0 1 0 ";
  prefCrystal = "0 0 0 0 0 0 0 0 1 ";
  prefBonding = "1 1 1 1 1 1 1 1 1 1 1 1 0 ";
  prefAbundances = "0 1 0 1 ";
  prefMisc = "1 0 ";
  prefIsotope = "0 ";
  for (int j = 0; j <= kUnitQuantityUpperBound; ++j) prefUnits(j) = j;
  savePreferences();

  ResetPreferenceGlobals();
  gIsNewUser = true;
  loadPreferences();

  EXPECT_FALSE(gIsNewUser);
  EXPECT_EQ(prefLanguage, 1);
  EXPECT_TRUE(prefMonopolizeiPodNotes);
  EXPECT_FALSE(prefVisualTables);
  EXPECT_FALSE(prefOmitBlanks);
  EXPECT_TRUE(prefGlossary);
  EXPECT_FALSE(prefDiskUseReminder);
  EXPECT_EQ(prefLastUsedVersion, "1.6.2");
  // Values are trimmed: the trailing blank the main window writes does not come back.
  EXPECT_EQ(prefPhysical, "1 0 1 0 1 0 1 0");
  EXPECT_EQ(prefCrystal, "0 0 0 0 0 0 0 0 1");
  EXPECT_EQ(prefBonding, "1 1 1 1 1 1 1 1 1 1 1 1 0");
  EXPECT_EQ(prefAbundances, "0 1 0 1");
  EXPECT_EQ(prefMisc, "1 0");
  EXPECT_EQ(prefIsotope, "0");
  EXPECT_EQ(Units(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
  EXPECT_TRUE(messages_.messages().empty());
}

struct VersionCase {
  std::string lines;
  int updateMessages;
  bool newUser;
  std::string lastUsedVersion;
};

TEST_F(PreferencesFileTest, OlderVersionShowsTheUpdateMessage) {
  const VersionCase cases[] = {
      {"prefLastUsedVersion=1.5\n", 1, true, "1.5"},
      {"prefLastUsedVersion=1.6.1\n", 0, false, "1.6.1"},
      {"prefLastUsedVersion=1.6.2\n", 0, false, "1.6.2"},
      {"prefLastUsedVersion=1.6.0\n", 0, false, "1.6.0"},
      {"prefLastUsedVersion=1.4\nprefLastUsedVersion=1.5\n", 2, true, "1.5"},
      {"prefLastUsedVersion=\n", 1, true, ""},  // no number reads as 0
  };
  for (const VersionCase& c : cases) {
    SCOPED_TRACE(c.lines);
    ScopedRecordingSink messages;
    WriteFile(c.lines);
    gIsNewUser = false;
    loadPreferences();
    ASSERT_EQ(int(messages.messages().size()), c.updateMessages);
    for (const MessageBoxRecord& message : messages.messages()) {
      EXPECT_EQ(message.text.rfind(kUpdateMessageStart, 0), 0u);
      EXPECT_EQ(message.title, "");
      EXPECT_EQ(message.icon, 0);
    }
    EXPECT_EQ(gIsNewUser, c.newUser);
    EXPECT_EQ(prefLastUsedVersion, c.lastUsedVersion);
  }
}

TEST_F(PreferencesFileTest, FlagIsSetOnlyByTheNumberOne) {
  const std::pair<std::string, bool> cases[] = {
      {"prefGlossary=1", true},   {"  prefGlossary  =  1  ", true}, {"prefGlossary=1.0", true},
      {"prefGlossary=1\r", true}, {"prefGlossary=true", false},     {"prefGlossary=2", false},
      {"prefGlossary=0", false},  {"prefGlossary=", false},         {"prefGlossary", false},
      {"PREFGLOSSARY=1", false},  // keys are compared as written
  };
  for (const auto& [line, expected] : cases) {
    SCOPED_TRACE(line);
    WriteFile(line + "\n");
    loadPreferences();
    EXPECT_EQ(prefGlossary, expected);
  }
}

TEST_F(PreferencesFileTest, NumbersAreReadAsTheirLeadingInteger) {
  const std::pair<std::string, int> cases[] = {
      {"1", 1}, {"1.7", 1}, {"-2", -2}, {"abc", 0}, {"", 0}, {"1e12", 2147483647},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(value);
    WriteFile("prefLanguage=" + value + "\n");
    loadPreferences();
    EXPECT_EQ(prefLanguage, expected);
  }
}

TEST_F(PreferencesFileTest, ShortUnitsLineLeavesTheRestZeroNotDefault) {
  WriteFile("prefUnits=3 1\n");
  loadPreferences();
  EXPECT_EQ(Units(), (std::vector<int>{3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(PreferencesFileTest, LaterLineWinsAndValueEndsAtASecondEquals) {
  WriteFile("prefPhysical=1 1\nprefPhysical=0 1 0\nprefMisc=1 0=junk\n");
  loadPreferences();
  EXPECT_EQ(prefPhysical, "0 1 0");
  EXPECT_EQ(prefMisc, "1 0");
}

TEST_F(PreferencesFileTest, UnknownLinesVanishAtTheNextSave) {
  WriteFile("# a comment\nprefFavourite=argon\n" + kDefaultFile + "trailing words\n");
  loadPreferences();
  savePreferences();
  EXPECT_EQ(FileContent(), kDefaultFile);
}

// Files written on other systems, by hand or by the earlier Mac versions: every line end and a
// leading byte-order mark are read alike, and the next save writes the same settings back.
TEST_F(PreferencesFileTest, ReadsEveryLineEndAndAByteOrderMark) {
  const std::vector<std::string> lines = {"prefLanguage=1", "prefGlossary=1", "prefUnits=3 1 2",
                                          "prefLastUsedVersion=1.6.2"};
  struct Case {
    const char* name;
    std::string start;
    std::string lineEnd;
  };
  const Case cases[] = {
      {"LF", "", "\n"},
      {"CR LF", "", "\r\n"},
      {"CR", "", "\r"},
      {"byte-order mark and LF", "\xEF\xBB\xBF", "\n"},
      {"byte-order mark and CR", "\xEF\xBB\xBF", "\r"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string content = c.start;
    for (const std::string& line : lines) content += line + c.lineEnd;
    WriteFile(content);
    ResetPreferenceGlobals();

    loadPreferences();

    EXPECT_EQ(prefLanguage, 1);
    EXPECT_TRUE(prefGlossary);
    EXPECT_EQ(Units(), (std::vector<int>{3, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(gIsNewUser);
    savePreferences();
    const std::string saved = FileContent();
    EXPECT_NE(saved.find("\nprefLanguage=1\n"), std::string::npos);
    EXPECT_NE(saved.find("\nprefGlossary=1\n"), std::string::npos);
    EXPECT_NE(saved.find("\nprefUnits=3 1 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n"), std::string::npos);
  }
  EXPECT_TRUE(messages_.messages().empty());
}

// What is not a plain file that can be read (a folder, a pipe nobody writes to, a link to a device
// that never ends) counts as unreadable: the defaults stay, without a message and without waiting.
// At quit it is not replaced either: the message that the preferences could not be saved.
TEST_F(PreferencesFileTest, WhatIsNotAPlainFileIsLeftUnreadAndNeverReplaced) {
  const std::string notSaved =
      "48 | Error | For some reason, the preferences could not be saved.  Perhaps your "
      "startup disk is full, or is on a non-writable drive (e.g. CD or DVD).";
  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
  };
  const Case cases[] = {
      {"a folder",
       [](const std::filesystem::path& path) {
         std::filesystem::create_directory(path);
         WriteFileBytes(path / "inside", "kept");
       }},
      {"a pipe", [](const std::filesystem::path& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }},
      {"a link to an endless device",
       [](const std::filesystem::path& path) { std::filesystem::create_symlink("/dev/zero", path); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.make(FilePath());
    const std::map<std::string, std::string> before = TreeContents(folder_.path());
    ResetPreferenceGlobals();
    ScopedRecordingSink messages;

    loadPreferences();
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_TRUE(prefVisualTables);
    EXPECT_EQ(prefLastUsedVersion, "1.5");
    EXPECT_FALSE(gIsNewUser);
    savePreferences();

    EXPECT_EQ(MessageTexts(messages), std::vector<std::string>{notSaved});
    EXPECT_EQ(TreeContents(folder_.path()), before);
    std::filesystem::remove_all(FilePath());
  }
}

// How long reading the first MiB of a huge file may take: well under a second, and a few seconds
// in a build without optimisation, which reads about fifteen times slower. A reader that handed
// the turn on at every line took fourteen seconds.
#ifdef __OPTIMIZE__
constexpr std::chrono::milliseconds kQuickRead{500};
#else
constexpr std::chrono::milliseconds kQuickRead{3000};
#endif

// However large the file, only its first MiB is read, and loading it at start-up (with the
// event loop running, and every yield the reader makes handing the turn on) is quick: the reader
// hands the turn on at most once a millisecond, whatever the speed of the machine, where handing
// it on at every line cost more than the reading. The time counted is the processor's time for
// this thread, which other programs running at once on a busy machine do not lengthen.
TEST_F(PreferencesFileTest, AHugeFileIsReadQuicklyAndOnlyItsBeginning) {
  WriteFile("prefLanguage=1\n" + std::string(10 * 1024 * 1024, '\n') + "prefGlossary=1\n");
  std::chrono::nanoseconds took{};
  qint64 readingMs = -1;
  int turns = 0;
  int turnsWhileReading = -1;
  const ScopedTimeSlice everyYield(std::chrono::milliseconds(0));
  QTimer eachTurn;
  QObject::connect(&eachTurn, &QTimer::timeout, [&turns] { ++turns; });
  eachTurn.start(0);
  QTimer::singleShot(0, [&] {
    QElapsedTimer reading;
    reading.start();
    const int turnsBefore = turns;
    const std::chrono::nanoseconds start = ThreadTime();
    loadPreferences();
    took = ThreadTime() - start;
    turnsWhileReading = turns - turnsBefore;
    readingMs = reading.elapsed();
    QCoreApplication::exit(0);
  });
  QCoreApplication::exec();

  EXPECT_LT(took, kQuickRead);
  EXPECT_LE(turnsWhileReading, readingMs + 1) << "handed the turn on more than once a millisecond";
  EXPECT_EQ(prefLanguage, 1);
  EXPECT_FALSE(prefGlossary) << "read past the first MiB";
  EXPECT_TRUE(messages_.messages().empty());
}

// The preferences folder is a plain file: there is no preferences folder.
class PreferencesFileWithoutFolderTest : public ::testing::Test {
 protected:
  PreferencesFileWithoutFolderTest() { WriteFileBytes(folder / "not-a-folder", "x"); }
  ~PreferencesFileWithoutFolderTest() override { ResetPreferenceGlobals(); }

  TempFolder folder;
  ScopedEnvironment config{"XDG_CONFIG_HOME", (folder / "not-a-folder").string()};
  ScopedRecordingSink messages;
};

// Nothing to read: message #89, and the defaults stay.
TEST_F(PreferencesFileWithoutFolderTest, LoadShowsError89AndKeepsTheDefaults) {
  loadPreferences();

  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_NE(messages.messages()[0].text.find("(Error #89)"), std::string::npos);
  EXPECT_EQ(messages.messages()[0].title, "Error");
  EXPECT_EQ(messages.messages()[0].icon, 48);
  EXPECT_TRUE(prefVisualTables);
  EXPECT_EQ(prefLastUsedVersion, "1.5");
}

TEST_F(PreferencesFileWithoutFolderTest, SaveSaysThePreferencesCouldNotBeSaved) {
  savePreferences();

  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text.rfind("For some reason, the preferences could not be saved.", 0), 0u);
  EXPECT_EQ(messages.messages()[0].title, "Error");
  EXPECT_EQ(ReadFileBytes(folder / "not-a-folder"), "x");
}

TEST_F(PreferencesFileTest, SaveThatFailsPartWayKeepsTheEarlierFile) {
  const std::string earlier = "prefLanguage=1\nprefGlossary=1\n";
  WriteFile(earlier);
  setDefaultPreferences();
  {
    ScopedFileSizeLimit limit(100);  // the new file is far larger
    savePreferences();
  }

  ASSERT_EQ(messages_.messages().size(), 1u);
  EXPECT_NE(messages_.messages()[0].text.find("(Error #7)"), std::string::npos);
  EXPECT_EQ(messages_.messages()[0].title, "Error");
  EXPECT_EQ(FileContent(), earlier);
  // Nothing half-written is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

// A save killed between writing its new file and renaming it leaves that file, complete and hidden,
// beside the earlier preferences, which it never touched. The next save removes it, even one that
// is killed in turn, so such files never pile up.
[[noreturn]] void SaveKilledAtRename() {
  gKillAtRename = true;
  savePreferences();
  std::_Exit(0);  // not killed: the save never renamed its new file
}

std::vector<std::string> NamesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(PreferencesFileTest, TheNextSaveRemovesTheNewFileOfASaveKilledBeforeItsRename) {
  const std::string earlier = "prefLanguage=1\nprefGlossary=1\n";
  WriteFile(earlier);
  setDefaultPreferences();
  for (const char* kill : {"first kill", "second kill"}) {
    SCOPED_TRACE(kill);
    EXPECT_EXIT(SaveKilledAtRename(), ::testing::KilledBySignal(SIGKILL), "");

    std::vector<std::string> leftovers = NamesIn(folder_.path());
    std::erase(leftovers, "Atomnote Preferences");
    ASSERT_EQ(leftovers.size(), 1u);
    EXPECT_TRUE(leftovers[0].starts_with(".atomnote-new-")) << leftovers[0];
    EXPECT_EQ(ReadFileBytes(folder_ / leftovers[0]), kDefaultFile);
    EXPECT_EQ(FileContent(), earlier);
  }

  savePreferences();

  EXPECT_EQ(NamesIn(folder_.path()), std::vector<std::string>{"Atomnote Preferences"});
  EXPECT_EQ(FileContent(), kDefaultFile);
  EXPECT_TRUE(messages_.messages().empty());
}

// Only the save's own kind of new file goes: a plain file named ".atomnote-new-" and six letters
// or digits. Names that only look alike, and folders, links and pipes of that name, stay as they
// were, and so does what they hold or point to, byte for byte.
TEST_F(PreferencesFileTest, ASaveRemovesNothingButItsOwnLeftoverNewFiles) {
  namespace fs = std::filesystem;
  const auto plainFile = [](std::string bytes) {
    return [bytes](const fs::path& path) { WriteFileBytes(path, bytes); };
  };
  struct Case {
    std::string name;
    std::function<void(const fs::path&)> make;
    bool removed;
  };
  const Case cases[] = {
      {".atomnote-new-Ab3xZ9", plainFile("prefLanguage=1\n"), true},
      {".atomnote-new-AAAAAA", plainFile("prefGlossary=1\n"), true},
      {".atomnote-new-z09zz9", plainFile("prefUnits=1"), true},
      {".atomnote-new-q1W2e3", plainFile(""), true},  // killed before it wrote a line
      {"my notes", plainFile(std::string("argon\0neon\r\nxenon", 17)), false},
      {".atomnote-new-", plainFile("a"), false},
      {".atomnote-new-abc", plainFile("b"), false},
      {".atomnote-new-ABCDEFG", plainFile("c"), false},
      {".atomnote-new-ABC-EF", plainFile("d"), false},
      {".atomnote-new-ABC_EF", plainFile("e"), false},
      {".atomnote-new-ABCD\xC3\x89", plainFile("f"), false},  // six bytes, but not six letters
      {".atomnote-new-ABCDEF.txt", plainFile("g"), false},
      {".atomnote-old-ABCDEF", plainFile("h"), false},
      {".Atomnote-new-ABCDEF", plainFile("i"), false},
      {"atomnote-new-ABCDEF", plainFile("j"), false},
      {"x.atomnote-new-ABCDEF", plainFile("k"), false},
      {".atomnote-new-Folder",
       [](const fs::path& path) {
         fs::create_directory(path);
         WriteFileBytes(path / ".atomnote-new-Inside", "a file of that name one folder down");
       },
       false},
      {".atomnote-new-LinkTo", [](const fs::path& path) { fs::create_symlink("my notes", path); }, false},
      {".atomnote-new-Broken", [](const fs::path& path) { fs::create_symlink("nowhere", path); }, false},
      {".atomnote-new-Pipe00", [](const fs::path& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }, false},
  };
  WriteFile(kDefaultFile);
  for (const Case& c : cases) c.make(folder_ / c.name);
  std::map<std::string, std::string> expected = TreeContents(folder_.path());
  for (const Case& c : cases) {
    if (c.removed) expected.erase(c.name);
  }
  prefLanguage = 1;

  savePreferences();

  std::map<std::string, std::string> after = TreeContents(folder_.path());
  EXPECT_NE(after["Atomnote Preferences"].find("\nprefLanguage=1\n"), std::string::npos);
  after["Atomnote Preferences"] = kDefaultFile;
  EXPECT_EQ(ChangedPaths(expected, after), std::vector<std::string>{});
  EXPECT_TRUE(messages_.messages().empty());
}

// A leftover that cannot be removed stays, and the save goes on as if it were not there.
TEST_F(PreferencesFileTest, ALeftoverThatCannotBeRemovedNeverFailsTheSave) {
  const std::filesystem::path leftover = folder_ / ".atomnote-new-Stuck1";
  WriteFileBytes(leftover, "prefLanguage=1\n");
  const ScopedImmutableFile stuck(leftover);
  if (!stuck.applied()) GTEST_SKIP() << "marking a file immutable needs root and a file system that keeps it";
  setDefaultPreferences();

  savePreferences();

  EXPECT_TRUE(messages_.messages().empty());
  EXPECT_EQ(FileContent(), kDefaultFile);
  EXPECT_EQ(ReadFileBytes(leftover), "prefLanguage=1\n");
  EXPECT_EQ(NamesIn(folder_.path()),
            (std::vector<std::string>{".atomnote-new-Stuck1", "Atomnote Preferences"}));
}

// A file the user may neither read nor write (mode 000, the installer running as an ordinary
// user): the defaults stay without a message, and at quit the file is left as it was, with the
// message that the preferences could not be saved. Root may read and write anything, so the
// load and save run as the unprivileged user "nobody", in a process of their own.
[[noreturn]] void LoadAndSaveAsNobody() {
  if (setgid(65534) != 0 || setuid(65534) != 0) std::_Exit(2);
  ScopedRecordingSink messages;
  ResetPreferenceGlobals();
  loadPreferences();
  if (!messages.messages().empty() || !prefVisualTables) std::_Exit(3);
  savePreferences();
  if (messages.messages().size() != 1 ||
      !messages.messages()[0].text.starts_with("For some reason, the preferences could not be saved.")) {
    std::_Exit(4);
  }
  std::_Exit(0);
}

TEST_F(PreferencesFileTest, AFileTheUserCannotReadOrWriteIsNeverReplaced) {
  if (geteuid() != 0) GTEST_SKIP() << "switching to the user nobody needs root";
  std::filesystem::permissions(folder_.path(), std::filesystem::perms::all);
  WriteFile("prefLanguage=1\n");
  std::filesystem::permissions(FilePath(), std::filesystem::perms::none);

  EXPECT_EXIT(LoadAndSaveAsNobody(), ::testing::ExitedWithCode(0), "");

  EXPECT_EQ(FileContent(), "prefLanguage=1\n");
  EXPECT_EQ(std::filesystem::status(FilePath()).permissions(), std::filesystem::perms::none);
}

}  // namespace
