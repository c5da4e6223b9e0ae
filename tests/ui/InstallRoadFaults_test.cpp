// The install and removal roads as a person takes them, on an iPod that does not behave: links
// that cannot be cleared away, an iPod unplugged between the scan and the click, a full iPod, one
// that goes away while the element notes are written, a read-only one, a volume mounted inside
// the notes, a second installer at work on the same iPod, a file-size limit. In every one the
// person's own notes on the iPod and every file outside it stay byte for byte, and no failure is
// reported as a success.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "data/ElementTables.h"
#include "framework/Application.h"
#include "framework/AtomnoteState.h"
#include "install/DeleteAnything.h"
#include "install/InstallTestSupport.h"
#include "install/widgets/ProgressWindowDisplay.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/PreferencesFile.h"
#include "support/ChildProcess.h"
#include "support/FixtureVolume.h"
#include "support/FolderSwapper.h"
#include "support/ScopedBindMount.h"
#include "support/ScopedImmutableFile.h"
#include "support/ScopedTmpfs.h"
#include "support/TestSupport.h"
#include "support/widgets/WindowEvents.h"
#include "ui/Window1.h"

namespace fs = std::filesystem;

namespace {

const std::string kCleanupError = "Atomnote Install cleanup error #928.";
const std::string kSetupError = "Error #703: Generic setup error.";
const std::string kElementsError = "Error #712: Generic error in createElements";
const std::string kCompleted = "dialog: Atomnote has been installed with your selected options on your iPod.";
const std::string kNotCompleted = "dialog: Atomnote was not completely installed on your iPod.";
const std::string kRemoved = "Atomnote has been successfully removed from your iPod.";
const std::string kNotAllRemoved = "Atomnote could not be removed completely from your iPod.";
const std::string kNothingInstalled = "Nothing was installed.";
const std::string kNothingRemoved = "Nothing was removed.";

// The first paragraph of each message shown: enough to tell the messages apart.
std::vector<std::string> FirstParagraphs(const std::vector<std::string>& shown) {
  std::vector<std::string> paragraphs;
  for (const std::string& text : shown) paragraphs.push_back(text.substr(0, text.find("\n\n")));
  return paragraphs;
}

// The person's notes in the iPod's Notes folder (index.linx directly in Notes is theirs too).
const std::vector<std::string> kPersonsNotes = {"Shopping", "Recipes/soup", "index.linx"};

// The progress window, which also lets a test act at a chosen point of the work: as the window
// opens (the iPod found still there and held open), or as the bar takes a value (after each
// element note, among others).
class InterruptibleProgressDisplay : public ProgressWindowDisplay {
 public:
  void Open(const std::string& title, const std::string& text) override {
    ProgressWindowDisplay::Open(title, text);
    if (onOpen) onOpen();
  }
  void SetValue(int value) override {
    ProgressWindowDisplay::SetValue(value);
    if (onValue) onValue(value);
  }

