#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/AtomnoteState.h"
#include "framework/FolderItem.h"
#include "framework/MessageSink.h"
#include "install/Eject.h"
#include "install/InstallSteps.h"
#include "install/InstallTestSupport.h"
#include "install/iPodLock.h"
#include "notes/threadClass.h"
#include "prefs/PreferenceGlobals.h"
#include "support/ScopedLaunchRecord.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

const char kCannotEject[] = "Could not eject the iPod. Use iTunes to eject the iPod before disconnecting it.";
const char kError712[] = "Error #712: Generic error in createElements";
const char kCannotEjectByHand[] =
    "Could not eject the iPod. Use iTunes or the Finder to eject the iPod before disconnecting it.";

const char kCompletionDialog[] =
    "dialog: Atomnote has been installed with your selected options on your iPod.";

int LinesIn(const fs::path& path) {
  const std::string text = ReadFileBytes(path);
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// A notes root with its e, h, p, g and t folders, the real tables, nothing selected (so the
// element notes are quick to write), an open progress window at 20 as the install leaves it, an
// installer bundle whose eject helper is a stub that records each run, and an application
// object that records a quit.
class WorkerRunTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadShippedDataOnce(); }

  void SetUp() override {
    CloseProgressWindowIfOpen();
    ResetPreferenceGlobals();
    messages_.OnDialog([this] { progressOpenAtDialog_ = progress_->IsOpen(); });
    for (const char* folder : {"e", "h", "p", "g", "t"}) fs::create_directories(root_ / folder);
    fs::create_directories(bundle_ / "Contents" / "MacOS");
    fs::create_directories(helper_.parent_path());
    Application::SetExecutableFileForTesting(bundle_ / "Contents" / "MacOS" / "AtomnoteInstaller");
    SetInstallProgressMaximum(100);
    SetInstallProgress(20);
  }

  void TearDown() override {
    CloseProgressWindowIfOpen();
    Application::SetExecutableFileForTesting({});
    App().globalMacOSVersion = 0.0;
    ResetPreferenceGlobals();
  }

  void PutStubHelper(fs::perms permissions = fs::perms::owner_all) {
    WriteFileBytes(helper_, "#!/bin/sh\necho ran >> '" + ejects_.string() + "'\n");
    fs::permissions(helper_, permissions);
  }

  // Starts a worker on startItem as the install does, keeping no reference to either, and lets
  // the event loop run until the worker is gone: it must keep itself alive until its run has
  // ended.
  void RunWorker(FolderItem startItem, bool stopFlagBefore = false, iPodLock lock = {}) {
    auto worker = std::make_shared<threadClass>();
    worker->startItem = std::move(startItem);
    worker->stopFuturermCMDs = stopFlagBefore;
    worker->installLock = std::move(lock);
    const std::weak_ptr<threadClass> watch = worker;
    worker->Run();
    worker.reset();
    ASSERT_FALSE(watch.expired()) << "the worker did not keep itself alive";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
    while (!watch.expired() && std::chrono::steady_clock::now() < deadline) QCoreApplication::processEvents();
    ASSERT_TRUE(watch.expired()) << "the worker's run did not end";
  }

  void RunWorker() { RunWorker(FolderItem(root_ / "e")); }

  TempFolder temp_;
  fs::path root_ = temp_ / "Notes" / "Atomnote";
  fs::path bundle_ = temp_ / "Atomnote 1.6.2 Installer.app";
  fs::path helper_ = bundle_ / "Contents" / "Resources" / "EjectIpod.app";
  fs::path ejects_ = temp_ / "ejects";
  // Every box and dialog in the order shown, and whether the progress window was open when the
  // dialog came.
  ScopedRecordingSink messages_;
  ScopedRecordingProgress progress_;
  bool progressOpenAtDialog_ = false;
  // The programs launched to run on their own (the eject at the end waits for its helper instead).
  ScopedLaunchRecord launches_;
  Application application_;
};

