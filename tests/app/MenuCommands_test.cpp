#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/AppMessages.h"
#include "app/ApplicationFixture.h"
#include "app/Atomnote.h"
#include "app/MenuBar1.h"
#include "app/StartUp.h"
#include "framework/Network.h"
#include "framework/ResourceFork.h"
#include "framework/Timer.h"
#include "framework/widgets/Sheet.h"
#include "framework/widgets/Window.h"
#include "install/InstallMessages.h"
#include "install/InstallTestSupport.h"
#include "install/widgets/ProgressWindow.h"
#include "install/widgets/ProgressWindowDisplay.h"
#include "prefs/PreferenceGlobals.h"
#include "support/FixtureVolume.h"
#include "support/ScopedGestaltVersion.h"
#include "support/ScopedTimeSlice.h"
#include "support/widgets/OpenWindows.h"
#include "support/widgets/WindowEvents.h"
#include "ui/AboutDialog.h"
#include "ui/HelpWindow.h"
#include "ui/Window2.h"
#include "ui/customizeSheet.h"
#include "ui/softwareLicense.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ItemNames(const QMenu& menu) {
  std::vector<std::string> names;
  for (const QAction* item : menu.actions()) names.push_back(item->objectName().toStdString());
  return names;
}

// The application opened on the system the test gives, with its menu handlers bound and the main
// window made (not shown) with the menu bar.
class MenuCommandsTest : public ApplicationFixture {
 protected:
  void Open(int32_t systemVersion) {
    const ScopedGestaltVersion system(systemVersion);
    application_._ApplicationAddMenuHandlers();
    application_.OpenForTesting();
    _MakeDefaultView();
  }

  // Shows the main window, its scan stopped so the test alone sets its Install button.
  void ShowMainWindow() {
    ASSERT_TRUE(ShowAndWaitExposed(Window1()));
    Window1().Show();
    Window1().scanTimer().SetMode(Timer::kModeOff);
  }

  ScopedRecordingSink messages_;
  Atomnote application_;
};