  std::function<void()> onOpen;
  std::function<void(int value)> onValue;
};

// A person's iPod (a folder laid out as one, or a small volume of its own where a test needs
// one), notes of theirs in it and files of theirs beside it, the main window of the installer
// with its real progress window, the real data, the built bundle, the preferences at their
// defaults, the host answering as 10.4, and a recording message sink that answers the completion
// dialog "Continue Using Installer". Every test ends by checking that the person's notes and
// files are as they were.
class InstallRoadFaultsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadShippedDataOnce(); }

  void SetUp() override {
    CloseProgressWindowIfOpen();
    setDefaultPreferences();
    App().globalMacOSVersion = 10.4;
    fs::create_directories(outside_ / "sub");
    for (const char* name : {"own.txt", "H", "Fe", "index.linx", "._keep", "sub/deep"}) {
      WriteFileBytes(outside_ / name, std::string("the person's ") + name);
    }
    outsideBefore_ = TreeContents(outside_);
  }

  void TearDown() override {
    SetOneOperationObserverForTesting(nullptr);
    window_.scanTimer().SetMode(Timer::kModeOff);
    CloseProgressWindowIfOpen();
    EXPECT_EQ(ChangedPaths(outsideBefore_, TreeContents(outside_)), std::vector<std::string>{})
        << "outside the iPod";
    for (const auto& [note, bytes] : personsNotes_) {
      if (personsNotesGone_) break;
      EXPECT_EQ(ReadFileBytes(Notes() / note), bytes) << note;
    }
    SetScanList({});
    ResetPreferenceGlobals();
    App().globalMacOSVersion = 0.0;
  }

  // Lays the iPod out, on a small volume of its own when bytes is given; false (with the reason
  // in skipReason_) when no volume can be mounted here.
  bool PrepareiPod(std::optional<std::size_t> bytes = std::nullopt) {
    if (bytes) {
      volume_.emplace(root_, *bytes);
      if (!volume_->mounted()) {
        skipReason_ = volume_->skipReason();
        return false;
      }
    }
    FixtureVolume(temp_.path(), "IPOD");
    fs::create_directories(Notes() / "Recipes");
    for (const std::string& note : kPersonsNotes) {
      WriteFileBytes(Notes() / note, "mine: " + note);
      personsNotes_[note] = "mine: " + note;
    }
    return true;
  }

  fs::path Notes() const { return root_ / "Notes"; }

  // Pulls the iPod out (unmounts it lazily, as a desktop does) just before the one-operation
  // delete of a folder removes its item-th item, counted from 1; with 0, just before it removes
  // the product folder itself.
  void PullOutWhenDeleting(int item) {
    SetOneOperationObserverForTesting([this, item, items = 0](const FolderItem& deleting) mutable {
      ++items;
      if (items == item || (item == 0 && deleting.Path() == Notes() / "Atomnote")) {
        volume_->Unmount();
        personsNotesGone_ = true;
      }
    });
  }

  // Opens the main window, which scans at once, and waits until it takes input.
  void OpenMainWindow() {
    window_.Show();
    ASSERT_TRUE(ShowAndWaitExposed(window_));
  }

  // Opens the main window and clicks one of its buttons.
  void Click(QPushButton& (Window1::*button)() const) {
    OpenMainWindow();
    QPushButton& control = (window_.*button)();
    ASSERT_TRUE(control.isEnabled()) << "the iPod was not found";
    ClickControl(window_, control);
  }

  // Opens the main window and clicks Install from within the running event loop, as the person
  // does (so that the worker's yields hand the turn on), then lets the loop run until the worker
  // has closed the progress window (at most a minute).
  void ClickInstallAndWait() {
    OpenMainWindow();
    ASSERT_TRUE(window_.PushButton1().isEnabled()) << "the iPod was not found";
    QEventLoop loop;
    bool clicked = false;
    QTimer::singleShot(0, &loop, [this, &clicked] {
      ClickControl(window_, window_.PushButton1());
      clicked = true;
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [this, &loop, &clicked] {
      if (clicked && !progress_->IsOpen()) loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
  }

  TempFolder temp_;
  fs::path root_ = temp_ / "IPOD";
  fs::path outside_ = temp_ / "outside";
  std::optional<ScopedTmpfs> volume_;
  std::string skipReason_;
  ScopedVolumes volumes_{{temp_ / "IPOD"}};
  ScopedBundle bundle_{fs::path(ATOMNOTE_BUNDLE_DIR)};
  ScopedRecordingSink messages_;
  ScopedProgressDisplay<InterruptibleProgressDisplay> progress_;
  Application application_;
  class Window1 window_;
  std::map<std::string, std::string> outsideBefore_;
  std::map<std::string, std::string> personsNotes_;
  // Set when the test takes the whole iPod away.
  bool personsNotesGone_ = false;
};

// ---- links where the installer writes, which its clean-up cannot delete ----

struct LinkCase {
  const char* name;
  bool monopolize;
  const char* link;  // in Notes
  std::vector<std::string> shown;
};

const LinkCase kLinkCases[] = {
    // The element notes' folder: the worker reports #712 at once, and the dialog says so.
    {"ElementFolder", true, "e", {kCleanupError, kElementsError, kNotCompleted}},
    {"ProductFolder", false, "Atomnote", {kCleanupError, kSetupError}},
    {"HelpFolder", true, "h", {kCleanupError, kSetupError}},
};

class LinkRoadTest : public InstallRoadFaultsTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkRoadTest, AreNeverWrittenThrough) {
  ASSERT_TRUE(PrepareiPod());
  fs::create_directory_symlink(outside_, Notes() / GetParam().link);
  const ScopedAppendOnlyFolder stuck(Notes());
  if (!stuck.applied()) GTEST_SKIP() << "append-only folders need root and a file system that keeps the flag";
  prefMonopolizeiPodNotes = GetParam().monopolize;

  ClickInstallAndWait();

  EXPECT_EQ(messages_.shown(), GetParam().shown);
  EXPECT_TRUE(fs::is_symlink(Notes() / GetParam().link));
}

INSTANTIATE_TEST_SUITE_P(Links, LinkRoadTest, ::testing::ValuesIn(kLinkCases),
                         [](const ::testing::TestParamInfo<LinkCase>& info) { return info.param.name; });

// ---- an iPod unplugged between the scan and the click ----

// The mount folder stays behind on the system's disk and even looks like an iPod there, with the
// installer's names in it: nothing there is written or deleted.
class UnpluggedRoadTest : public InstallRoadFaultsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(UnpluggedRoadTest, TouchesNothingWhereTheiPodWas) {
  const bool install = GetParam();
  if (!PrepareiPod(1024 * 1024)) GTEST_SKIP() << skipReason_;
  OpenMainWindow();
  ASSERT_TRUE(window_.PushButton1().isEnabled());
  volume_->Unmount();
  personsNotesGone_ = true;
  FixtureVolume(temp_.path(), "IPOD");
  for (const char* name : {"main.linx", "Atomnote/index.linx", "e/H", "Shopping"}) {
    fs::create_directories((Notes() / name).parent_path());
    WriteFileBytes(Notes() / name, "on the system's disk");
  }
  const std::map<std::string, std::string> before = TreeContents(root_);

  ClickControl(window_, install ? window_.PushButton1() : window_.PushButton2());

  EXPECT_EQ(FirstParagraphs(messages_.shown()),
            std::vector<std::string>{install ? kNothingInstalled : kNothingRemoved});
  EXPECT_EQ(ChangedPaths(before, TreeContents(root_)), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Buttons, UnpluggedRoadTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Install" : "Remove";
                         });

// ---- failures part-way end as failures ----

// The iPod fills up during the element notes: #712, then a dialog that says the install did not
// complete and how far it got, never that it was installed.
TEST_F(InstallRoadFaultsTest, AFullVolumeEndsInAnIncompleteInstall) {
  if (!PrepareiPod(400 * 1024)) GTEST_SKIP() << skipReason_;

  ClickInstallAndWait();

  EXPECT_EQ(messages_.shown(), (std::vector<std::string>{kElementsError, kNotCompleted}));
  ASSERT_EQ(messages_.dialogs().size(), 1u);
  std::smatch written;
  const std::string explanation = messages_.dialogs()[0].explanation;
  ASSERT_TRUE(std::regex_search(explanation, written, std::regex("after ([0-9]+) of the 111 elements")))
      << explanation;
  const int elements = std::stoi(written[1]);
  EXPECT_GT(elements, 0);
  EXPECT_LT(elements, 111);
  EXPECT_TRUE(fs::is_regular_file(Notes() / "Atomnote" / "e" / eGeneral(elements - 1, 1)));
}

// The iPod goes away while the element notes are written: pulled out once the bar has moved on
// from neon's note.
TEST_F(InstallRoadFaultsTest, AVolumeGoneDuringTheElementNotesEndsInAnIncompleteInstall) {
  if (!PrepareiPod(4 * 1024 * 1024)) GTEST_SKIP() << skipReason_;
  progress_->onValue = [this](int) {
    if (volume_->mounted() && fs::exists(Notes() / "Atomnote" / "e" / "Ne")) {
      volume_->Unmount();
      personsNotesGone_ = true;
    }
  };

  ClickInstallAndWait();

  EXPECT_FALSE(volume_->mounted()) << "the volume did not go during the element notes";
  EXPECT_EQ(messages_.shown(), (std::vector<std::string>{kElementsError, kNotCompleted}));
}

// Nothing can be deleted from a read-only iPod: each item says so, and the end too.
TEST_F(InstallRoadFaultsTest, ARemovalFromAReadOnlyiPodSaysNotAllWasRemoved) {
  if (!PrepareiPod(4 * 1024 * 1024)) GTEST_SKIP() << skipReason_;
  ClickInstallAndWait();
  ASSERT_EQ(messages_.shown(), std::vector<std::string>{kCompleted});
  messages_.ClearShown();
  const std::map<std::string, std::string> installed = TreeContents(Notes());
  ASSERT_TRUE(volume_->SetReadOnly(true));

  ClickControl(window_, window_.PushButton2());

  EXPECT_EQ(FirstParagraphs(messages_.shown()), (std::vector<std::string>{kCleanupError, kNotAllRemoved}));
  EXPECT_EQ(ChangedPaths(installed, TreeContents(Notes())), std::vector<std::string>{});
  volume_->SetReadOnly(false);
}

// The iPod is pulled out (unmounted lazily, as a desktop does) while the removal deletes the
// notes: at the first item, part-way, or with everything deleted but the product folder itself.
// Whatever was deleted before, the removal does not say that Atomnote was removed.
struct PulledCase {
  const char* name;
  int pulledAtItem;  // of the one-operation delete of the product folder, counted from 1
};

const PulledCase kPulledCases[] = {{"AtTheFirstItem", 1}, {"PartWay", 150}, {"AtTheProductFolder", 0}};

class PulledDuringTheRemovalTest : public InstallRoadFaultsTest,
                                   public ::testing::WithParamInterface<PulledCase> {};

TEST_P(PulledDuringTheRemovalTest, SaysNotAllWasRemoved) {
  if (!PrepareiPod(4 * 1024 * 1024)) GTEST_SKIP() << skipReason_;
  ClickInstallAndWait();
  ASSERT_EQ(messages_.shown(), std::vector<std::string>{kCompleted});
  messages_.ClearShown();
  PullOutWhenDeleting(GetParam().pulledAtItem);

  ClickControl(window_, window_.PushButton2());

  ASSERT_TRUE(personsNotesGone_) << "the iPod was not pulled out";
  EXPECT_EQ(FirstParagraphs(messages_.shown()), (std::vector<std::string>{kCleanupError, kNotAllRemoved}));
}

INSTANTIATE_TEST_SUITE_P(Pulled, PulledDuringTheRemovalTest, ::testing::ValuesIn(kPulledCases),
                         [](const ::testing::TestParamInfo<PulledCase>& info) { return info.param.name; });

// Pulled out while the install clears away the earlier install: the clean-up says it could not
// delete it, and the install ends in its error, never in the completion dialog.
TEST_F(InstallRoadFaultsTest, AniPodPulledDuringTheCleanUpBeforeAnInstallIsNeverTakenForCleaned) {
  if (!PrepareiPod(4 * 1024 * 1024)) GTEST_SKIP() << skipReason_;
  ClickInstallAndWait();
  ASSERT_EQ(messages_.shown(), std::vector<std::string>{kCompleted});
  messages_.ClearShown();
  PullOutWhenDeleting(150);

  ClickInstallAndWait();

  ASSERT_TRUE(personsNotesGone_) << "the iPod was not pulled out";
  EXPECT_EQ(messages_.shown(), (std::vector<std::string>{kCleanupError, kSetupError}));
  EXPECT_TRUE(fs::is_empty(root_)) << "the install wrote into the bare mount folder";
}

// Pulled out as the removal starts, on an iPod with nothing of Atomnote on it: nothing is left to
// delete, and still the removal does not say that Atomnote was removed, as it cannot tell what the
// iPod kept.
TEST_F(InstallRoadFaultsTest, AniPodPulledAsTheRemovalStartsIsNeverTakenForRemoved) {
  if (!PrepareiPod(4 * 1024 * 1024)) GTEST_SKIP() << skipReason_;
  // The progress window opens once the iPod has been found still there and held open.
  progress_->onOpen = [this] {
    volume_->Unmount();
    personsNotesGone_ = true;
  };

  Click(&Window1::PushButton2);

  ASSERT_TRUE(personsNotesGone_) << "the iPod was not pulled out";
  EXPECT_EQ(FirstParagraphs(messages_.shown()), std::vector<std::string>{kNotAllRemoved});
}

// The removal lets go of the iPod (its lock and the folders it holds open) before its last
// message, so that the iPod can be ejected while the message is up. Something mounted on the Notes
// folder (the folder bound onto itself) leaves the removal nothing it can reach: it says that
// nothing was removed, and removes nothing.
TEST_F(InstallRoadFaultsTest, TheRemovalLetsGoOfTheiPodBeforeItsLastMessage) {
  ASSERT_TRUE(PrepareiPod());
  ClickInstallAndWait();
  messages_.ClearShown();
  int openAtTheMessage = -1;
  messages_.OnMessageBox([this, &openAtTheMessage] { openAtTheMessage = DescriptorsOpenInside(root_); });

  ClickControl(window_, window_.PushButton2());

  EXPECT_EQ(FirstParagraphs(messages_.shown()), std::vector<std::string>{kRemoved});
  EXPECT_EQ(openAtTheMessage, 0);
}

TEST_F(InstallRoadFaultsTest, ARemovalThatCannotReachTheNotesFolderRemovesNothing) {
  ASSERT_TRUE(PrepareiPod());
  ClickInstallAndWait();
  messages_.ClearShown();
  const ScopedBindMount onItself(Notes(), Notes());
  if (!onItself.mounted()) GTEST_SKIP() << onItself.skipReason();
  const std::map<std::string, std::string> installed = TreeContents(Notes());

  ClickControl(window_, window_.PushButton2());

  EXPECT_EQ(FirstParagraphs(messages_.shown()), std::vector<std::string>{kNothingRemoved});
  EXPECT_EQ(ChangedPaths(installed, TreeContents(Notes())), std::vector<std::string>{});
}

// A volume of the person's mounted inside the product folder is not the iPod's: the removal
// leaves it, and everything on it, and says that not all could be removed.
TEST_F(InstallRoadFaultsTest, ARemovalLeavesAVolumeMountedInsideTheNotes) {
  if (!PrepareiPod(4 * 1024 * 1024)) GTEST_SKIP() << skipReason_;
  ClickInstallAndWait();
  ASSERT_EQ(messages_.shown(), std::vector<std::string>{kCompleted});
  messages_.ClearShown();
  const ScopedTmpfs inside(Notes() / "Atomnote" / "My Notes", 64 * 1024);
  ASSERT_TRUE(inside.mounted()) << inside.skipReason();
  WriteFileBytes(inside.root() / "diary", "mine");

  ClickControl(window_, window_.PushButton2());

  EXPECT_EQ(FirstParagraphs(messages_.shown()), (std::vector<std::string>{kCleanupError, kNotAllRemoved}));
  EXPECT_EQ(TreeListing(Notes() / "Atomnote"), (std::vector<std::string>{"My Notes/", "My Notes/diary"}));
  EXPECT_EQ(ReadFileBytes(inside.root() / "diary"), "mine");
}

// ---- another program swapping a folder of the tree for a link while the installer works ----

// Each road is taken this many times: where the swaps fall differs from run to run. A write or a
// delete sent through the link by a path looked up twice was seen in the first install, and in
// about nine removals in ten.
constexpr int kSwappedInstalls = 40;
constexpr int kSwappedRemovals = 15;
// How long the work waits for the other program's next swap at most: on a busy machine its
// thread may not have had a turn yet.
constexpr std::chrono::seconds kSwapWait(60);

// Another program that can write the iPod exchanges the element notes' folder with a link to the
// person's folder outside the iPod, over and over, while the element notes are written: nothing
// reaches the folder outside, however the swaps fall. (How the install ends depends on where
// they fall: complete, or ended by #712.) Where the folder has not been swapped since the
// progress window opened, the first element note waits for a swap, so that every install has
// the folder swapped under it.
TEST_F(InstallRoadFaultsTest, AFolderSwappedForALinkDuringTheInstallSendsNothingOutside) {
  ASSERT_TRUE(PrepareiPod());
  for (int run = 1; run <= kSwappedInstalls; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    const FolderSwapper swapper(Notes() / "Atomnote" / "e", outside_);
    long swapsAtTheStart = -1;
    progress_->onOpen = [&] { swapsAtTheStart = swapper.Swaps(); };
    progress_->onValue = [&](int) {
      if (swapper.Swaps() == swapsAtTheStart && fs::exists(Notes() / "Atomnote" / "e")) {
        swapper.WaitForASwap(kSwapWait);
      }
    };
    ClickInstallAndWait();
    progress_->onOpen = nullptr;
    progress_->onValue = nullptr;
    EXPECT_GE(swapsAtTheStart, 0) << "the install did not start";
    EXPECT_GT(swapper.Swaps(), swapsAtTheStart) << "nothing was swapped while the install ran";
    ASSERT_EQ(ChangedPaths(outsideBefore_, TreeContents(outside_)), std::vector<std::string>{});
  }
}

// The same while a removal deletes the element notes, the folder outside holding a file named like
// each of them: none of them is deleted. The first delete, and each element note in the folder
// as it goes, waits for a swap, so that every removal has the folder swapped under it, again and
// again.
TEST_F(InstallRoadFaultsTest, AFolderSwappedForALinkDuringTheRemovalDeletesNothingOutside) {
  ASSERT_TRUE(PrepareiPod());
  for (int row = 0; row <= kLastElementRow; ++row) {
    for (const std::string suffix : {"", "-i", "-n"}) {
      const std::string name = eGeneral(row, 1) + suffix;
      if (!fs::exists(outside_ / name)) WriteFileBytes(outside_ / name, "the person's " + name);
    }
  }
  outsideBefore_ = TreeContents(outside_);
  for (int run = 1; run <= kSwappedRemovals; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    ClickInstallAndWait();
    {
      const FolderSwapper swapper(Notes() / "Atomnote" / "e", outside_);
      std::optional<bool> swappedDuringTheRemoval;
      SetOneOperationObserverForTesting([&](const FolderItem& deleting) {
        if (swappedDuringTheRemoval == false) return;
        if (swappedDuringTheRemoval && deleting.Parent().Name() != "e") return;
        swappedDuringTheRemoval = swapper.WaitForASwap(kSwapWait);
      });
      ClickControl(window_, window_.PushButton2());
      SetOneOperationObserverForTesting(nullptr);
      EXPECT_EQ(swappedDuringTheRemoval, true) << "nothing was swapped while the removal ran";
    }
    ASSERT_EQ(ChangedPaths(outsideBefore_, TreeContents(outside_)), std::vector<std::string>{});
  }
}

// ---- another installer at work on the same iPod ----

// A second installer, in a process of its own, is part-way through an install (its menu notes
// written, its element notes to come): an install or a removal here says the iPod is busy and
// writes nothing; the other install then ends complete.
TEST_F(InstallRoadFaultsTest, ASecondInstallerOnTheSameiPodWritesNothing) {
  ASSERT_TRUE(PrepareiPod());
  ChildProcess other(ATOMNOTE_INSTALL_CHILD, {"install", root_.string(), "hold"});
  ASSERT_TRUE(other.Started());
  ASSERT_TRUE(other.WaitForLine("holding", std::chrono::seconds(60)));
  const std::map<std::string, std::string> partWay = TreeContents(Notes());

  Click(&Window1::PushButton1);
  ClickControl(window_, window_.PushButton2());

  EXPECT_EQ(FirstParagraphs(messages_.shown()),
            (std::vector<std::string>{kNothingInstalled, kNothingRemoved}));
  EXPECT_EQ(messages_.messages()[0].title, "iPod is busy.");
  EXPECT_EQ(ChangedPaths(partWay, TreeContents(Notes())), std::vector<std::string>{});

  other.SendLine("go on");
  ASSERT_TRUE(other.Finish(std::chrono::seconds(60)));
  EXPECT_EQ(other.Lines(), (std::vector<std::string>{"holding", kCompleted, "done"}));
  std::vector<std::string> elementNotes;
  for (int row = 0; row <= 110; ++row) {
    for (const std::string suffix : {"", "-i", "-n"}) elementNotes.push_back(eGeneral(row, 1) + suffix);
  }
  std::sort(elementNotes.begin(), elementNotes.end());
  EXPECT_EQ(TreeListing(Notes() / "Atomnote" / "e"), elementNotes);
}

// ---- a file-size limit ----

// Under `ulimit -f 2` the installer is not killed part-way through a note: the write fails and
// the install ends with its own error.
TEST_F(InstallRoadFaultsTest, AFileSizeLimitEndsInTheSetupErrorNotInACrash) {
  ASSERT_TRUE(PrepareiPod());
  ChildProcess limited(ATOMNOTE_INSTALL_CHILD, {"install", root_.string()}, {.fileSizeLimit = 2048});
  ASSERT_TRUE(limited.Started());

  ASSERT_TRUE(limited.Finish(std::chrono::seconds(60)));

  EXPECT_TRUE(limited.ExitedNormally()) << "the installer was killed";
  EXPECT_EQ(limited.Lines(), (std::vector<std::string>{"box: " + kSetupError, "done"}));
  EXPECT_LE(fs::file_size(Notes() / "Atomnote" / "alpha.linx"), 2048u);
}

}  // namespace
