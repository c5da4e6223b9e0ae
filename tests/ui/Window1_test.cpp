#include "ui/Window1.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "framework/Application.h"
#include "install/iPodScanClass.h"
#include "prefs/PreferenceGlobals.h"
#include "support/FixtureVolume.h"
#include "support/TestSupport.h"
#include "support/widgets/WindowEvents.h"

namespace {

const char kDesignStatusText[] =
    "Your iPod must be connected with disk mode enabled before you can install or remove Atomnote.";

// An application object that only records a quit request.
class QuitRecorder : public Application {};

TEST(Window1, OneInstance) { EXPECT_EQ(&Window1(), &Window1()); }

TEST(Window1, ControlsFoundByNameInTheirDesignState) {
  const class Window1 window;
  EXPECT_EQ(window.Title(), "Atomnote Installer");

  struct ButtonCase {
    const char* name;
    const char* caption;
  };
  for (const ButtonCase& button : {ButtonCase{"PushButton1", "Install Atomnote on iPod"},
                                   ButtonCase{"PushButton2", "Remove Atomnote from iPod"}}) {
    SCOPED_TRACE(button.name);
    // Found by name, as other code finds them, and the same as the typed accessors give.
    const QPushButton& control = window.ControlAs<QPushButton>(button.name);
    EXPECT_EQ(control.text(), button.caption);
    EXPECT_FALSE(control.isEnabled());
  }

  EXPECT_EQ(&window.PushButton1(), window.Control("PushButton1"));
  EXPECT_EQ(&window.PushButton2(), window.Control("PushButton2"));
  EXPECT_EQ(&window.ErrorStatic(), window.Control("ErrorStatic"));

  const QLabel& status = window.ErrorStatic();
  EXPECT_EQ(status.text(), kDesignStatusText);
  // A volume name in the status line is shown as it is, never read as markup.
  EXPECT_EQ(status.textFormat(), Qt::PlainText);

  EXPECT_FALSE(window.scanTimer.isActive()) << "started by the window's Open";
}

// One iPod named "Pod" mounted, and a main window of the test's own.
class Window1WithPodTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (FolderItem(pod_.root() / "iPod_Control").Visible()) {
      GTEST_SKIP() << "the temporary folder keeps no extended attributes, so no folder can be made invisible";
    }
  }

  TempFolder temp_;
  const FixtureVolume pod_{temp_.path(), "Pod"};
  const ScopedVolumes mounted_{{pod_.root()}};
  class Window1 window;
};

TEST_F(Window1WithPodTest, EachTickOfTheScanTimerScans) {
  const QLabel& status = window.ErrorStatic();
  window.scanTimer.start(0);
  WaitFor([&] { return status.text() != kDesignStatusText; });
  window.scanTimer.stop();
  EXPECT_EQ(status.text(), "Ready to install Atomnote on the attached iPod named \"Pod\".");
  EXPECT_TRUE(window.PushButton1().isEnabled());
  EXPECT_TRUE(window.PushButton2().isEnabled());
}

TEST_F(Window1WithPodTest, OpeningScansAtOnceAndStartsTheScanTimer) {
  window.Show();

  EXPECT_EQ(window.ErrorStatic().text(), "Ready to install Atomnote on the attached iPod named \"Pod\".");
  EXPECT_TRUE(window.scanTimer.isActive());
  EXPECT_EQ(window.scanTimer.interval(), 2200);
  EXPECT_FALSE(window.scanTimer.isSingleShot());
}

TEST(Window1, ClosingStoresTheSelectionAndAsksToQuit) {
  ResetPreferenceGlobals();
  const ScopedVolumes noVolumes({});
  QuitRecorder application;
  class Window1 window;
  window.datasetChecks.fill(false);
  window.datasetChecks[0] = true;

  window.Show();
  window.close();

  EXPECT_EQ(prefPhysical, "1 0 0 0 0 0 0 0 ");
  EXPECT_EQ(prefIsotope, "0 ");
  EXPECT_TRUE(application.QuitRequested());
  ResetPreferenceGlobals();
}

TEST(Window1, RemoveButtonRunsTheRemoval) {
  ScopedRecordingSink messages;
  iPodScanClass::iPodFolderItemList.ResizeTo(-1);
  iPodScanClass::iPodList.ResizeTo(-1);
  iPodScanClass::iPodType.ResizeTo(-1);
  class Window1 window;
  window.PushButton2().setEnabled(true);
  ASSERT_TRUE(ShowAndWaitExposed(window));

  ClickControl(window, window.PushButton2());

  // With no iPod in the scan list the removal ends in its catch-all.
  ASSERT_TRUE(WaitFor([&] { return !messages.messages().empty(); }));
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, "Error #705: Generic Atomnote uninstall error.");
}

}  // namespace