// The "._" clean-ups come in the order e, root, h, p, g (never t) and stop for good after the
// first folder that held none. A failure in the element notes skips the clean-up of e only. The
// flag starts cleared at every run.
TEST_F(WorkerRunTest, DotUnderscoreCleanUpsComeInOrderAndStopAtTheFirstEmptyFolder) {
  struct Case {
    const char* name;
    bool elementNotesFail;
    std::vector<std::string> dotFiles;
    std::vector<std::string> remaining;
  };
  const Case cases[] = {
      {"e holds none",
       false,
       {"._root", "h/._h", "p/._p", "g/._g", "t/._t"},
       {"._root", "h/._h", "p/._p", "g/._g", "t/._t"}},
      {"every folder holds one", false, {"e/._e", "._root", "h/._h", "p/._p", "g/._g", "t/._t"}, {"t/._t"}},
      {"h holds none", false, {"e/._e", "._root", "p/._p", "g/._g"}, {"p/._p", "g/._g"}},
      {"element notes fail", true, {"e/._e", "._root", "h/._h", "p/._p", "g/._g"}, {"e/._e"}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    fs::remove_all(root_ / "e");
    fs::create_directories(root_ / "e");
    if (test.elementNotesFail) fs::create_directories(root_ / "e" / "H");
    for (const std::string& file : test.dotFiles) WriteFileBytes(root_ / file, "fork");

    RunWorker(FolderItem(root_ / "e"), true);

    std::vector<std::string> remaining;
    for (const std::string& file : test.dotFiles) {
      if (fs::exists(root_ / file)) remaining.push_back(file);
    }
    EXPECT_EQ(remaining, test.remaining);
    for (const std::string& file : remaining) fs::remove(root_ / file);
  }
}

TEST_F(WorkerRunTest, ContinueUsingInstallerEndsTheRunWithTheInstallerOpen) {
  PutStubHelper();
  App().globalMacOSVersion = 10.4;
  messages_.SetDialogAnswer(MessageDialogAnswer::AlternateAction);

  RunWorker();

  EXPECT_EQ(messages_.shown(), std::vector<std::string>{kCompletionDialog});
  EXPECT_FALSE(progressOpenAtDialog_) << "the progress window is closed before the dialog";
  EXPECT_FALSE(progress_->IsOpen());
  EXPECT_FALSE(application_.QuitRequested());
  EXPECT_EQ(launches_.launched(), std::vector<fs::path>{}) << "the iPod was ejected";
  EXPECT_FALSE(fs::exists(ejects_)) << "the iPod was ejected";
}

// The action button ejects (from 10.4 on; before, it reads "Quit" and ejecting does nothing)
// and quits.
TEST_F(WorkerRunTest, TheActionButtonEjectsAndQuits) {
  struct Case {
    double version;
    bool ejects;
  };
  for (const Case& test : {Case{10.4, true}, Case{10.3, false}}) {
    SCOPED_TRACE(test.version);
    PutStubHelper();
    fs::remove(ejects_);
    App().globalMacOSVersion = test.version;
    messages_.SetDialogAnswer(MessageDialogAnswer::Action);
    Application application;

    RunWorker();

    EXPECT_EQ(messages_.shown().back(), kCompletionDialog);
    EXPECT_TRUE(application.QuitRequested());
    // The helper is waited for: it has run, or not, by the time the run ends.
    EXPECT_EQ(fs::exists(ejects_), test.ejects) << "whether the eject helper ran";
    EXPECT_EQ(launches_.launched(), std::vector<fs::path>{}) << "the helper was left running on its own";
    EXPECT_EQ(messages_.messages().size(), 0u);
  }
}

// The completion dialog still comes after an error in the element notes, with its two choices,
// but it says that the install did not complete, and how far it got.
// "Eject iPod and Quit" waits for the eject helper, with the windows responsive and the progress
// window telling what goes on; the installer quits only when the iPod was ejected. When the
// helper fails, or does not end in time, the person hears why and the installer stays open.
// Every helper waits until the event loop has had a turn while "Ejecting…" shows, so a wait that
// froze the windows would not end; the one that does not end in time never ends by itself, and
// must be stopped.
TEST_F(WorkerRunTest, EjectAndQuitWaitsForTheHelperAndQuitsOnlyWhenItEjected) {
  // Long enough for any helper that ends by itself, however busy the machine.
  constexpr std::chrono::milliseconds kAmpleTime = std::chrono::minutes(2);
  // Long enough for the slow helper to have started and said who it is, short of the two minutes
  // a real eject is given.
  constexpr std::chrono::milliseconds kShortTime = std::chrono::seconds(5);
  const fs::path turnCame = temp_ / "turn came";
  const fs::path helperPid = temp_ / "helper pid";
  const std::string waitForATurn = "while [ ! -e '" + turnCame.string() + "' ]; do sleep 0.01; done; ";
  struct Case {
    const char* name;
    std::string helper;  // the stub's shell commands
    std::chrono::milliseconds limit;
    bool quits;
    std::string reason;  // after the message that says how to eject by hand; empty when none
  };
  const Case cases[] = {
      {"ejected", waitForATurn + "echo ran >> '" + ejects_.string() + "'", kAmpleTime, true, ""},
      {"iPod in use",
       waitForATurn +
           "echo 'EjectIpod: umount /media/IPOD: failed with exit code 32: target is busy.' >&2; exit 1",
       kAmpleTime, false, "umount /media/IPOD: failed with exit code 32: target is busy."},
      {"failed without a word", waitForATurn + "exit 3", kAmpleTime, false,
       "The eject helper ended with exit code 3."},
      {"too slow", "echo $$ > '" + helperPid.string() + "'; " + waitForATurn + "exec sleep 1000", kShortTime,
       false, "The eject did not finish in time."},
  };
  App().globalMacOSVersion = 10.4;
  messages_.SetDialogAnswer(MessageDialogAnswer::Action);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFileBytes(helper_, "#!/bin/sh\n" + c.helper + "\n");
    fs::permissions(helper_, fs::perms::owner_all);
    fs::remove(ejects_);
    fs::remove(turnCame);
    fs::remove(helperPid);
    messages_.ClearShown();
    SetInstallProgressMaximum(100);
    SetEjectTimeLimitForTesting(c.limit);
    Application application;
    int ticksWhileEjecting = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
      if (!progress_->IsOpen() || progress_->title != "Ejecting…") return;
      ++ticksWhileEjecting;
      WriteFileBytes(turnCame, "");
    });
    tick.start(20);

    RunWorker();

    EXPECT_EQ(application.QuitRequested(), c.quits);
    EXPECT_GT(ticksWhileEjecting, 0) << "the event loop did not run while the helper ran";
    EXPECT_FALSE(progress_->IsOpen());
    if (c.quits) {
      EXPECT_EQ(LinesIn(ejects_), 1) << "the installer quit before the helper had ejected the iPod";
      EXPECT_EQ(messages_.shown(), std::vector<std::string>{kCompletionDialog});
    } else {
      EXPECT_EQ(
          messages_.shown(),
          (std::vector<std::string>{kCompletionDialog, std::string(kCannotEjectByHand) + "\n\n" + c.reason}));
    }
  }
  SetEjectTimeLimitForTesting(std::chrono::milliseconds(0));
  // The helper that took too long was stopped, not left running.
  const std::string pid = ReadFileBytes(helperPid);
  ASSERT_FALSE(pid.empty()) << "the slow helper did not start";
  EXPECT_FALSE(fs::exists("/proc/" + pid.substr(0, pid.find('\n')))) << "the slow helper was not stopped";
}