TEST_F(MenuCommandsTest, FromTenFourEjectIsTheFirstFileItemAndFollowsTheInstallButton) {
  // No eject helper beside this program: an eject that runs says so.
  TempFolder bundle;
  Application::SetExecutableFileForTesting(bundle / "MacOS" / "AtomnoteInstaller");
  Open(kTiger);
  ASSERT_FALSE(application_.ejectIpodMenu.isNull());
  MenuItem& eject = *application_.ejectIpodMenu;
  EXPECT_EQ(ItemNames(*MenuBar1().Menu("FileMenu")),
            (std::vector<std::string>{"", "FileCloseWindow", "FileQuit"}));
  EXPECT_EQ(MenuBar1().Menu("FileMenu")->actions().front(), &eject);
  EXPECT_EQ(eject.text(), "Eject iPod");
  EXPECT_EQ(eject.shortcut(), QKeySequence("Ctrl+E"));
  EXPECT_FALSE(eject.isEnabled());

  ShowMainWindow();
  QPushButton& install = Window1().PushButton1();
  EXPECT_TRUE(FileCloseWindow().isEnabled()) << "a window is open";
  EXPECT_FALSE(eject.isEnabled()) << "no iPod, so Install is off";

  PressKey(Window1(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_TRUE(messages_.messages().empty()) << "the shortcut of a disabled item does nothing";

  install.setEnabled(true);
  EXPECT_TRUE(eject.isEnabled());
  PressKey(Window1(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(MessageTexts(messages_), (std::vector<std::string>{"0 |  | " + EjectFailedMessage()}));

  install.setEnabled(false);
  EXPECT_FALSE(eject.isEnabled());
  Application::SetExecutableFileForTesting({});
}

TEST_F(MenuCommandsTest, BelowTenFourThereIsNoEjectItemAndEnablingStillWorks) {
  Open(kPanther);
  EXPECT_TRUE(application_.ejectIpodMenu.isNull());
  EXPECT_EQ(ItemNames(*MenuBar1().Menu("FileMenu")),
            (std::vector<std::string>{"FileCloseWindow", "FileQuit"}));
  ShowMainWindow();
  Window1().PushButton1().setEnabled(true);
  MenuBar1().UpdateEnabling();
  EXPECT_TRUE(FileCloseWindow().isEnabled());
}

TEST_F(MenuCommandsTest, CloseWindowClosesOnlyTheFrontWindowAndTheMainWindowLastQuits) {
  Open(kTiger);
  ShowMainWindow();
  Window other;
  other.resize(200, 100);
  ASSERT_TRUE(ShowAndWaitExposed(other));
  other.Show();

  PressKey(other, Qt::Key_W, Qt::ControlModifier);
  EXPECT_FALSE(other.isVisible());
  EXPECT_TRUE(Window1().isVisible());
  EXPECT_FALSE(application_.QuitRequested());

  // The window system makes the window left the active one.
  Window1().activateWindow();
  ASSERT_TRUE(WaitFor([] { return Window1().isActiveWindow(); }));
  PressKey(Window1(), Qt::Key_W, Qt::ControlModifier);
  EXPECT_FALSE(Window1().isVisible());
  EXPECT_EQ(prefPhysical, "1 1 1 1 1 1 1 1 ") << "the selection was stored";
  EXPECT_TRUE(application_.QuitRequested());
}

// ---- the disk-use help sheet ----

// "Enable iPod Disk Use Help…" brings the sheet down over the main window whatever the reminder
// holds and whether or not an iPod is attached; the menu leaves the reminder as it was.
TEST_F(MenuCommandsTest, TheDiskUseHelpItemShowsTheSheetWhateverTheReminderAndTheiPod) {
  TempFolder temp;
  const FixtureVolume pod(temp.path(), "Pod");
  if (FolderItem(pod.root() / "iPod_Control").Visible()) {
    GTEST_SKIP() << "the temporary folder keeps no extended attributes, so no folder can be made invisible";
  }
  Open(kTiger);
  ShowMainWindow();
  ASSERT_FALSE(Window2Exists()) << "the reminder is off";

  struct ReminderCase {
    bool reminder;
    bool podAttached;
  };
  for (const ReminderCase& c :
       {ReminderCase{false, false}, ReminderCase{true, true}, ReminderCase{false, true}}) {
    SCOPED_TRACE(testing::Message() << "reminder " << c.reminder << ", iPod " << c.podAttached);
    const ScopedVolumes volumes(c.podAttached ? std::vector{pod.root()}
                                              : std::vector<std::filesystem::path>{});
    Window1().scanTimerAction();
    prefDiskUseReminder = c.reminder;

    ASSERT_TRUE(OpenMenu(Window1(), MenuBar1(), "HelpMenu"));
    ASSERT_TRUE(ClickMenuItem(MenuBar1(), "HelpMenu", "HelpEnableiPodDiskUseHelp\u2026"));
    ASSERT_TRUE(WaitFor([] { return Window2Exists() && Window2().isVisible(); }));
    EXPECT_EQ(Window2().parentWidget(), &Window1());
    EXPECT_EQ(Window2().windowModality(), Qt::WindowModal);
    EXPECT_EQ(prefDiskUseReminder, c.reminder);

    ClickControl(Window2(), Window2().PushButton1());
    ASSERT_TRUE(WaitFor([] { return !Window2Exists(); }));
  }
}

// Close Window with a sheet in front closes nothing: the sheet leaves only by its own buttons, and
// the main window under it stays.
TEST_F(MenuCommandsTest, CloseWindowLeavesASheetAndItsWindowUp) {
  Open(kTiger);
  ShowMainWindow();
  struct Case {
    const char* what;
    Sheet& (*sheet)();
    bool (*exists)();
  };
  const Case cases[] = {
      {"the disk-use sheet", []() -> Sheet& { return Window2(); }, Window2Exists},
      {"the units sheet", []() -> Sheet& { return customizeSheet(); }, customizeSheetExists},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.sheet().ShowModalWithin(Window1());
    ASSERT_TRUE(WaitFor([&] { return c.sheet().isVisible(); }));

    PressKey(c.sheet(), Qt::Key_W, Qt::ControlModifier);
    FileCloseWindow().trigger();
    QCoreApplication::processEvents();

    EXPECT_TRUE(c.exists());
    EXPECT_TRUE(c.sheet().isVisible());
    EXPECT_TRUE(Window1().isVisible());
    EXPECT_FALSE(application_.QuitRequested());
    PressKey(c.sheet(), Qt::Key_Return);
    EXPECT_TRUE(WaitFor([&] { return !c.exists(); }));
  }
}

// On a first run without an iPod the licence comes up beside the disk-use sheet: Close Window
// in the licence closes the licence, and the sheet and the main window stay.
TEST_F(MenuCommandsTest, CloseWindowInAWindowBesideASheetClosesThatWindowOnly) {
  Open(kTiger);
  ShowMainWindow();
  Window2().ShowModalWithin(Window1());
  ASSERT_TRUE(WaitFor([] { return Window2().isVisible(); }));
  class softwareLicense& licence = softwareLicense();
  ASSERT_TRUE(ShowAndWaitExposed(licence));
  licence.Show();
  const QPointer<QWidget> shown = &licence;

  PressKey(licence, Qt::Key_W, Qt::ControlModifier);
  EXPECT_TRUE(WaitFor([&] { return shown.isNull(); })) << "the licence stayed";
  EXPECT_TRUE(Window2().isVisible());
  EXPECT_TRUE(Window1().isVisible());
  EXPECT_FALSE(application_.QuitRequested());
  PressKey(Window2(), Qt::Key_Return);
  EXPECT_TRUE(WaitFor([] { return !Window2Exists(); }));
}

// ---- during an install ----

// The application as MenuCommandsTest opens it, with the shipped element data, the built bundle
// and a fixture iPod the scan finds; the install shows its progress in the progress window.
class MenuCommandsDuringAnInstallTest : public MenuCommandsTest {
 protected:
  void SetUp() override {
    // The compiled-in resources, not the fixture's small ones: the install writes every element.
    RestoreApplicationResourceFork();
    ReleaseResourceCatalogue();
    if (FolderItem(volume_.root() / "iPod_Control").Visible()) {
      GTEST_SKIP() << "the temporary folder keeps no extended attributes, so no folder can be made invisible";
    }
  }

  void TearDown() override {
    CloseProgressWindowIfOpen();
    SetScanList({});
  }

  TempFolder temp_;
  FixtureVolume volume_{temp_.path(), "IPOD"};
  ScopedVolumes volumes_{{volume_.root()}};
  ScopedBundle bundle_{fs::path(ATOMNOTE_BUNDLE_DIR)};
  ScopedProgressDisplay<ProgressWindowDisplay> progress_;
};

// Close Window (Ctrl+W) in the progress window while the worker writes the element notes leaves
// the window up: it has no close box, and while it is up no second install or removal can start.
// The install goes on to 100 in that window and ends with its completion dialog.
TEST_F(MenuCommandsDuringAnInstallTest, CloseWindowLeavesTheProgressWindowUp) {
  Open(kTiger);
  ShowMainWindow();
  ASSERT_TRUE(Window1().PushButton1().isEnabled()) << "the scan found no iPod";

  // The worker runs on the user-interface thread and hands the turn on at its yields, here at
  // every one, however quickly the element notes are written: the key comes at the first yield
  // after the bar has passed 50, through the progress window's handle.
  const ScopedTimeSlice everyYield(std::chrono::milliseconds(0));
  QPointer<class progressWindow> shown;
  int pressedAt = -1;
  int highest = -1;
  bool upAfterTheKey = false;
  QTimer halfWay;
  QObject::connect(&halfWay, &QTimer::timeout, [&] {
    if (!progressWindowExists() || progressWindow().ProgressBar1().value() < 50) return;
    halfWay.stop();
    shown = &progressWindow();
    pressedAt = highest = shown->ProgressBar1().value();
    QObject::connect(&shown->ProgressBar1(), &QProgressBar::valueChanged,
                     [&highest](int value) { highest = std::max(highest, value); });
    PressKey(*shown, Qt::Key_W, Qt::ControlModifier);
    upAfterTheKey = !shown.isNull() && shown->isVisible() && FrontmostWindow() == shown.data();
  });
  halfWay.start(0);

  // Clicked inside an event loop, as the program runs: the worker yields only in one.
  RunUntilTheCompletionDialog(messages_, [] { ClickControl(Window1(), Window1().PushButton1()); });
  ASSERT_FALSE(messages_.dialogs().empty()) << "the install did not end";

  ASSERT_GE(pressedAt, 50) << "the key was never pressed";
  EXPECT_LT(pressedAt, 100) << "pressed after the element notes";
  EXPECT_TRUE(upAfterTheKey) << "Close Window closed the progress window";
  EXPECT_EQ(highest, 100) << "the progress went to another window";
  EXPECT_EQ(messages_.shown(),
            std::vector<std::string>{"dialog: Atomnote has been installed with your selected "
                                     "options on your iPod."});
  DeleteClosedWindows();
  EXPECT_TRUE(shown.isNull()) << "the install closes its window";
  EXPECT_FALSE(progressWindowExists());
  EXPECT_TRUE(Window1().isVisible());
  EXPECT_FALSE(application_.QuitRequested());
}

// ---- the maker's pages ----

struct PageCase {
  const char* item;
  std::string noNetworkMessage;
  const char* url;
};

class MakerPageTest : public MenuCommandsTest, public ::testing::WithParamInterface<PageCase> {
 protected:
  void SetUp() override {
    Open(kTiger);
    SetBrowserForTesting([this](const std::string& url) {
      opened_.push_back(url);
      return browserStarts_;
    });
  }
  void TearDown() override {
    SetBrowserForTesting(nullptr);
    SetNetworkInterfacesForTesting(nullptr);
  }

  static void SetInterfaces(std::vector<NetworkInterfaceState> interfaces) {
    SetNetworkInterfacesForTesting([interfaces] { return interfaces; });
  }

  std::vector<std::string> opened_;
  bool browserStarts_ = true;
};

TEST_P(MakerPageTest, WithoutANetworkSaysSoAndOpensNoBrowser) {
  SetInterfaces({{"lo", true, true, {"127.0.0.1"}}});
  MenuBar1().Item(GetParam().item)->trigger();
  EXPECT_EQ(MessageTexts(messages_), (std::vector<std::string>{"0 |  | " + GetParam().noNetworkMessage}));
  EXPECT_TRUE(opened_.empty());
}

TEST_P(MakerPageTest, WithANetworkOpensThePageInTheBrowser) {
  SetInterfaces({{"eth0", true, false, {"192.168.1.20"}}});
  MenuBar1().Item(GetParam().item)->trigger();
  EXPECT_TRUE(messages_.messages().empty());
  EXPECT_EQ(opened_, (std::vector<std::string>{GetParam().url}));

  browserStarts_ = false;
  MenuBar1().Item(GetParam().item)->trigger();
  EXPECT_EQ(MessageTexts(messages_),
            (std::vector<std::string>{"0 |  | " + BrowserNotStartedMessage(GetParam().url)}));
}

INSTANTIATE_TEST_SUITE_P(
    Items, MakerPageTest,
    ::testing::Values(
        PageCase{"HelpVisitHollowbrookWorksWebsite",
                 "You need to be connected to the internet to visit Hollowbrook Works' website.",
                 "https://www.hollowbrookworks.com/"},
        PageCase{"HelpCheckForUpdates", "You need to be connected to the internet to check for updates.",
                 "https://www.hollowbrookworks.com/downloads/"}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return TestNameOf(info.param.item); });

// ---- editing ----

TEST_F(MenuCommandsTest, EditItemsActOnTheFocusedLineEdit) {
  Open(kTiger);
  ShowMainWindow();
  QLineEdit field(&Window1().ContentArea());
  field.setGeometry(10, 10, 200, 20);
  field.show();
  field.setFocus();
  field.insert("iron");
  ASSERT_TRUE(WaitFor([&field] { return field.hasFocus(); }));
  QApplication::clipboard()->clear();

  const auto choose = [](const char* name) { MenuBar1().Item(name)->trigger(); };
  choose("EditSelectAll");
  EXPECT_EQ(field.selectedText(), "iron");
  choose("EditCopy");
  EXPECT_EQ(QApplication::clipboard()->text(), "iron");
  choose("EditClear");
  EXPECT_EQ(field.text(), "");
  choose("EditUndo");
  EXPECT_EQ(field.text(), "iron");
  choose("EditSelectAll");
  choose("EditCut");
  EXPECT_EQ(field.text(), "");
  choose("EditPaste");
  choose("EditPaste");
  EXPECT_EQ(field.text(), "ironiron");
}

// ---- the About, help and licence windows ----

// The help page and the licence text are read-only: Select All and Copy take their whole text,
// Cut, Paste and Clear change nothing.
TEST_F(MenuCommandsTest, EditItemsCopyFromTheHelpPageAndTheLicenceButChangeNothing) {
  Application::SetExecutableFileForTesting(fs::path(ATOMNOTE_FIXTURES_DIR) / "helpbundle" / "Contents" /
                                           "MacOS" / "AtomnoteInstaller");
  auto resources = SmallResources();
  resources->texts[190] = "Software License Agreement\r\rUse it well.";
  const ScopedResourceFork withLicence(resources);
  Open(kTiger);
  ShowMainWindow();
  struct Case {
    const char* item;
    std::function<QWidget&()> text;  // the window's text control
  };
  const Case cases[] = {
      {"HelpAtomnoteHelp", []() -> QWidget& { return HelpWindow().HTMLViewer1(); }},
      {"HelpSoftwareLicense", []() -> QWidget& { return softwareLicense().EditField1(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    MenuBar1().Item(c.item)->trigger();
    QWidget& control = c.text();
    ASSERT_TRUE(ShowAndWaitExposed(*control.window()));
    control.setFocus();
    ASSERT_TRUE(WaitFor([&] { return control.hasFocus(); }));
    const auto shown = [&control] {
      if (const auto* viewer = qobject_cast<const QTextBrowser*>(&control)) return viewer->toPlainText();
      return qobject_cast<const QPlainTextEdit*>(&control)->toPlainText();
    };
    const QString before = shown();
    ASSERT_FALSE(before.isEmpty());
    QApplication::clipboard()->setText("pasted");

    for (const char* edit : {"EditCut", "EditPaste", "EditClear"}) MenuBar1().Item(edit)->trigger();
    EXPECT_EQ(shown(), before);
    MenuBar1().Item("EditSelectAll")->trigger();
    MenuBar1().Item("EditCopy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().replace(QChar::ParagraphSeparator, '\n'), before);
    control.window()->close();
  }
  Application::SetExecutableFileForTesting({});
}

// Each item shows its window in front, and chosen again the same one, never a second.
TEST_F(MenuCommandsTest, AboutHelpAndLicenceItemsShowTheirOneWindow) {
  Open(kTiger);
  ShowMainWindow();
  struct Case {
    const char* item;
    std::function<std::size_t()> shown;  // how many of its windows are shown
  };
  const Case cases[] = {
      {"AppleAboutAtomnote", [] { return ShownWindowsOf<class AboutDialog>().size(); }},
      {"HelpAtomnoteHelp", [] { return ShownWindowsOf<class HelpWindow>().size(); }},
      {"HelpSoftwareLicense", [] { return ShownWindowsOf<class softwareLicense>().size(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    MenuBar1().Item(c.item)->trigger();
    EXPECT_EQ(c.shown(), 1u);
    QWidget* front = FrontmostWindow();
    MenuBar1().Item(c.item)->trigger();
    EXPECT_EQ(c.shown(), 1u);
    EXPECT_EQ(FrontmostWindow(), front);
  }
  EXPECT_TRUE(messages_.messages().empty());
  CloseEveryWindow();
}

// With the About, help and licence windows open over the main window, Close Window closes the
// one in front and no other; the main window stays and nothing quits.
TEST_F(MenuCommandsTest, CloseWindowClosesOnlyTheFrontOneOfTheOpenWindows) {
  Open(kTiger);
  ShowMainWindow();
  MenuBar1().Item("AppleAboutAtomnote")->trigger();
  MenuBar1().Item("HelpAtomnoteHelp")->trigger();
  MenuBar1().Item("HelpSoftwareLicense")->trigger();
  QPointer<Window> about = &AboutDialog();
  QPointer<Window> help = &HelpWindow();
  QPointer<Window> licence = &softwareLicense();
  for (Window* window : {about.data(), help.data(), licence.data()}) ASSERT_TRUE(ShowAndWaitExposed(*window));

  // The licence, shown last, is in front; then the person brings the About window forward, then
  // the help window.
  for (QPointer<Window>* front : {&licence, &about, &help}) {
    Window& window = **front;
    SCOPED_TRACE(window.Title());
    window.Show();
    ASSERT_EQ(FrontmostWindow(), &window);
    PressKey(window, Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(WaitFor([&] { return front->isNull(); })) << "closed and ended";
    for (const QPointer<Window>& other : {about, help, licence}) {
      if (!other.isNull()) {
        EXPECT_TRUE(other->isVisible()) << other->Title();
      }
    }
    EXPECT_TRUE(Window1().isVisible());
  }
  EXPECT_FALSE(application_.QuitRequested());
}

}  // namespace