// Without the eject helper in the bundle the iPod cannot be ejected: the person hears how to eject
// it by hand, and the installer stays open, as it does when the helper fails.
TEST_F(WorkerRunTest, EjectAndQuitWithoutTheHelperSaysHowToEjectAndStaysOpen) {
  App().globalMacOSVersion = 10.4;
  messages_.SetDialogAnswer(MessageDialogAnswer::Action);

  RunWorker();

  EXPECT_EQ(messages_.shown(), (std::vector<std::string>{kCompletionDialog, kCannotEjectByHand}));
  EXPECT_FALSE(application_.QuitRequested());
  EXPECT_FALSE(progress_->IsOpen());
}

// The worker holds the install's lock on the iPod while it writes (here when its element notes
// fail and report it), so that no other install or removal can start there, and lets go of it,
// and of every folder of the iPod it holds open, before the completion dialog: anything still
// open there would keep the iPod from being ejected.
TEST_F(WorkerRunTest, HoldsTheiPodWhileWritingAndLetsGoBeforeTheDialog) {
  fs::create_directories(root_ / "e" / "Li");
  const FolderItem notes(root_.parent_path());
  bool heldWhileWriting = false;
  bool freeAtTheDialog = false;
  int openAtTheDialog = -1;
  messages_.OnMessageBox([&] { heldWhileWriting = iPodLock::Take(notes).HeldElsewhere(); });
  messages_.OnDialog([&] {
    freeAtTheDialog = iPodLock::Take(notes).IsHeld();
    openAtTheDialog = DescriptorsOpenInside(temp_.path());
  });
  iPodLock lock = iPodLock::Take(notes);
  ASSERT_TRUE(lock.IsHeld());

  RunWorker(FolderItem(root_ / "e").Held(), false, std::move(lock));

  EXPECT_EQ(messages_.shown().front(), kError712);
  EXPECT_TRUE(heldWhileWriting);
  EXPECT_TRUE(freeAtTheDialog);
  EXPECT_EQ(openAtTheDialog, 0);
}

TEST_F(WorkerRunTest, AfterAnErrorInTheElementNotesTheCompletionDialogStillComes) {
  fs::create_directories(root_ / "e" / "Li");
  messages_.SetDialogAnswer(MessageDialogAnswer::AlternateAction);

  RunWorker();

  EXPECT_EQ(
      messages_.shown(),
      (std::vector<std::string>{kError712, "dialog: Atomnote was not completely installed on your iPod."}));
  ASSERT_EQ(messages_.dialogs().size(), 1u);
  EXPECT_TRUE(messages_.dialogs()[0].explanation.starts_with(
      "An error stopped the install after 2 of the 111 elements were written."));
  EXPECT_FALSE(progressOpenAtDialog_);
  EXPECT_TRUE(fs::is_regular_file(root_ / "e" / "He"));
  EXPECT_FALSE(fs::exists(root_ / "e" / "Be"));
}

// Any other failure ends the run at once with the one plain message, and the installer does not
// quit: an eject helper that cannot be started (after the dialog), or no e folder item at all (a
// #712 first, then the run ends before the progress window is closed and the dialog shown).
TEST_F(WorkerRunTest, AnyOtherFailureEndsTheRunWithTheEjectMessageAndNoQuit) {
  PutStubHelper(fs::perms::owner_read | fs::perms::owner_write);
  App().globalMacOSVersion = 10.4;
  messages_.SetDialogAnswer(MessageDialogAnswer::Action);

  RunWorker();

  EXPECT_EQ(messages_.shown(), (std::vector<std::string>{kCompletionDialog, kCannotEject}));
  ASSERT_EQ(messages_.messages().size(), 1u);
  EXPECT_EQ(messages_.messages()[0].icon, 0);
  EXPECT_EQ(messages_.messages()[0].title, "");
  EXPECT_FALSE(application_.QuitRequested());

  messages_.ClearShown();
  SetInstallProgressMaximum(100);
  RunWorker(FolderItem());
  EXPECT_EQ(messages_.shown(), (std::vector<std::string>{kError712, kCannotEject}));
  EXPECT_TRUE(progress_->IsOpen()) << "the steps after the failure are skipped";
  EXPECT_FALSE(application_.QuitRequested());
}

}  // namespace
