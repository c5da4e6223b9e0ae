// The main window's events, driven as a person drives them: clicks, keys and pointer moves sent
// to the window.

#include "ui/Window1.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "data/PicturesDecodedAhead.h"
#include "data/ResourceCatalogue.h"
#include "framework/Application.h"
#include "framework/widgets/Canvas.h"
#include "install/InstallTestSupport.h"
#include "install/iPodScanClass.h"
#include "install/widgets/ProgressWindow.h"
#include "support/ImageCompare.h"
#include "support/widgets/OpenWindows.h"
#include "ui/AboutDialog.h"
#include "ui/MainWindowTestSupport.h"
#include "ui/Window2.h"
#include "ui/customizeSheet.h"
#include "ui/softwareLicense.h"

namespace {

const char kDesignStatusText[] =
    "Your iPod must be connected with disk mode enabled before you can install or remove Atomnote.";

const std::string kCaution =
    "48 | Caution | Please use the \"Monopolize iPod Notes Function\" with caution. If enabled, only Atomnote will "
    "appear under the iPod's \"Notes\" function.\n\nThis provides slightly faster access to Atomnote. However, no "
    "other notes installed on your iPod will be available. Click the checkbox again if you really want to enable "
    "this feature.";

TEST(Window1, OneInstance) { EXPECT_EQ(&Window1(), &Window1()); }

// ---- the scan ----

// One iPod named "Pod" mounted, and a main window of the test's own.
class Window1WithPodTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
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
  window.scanTimer().SetPeriod(0);
  window.scanTimer().SetMode(Timer::kModeMultiple);
  WaitFor([&] { return status.text() != kDesignStatusText; });
  window.scanTimer().SetMode(Timer::kModeOff);
  EXPECT_EQ(status.text(), "Ready to install Atomnote on the attached iPod named \"Pod\".");
  EXPECT_TRUE(window.PushButton1().isEnabled());
  EXPECT_TRUE(window.PushButton2().isEnabled());
}

TEST_F(Window1WithPodTest, OpeningScansAtOnceAndStartsTheScanTimer) {
  window.Show();

  EXPECT_EQ(window.ErrorStatic().text(), "Ready to install Atomnote on the attached iPod named \"Pod\".");
  EXPECT_EQ(window.scanTimer().Mode(), Timer::kModeMultiple);
  EXPECT_EQ(window.scanTimer().Period(), 2200);
}

// ---- buttons and closing ----

class Window1Test : public MainWindowTest {};

TEST_F(Window1Test, ClosingStoresTheSelectionAndAsksToQuit) {
  Application application;
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));
  ClickControl(window, window.NonePushButton());
  ClickDatasetCheckbox(window, 0);
  ASSERT_TRUE(WaitFor([&] { return window.InstallList().CellCheck(0, 0); }));

  window.close();

  EXPECT_EQ(prefPhysical, "1 0 0 0 0 0 0 0 ");
  EXPECT_EQ(prefIsotope, "0 ");
  EXPECT_TRUE(application.QuitRequested());
}

TEST_F(Window1Test, RemoveButtonRunsTheRemoval) {
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));
  window.scanTimer().SetMode(Timer::kModeOff);
  window.PushButton2().setEnabled(true);

  ClickControl(window, window.PushButton2());

  // With no iPod in the scan list the removal ends in its catch-all.
  ASSERT_TRUE(WaitFor([&] { return !messages_.messages().empty(); }));
  EXPECT_EQ(MessageTexts(messages_),
            std::vector<std::string>{"48 | Error | Error #705: Generic Atomnote uninstall error."});
}

// Return, Enter and Escape pressed in the open spelling list are the list's: Return and Enter
// choose the row the list is on, Escape closes it without a choice, and none of them presses
// Install, the window's default button. With the list closed, Return and Enter press Install.
TEST_F(Window1Test, KeysInTheOpenSpellingListAreTheListsAndNotInstalls) {
  class Window1 window;
  ASSERT_TRUE(OpenWithInstallEnabledAndNoiPod(window));
  for (const PopupListKey& c : kPopupListKeys) {
    SCOPED_TRACE(c.name);
    window.langPopup().setCurrentIndex(0);
    ASSERT_TRUE(PressInPopupList(window, window.langPopup(), c.key));

    EXPECT_EQ(window.langPopup().currentIndex(), c.chosen);
    EXPECT_EQ(prefLanguage, c.chosen);
    EXPECT_EQ(messages_.shown(), std::vector<std::string>{}) << "Install was pressed";
    EXPECT_FALSE(progressWindowExists());
    messages_.ClearShown();
  }

  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    SCOPED_TRACE(key == Qt::Key_Return ? "Return, the list closed" : "Enter, the list closed");
    window.langPopup().setFocus();
    PressKey(window, key);
    ASSERT_TRUE(WaitFor([&] { return !messages_.shown().empty(); }));
    EXPECT_EQ(messages_.shown(), std::vector<std::string>{"Error #703: Generic setup error."});
    messages_.ClearShown();
  }
}

// ---- the sheets ----

// The disk-use sheet comes up over the window at its Open exactly when the reminder is on and the
// first scan found no iPod; opening changes no preference.
TEST_F(Window1Test, TheDiskUseSheetComesUpAtOpenOnlyWithTheReminderOnAndNoiPod) {
  TempFolder temp;
  const FixtureVolume pod(temp.path(), "Pod");
  if (FolderItem(pod.root() / "iPod_Control").Visible()) {
    GTEST_SKIP() << "the temporary folder keeps no extended attributes, so no folder can be made invisible";
  }
  struct OpenCase {
    bool reminder;
    bool podAttached;
    bool shown;
  };
  for (const OpenCase& c : {OpenCase{true, false, true}, OpenCase{true, true, false},
                            OpenCase{false, false, false}, OpenCase{false, true, false}}) {
    SCOPED_TRACE(testing::Message() << "reminder " << c.reminder << ", iPod " << c.podAttached);
    const ScopedVolumes mounted(c.podAttached ? std::vector{pod.root()}
                                              : std::vector<std::filesystem::path>{});
    prefDiskUseReminder = c.reminder;
    class Window1 window;
    ASSERT_TRUE(OpenAndWaitExposed(window));

    ASSERT_EQ(Window2Exists(), c.shown);
    if (c.shown) {
      class Window2& sheet = Window2();
      EXPECT_TRUE(sheet.isVisible());
      EXPECT_EQ(sheet.parentWidget(), &window);
      EXPECT_EQ(sheet.windowModality(), Qt::WindowModal);
      EXPECT_EQ(sheet.PopupMenu1().currentText(), "iTunes 7 or 8");
      EXPECT_EQ(sheet.Canvas1().x(), 187);
      EXPECT_FALSE(sheet.CheckBox1().isChecked());
    }
    EXPECT_EQ(prefDiskUseReminder, c.reminder);
  }
}

// "Customize Units" brings the units sheet down over the window, which then takes no click until
// the sheet is dismissed.
TEST_F(Window1Test, CustomizeUnitsOpensTheUnitsSheetOverTheWindow) {
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));

  ClickControl(window, window.PushButton4());
  ASSERT_TRUE(WaitFor([] { return customizeSheetExists() && customizeSheet().isVisible(); }));
  class customizeSheet& sheet = customizeSheet();
  EXPECT_EQ(sheet.parentWidget(), &window);
  EXPECT_EQ(sheet.windowModality(), Qt::WindowModal);

  ClickControl(window, window.NonePushButton());
  ClickControl(window, window.PushButton4());
  QCoreApplication::processEvents();
  EXPECT_EQ(DatasetChecks(window), std::vector<bool>(37, true)) << "\"No Datasets\" took no click";
  EXPECT_EQ(&customizeSheet(), &sheet) << "still the one sheet";

  PressKey(sheet, Qt::Key_Escape);
  ASSERT_TRUE(WaitFor([] { return !customizeSheetExists(); }));
  DeleteClosedWindows();
}

// ---- options ----

// Each option box writes its preference the moment it is clicked, both ways.
TEST_F(Window1Test, EachOptionBoxWritesItsPreference) {
  struct Case {
    const char* name;
    QCheckBox& (Window1::*box)() const;
    bool* preference;
  };
  const Case cases[] = {
      {"omit", &Window1::OmitCheckBox, &prefOmitBlanks},
      {"glossary", &Window1::GlossaryCheckBox, &prefGlossary},
      {"visual tables", &Window1::VisualCheckBox, &prefVisualTables},
  };
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QCheckBox& box = (window.*c.box)();
    const bool before = box.isChecked();
    ASSERT_EQ(*c.preference, before) << "applied at open";
    for (const bool expected : {!before, before}) {
      ClickAt(window, box.mapTo(&window.ContentArea(), QPoint(8, box.height() / 2)));
      ASSERT_TRUE(WaitFor([&] { return box.isChecked() == expected; }));
      EXPECT_EQ(*c.preference, expected);
    }
  }
}

// Unticking the visual tables dims the thumbnail beside the box; ticking them brightens it again.
TEST_F(Window1Test, TheThumbnailIsDimmedWhileTheVisualTablesAreLeftOut) {
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));
  QLabel& thumbnail = window.ImageWell2();
  ASSERT_EQ(thumbnail.pixmap().size(), QSize(96, 68));
  ASSERT_TRUE(window.VisualCheckBox().isChecked());
  const QImage bright = thumbnail.grab().toImage();

  ClickControl(window, window.VisualCheckBox());
  ASSERT_TRUE(WaitFor([&] { return !window.VisualCheckBox().isChecked(); }));
  EXPECT_FALSE(prefVisualTables);
  EXPECT_FALSE(thumbnail.isEnabled());
  EXPECT_FALSE(DrawnAlike(bright, thumbnail.grab().toImage())) << "drawn dimmed";

  ClickControl(window, window.VisualCheckBox());
  ASSERT_TRUE(WaitFor([&] { return window.VisualCheckBox().isChecked(); }));
  EXPECT_TRUE(prefVisualTables);
  EXPECT_TRUE(thumbnail.isEnabled());
  EXPECT_TRUE(DrawnAlike(bright, thumbnail.grab().toImage()));
}

// The mean colour of the rectangle of the picture given in quarters: quarter (0, 0, 4, 4) is the
// whole picture, (2, 0, 2, 2) its top-right quarter.
QColor MeanColour(const QImage& picture, QRect quarters) {
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  const int left = image.width() * quarters.left() / 4;
  const int top = image.height() * quarters.top() / 4;
  const int right = image.width() * (quarters.left() + quarters.width()) / 4;
  const int bottom = image.height() * (quarters.top() + quarters.height()) / 4;
  long red = 0, green = 0, blue = 0, count = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const QRgb pixel = image.pixel(x, y);
      red += qRed(pixel);
      green += qGreen(pixel);
      blue += qBlue(pixel);
      ++count;
    }
  }
  return QColor(int(red / count), int(green / count), int(blue / count));
}

// The thumbnail is the whole periodic table scaled down: the whole and each quarter of it have the
// colours of the table's whole and quarters.
TEST_F(Window1Test, TheThumbnailIsThePeriodicTableScaledDown) {
  const Picture table = periodic320vpod();
  if (!table) GTEST_SKIP() << "the program ships no periodic table picture";
  class Window1 window;
  window.Show();
  const QImage thumbnail = window.ImageWell2().pixmap().toImage();
  ASSERT_EQ(thumbnail.size(), QSize(96, 68));
  for (const QRect part :
       {QRect(0, 0, 4, 4), QRect(0, 0, 2, 2), QRect(2, 0, 2, 2), QRect(0, 2, 2, 2), QRect(2, 2, 2, 2)}) {
    SCOPED_TRACE(::testing::Message()
                 << part.x() << "," << part.y() << " " << part.width() << "x" << part.height());
    const QColor shown = MeanColour(thumbnail, part);
    const QColor expected = MeanColour(*table, part);
    EXPECT_NEAR(shown.red(), expected.red(), 8);
    EXPECT_NEAR(shown.green(), expected.green(), 8);
    EXPECT_NEAR(shown.blue(), expected.blue(), 8);
  }
}

// The spelling popup, from the keyboard: the row chosen is the spelling preference.
TEST_F(Window1Test, TheSpellingPopupSetsTheLanguage) {
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));
  window.langPopup().setFocus();
  ASSERT_EQ(window.langPopup().currentText(), "American English");

  PressKey(window, Qt::Key_Down);
  ASSERT_TRUE(WaitFor([&] { return window.langPopup().currentIndex() == 1; }));
  EXPECT_EQ(window.langPopup().currentText(), "British English");
  EXPECT_EQ(prefLanguage, 1);

  PressKey(window, Qt::Key_Up);
  ASSERT_TRUE(WaitFor([&] { return window.langPopup().currentIndex() == 0; }));
  EXPECT_EQ(prefLanguage, 0);
}

// ---- the monopolize guard ----

class MonopolizeTest : public MainWindowTest {
 protected:
  void Click(QWidget& control) {
    ClickAt(window, control.mapTo(&window.ContentArea(), QPoint(8, control.height() / 2)));
  }
  bool Ticked() const { return window.MonopolyCheckBox().isChecked(); }
  int GuardLeft() const { return window.blockingCanvas().x(); }

  class Window1 window;
};

// Ticking takes the caution and a second click; unticking takes one click and re-arms the caution.
TEST_F(MonopolizeTest, TheCautionComesBeforeTheFirstTickAndAfterEachUntick) {
  ASSERT_TRUE(OpenAndWaitExposed(window));
  ASSERT_EQ(GuardLeft(), 22);

  Click(window.MonopolyCheckBox());
  ASSERT_TRUE(WaitFor([&] { return messages_.messages().size() == 1; }));
  EXPECT_EQ(MessageTexts(messages_), std::vector<std::string>{kCaution});
  EXPECT_FALSE(Ticked());
  EXPECT_FALSE(prefMonopolizeiPodNotes);
  EXPECT_EQ(GuardLeft(), 900);

  Click(window.MonopolyCheckBox());
  ASSERT_TRUE(WaitFor([&] { return Ticked(); }));
  EXPECT_TRUE(prefMonopolizeiPodNotes);
  EXPECT_EQ(GuardLeft(), 900);

  Click(window.MonopolyCheckBox());
  ASSERT_TRUE(WaitFor([&] { return !Ticked(); }));
  EXPECT_FALSE(prefMonopolizeiPodNotes);
  EXPECT_EQ(GuardLeft(), 22);

  Click(window.MonopolyCheckBox());
  ASSERT_TRUE(WaitFor([&] { return messages_.messages().size() == 2; }));
  EXPECT_FALSE(Ticked());
  EXPECT_EQ(messages_.messages().size(), 2u) << "one caution per untick";
}

// A click on the note under the box, where the guard covers it, is a click on the guard; after the
// caution the note is uncovered and a click on it does nothing.
TEST_F(MonopolizeTest, AClickOnTheCoveredNoteShowsTheCaution) {
  ASSERT_TRUE(OpenAndWaitExposed(window));

  ClickAt(window, {100, 510});
  ASSERT_TRUE(WaitFor([&] { return messages_.messages().size() == 1; }));
  EXPECT_EQ(MessageTexts(messages_), std::vector<std::string>{kCaution});
  EXPECT_EQ(GuardLeft(), 900);
  EXPECT_EQ(window.childAt(100, 510), &window.StaticText12());

  ClickAt(window, {100, 510});
  ClickAt(window, {400, 510});
  Click(window.MonopolyCheckBox());
  ASSERT_TRUE(WaitFor([&] { return Ticked(); }));
  EXPECT_EQ(messages_.messages().size(), 1u);
}

// Switched on at start: one click switches it off without a caution; the next shows it.
TEST_F(MonopolizeTest, OnAtStartOneClickSwitchesItOff) {
  prefMonopolizeiPodNotes = true;
  ASSERT_TRUE(OpenAndWaitExposed(window));
  ASSERT_TRUE(Ticked());
  ASSERT_EQ(GuardLeft(), 900);

  Click(window.MonopolyCheckBox());
  ASSERT_TRUE(WaitFor([&] { return !Ticked(); }));
  EXPECT_FALSE(prefMonopolizeiPodNotes);
  EXPECT_TRUE(messages_.messages().empty());

  Click(window.MonopolyCheckBox());
  ASSERT_TRUE(WaitFor([&] { return messages_.messages().size() == 1; }));
  EXPECT_FALSE(Ticked());
}

// The keyboard reaches the box under the guard: a tick from it is taken back and answered with
// the caution, as a click is.
TEST_F(MonopolizeTest, ATickFromTheKeyboardWhileGuardedShowsTheCaution) {
  ASSERT_TRUE(OpenAndWaitExposed(window));
  window.MonopolyCheckBox().setFocus();

  PressKey(window, Qt::Key_Space);
  ASSERT_TRUE(WaitFor([&] { return messages_.messages().size() == 1; }));
  EXPECT_EQ(MessageTexts(messages_), std::vector<std::string>{kCaution});
  EXPECT_FALSE(Ticked());
  EXPECT_FALSE(prefMonopolizeiPodNotes);
  EXPECT_EQ(GuardLeft(), 900);

  PressKey(window, Qt::Key_Space);
  ASSERT_TRUE(WaitFor([&] { return Ticked(); }));
  EXPECT_TRUE(prefMonopolizeiPodNotes);
  EXPECT_EQ(messages_.messages().size(), 1u);
}

// ---- the product icon ----

// The icon shows the dim face, the bright one while the pointer is over it; both under the mask,
// which leaves the corners transparent.
TEST_F(Window1Test, TheIconBrightensWhileThePointerIsOverIt) {
  const Picture dim = vuzarorozedezira90dim();
  const Picture bright = vuzarorozedezira90();
  if (!dim || !bright || !vuzarorozedezira90mask()) GTEST_SKIP() << "the program ships no product icon";
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));
  const Canvas& icon = window.iconCanvas();
  const QPoint centre(45, 45);
  const auto face = [&] { return icon.Backdrop()->pixelColor(centre).rgba(); };
  ASSERT_NE(icon.Backdrop(), nullptr);
  ASSERT_FALSE(PixelsAlike(dim->pixelColor(centre).rgba(), bright->pixelColor(centre).rgba()));

  EXPECT_TRUE(PixelsAlike(face(), dim->pixelColor(centre).rgba()));
  EXPECT_EQ(qAlpha(icon.Backdrop()->pixel(0, 0)), 0) << "masked";
  // The pointer may still be where an earlier test left it, over the icon of a window that stood
  // in the same place; a move to where it already is would be no move at all.
  MoveTo(window, {300, 200});
  MoveTo(window, icon.mapTo(&window.ContentArea(), centre));
  ASSERT_TRUE(WaitFor([&] { return PixelsAlike(face(), bright->pixelColor(centre).rgba()); }));
  EXPECT_EQ(qAlpha(icon.Backdrop()->pixel(0, 0)), 0) << "masked";
  MoveTo(window, {300, 200});
  ASSERT_TRUE(WaitFor([&] { return PixelsAlike(face(), dim->pixelColor(centre).rgba()); }));
}

// Without the pictures the icon and the thumbnail draw nothing, and the window works on.
TEST_F(Window1Test, WithoutThePicturesTheIconAndThumbnailDrawNothing) {
  ReleaseResourceCatalogue();
  const ScopedResourceFork noPictures(std::make_shared<MemoryResourceFork>());
  {
    class Window1 window;
    ASSERT_TRUE(OpenAndWaitExposed(window));
    MoveTo(window, window.iconCanvas().mapTo(&window.ContentArea(), QPoint(45, 45)));
    MoveTo(window, {300, 200});
    ASSERT_NE(window.iconCanvas().Backdrop(), nullptr);
    for (const QImage& picture : {*window.iconCanvas().Backdrop(), window.ImageWell2().pixmap().toImage()}) {
      for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) ASSERT_EQ(qAlpha(picture.pixel(x, y)), 0) << x << "," << y;
      }
    }
    EXPECT_EQ(window.scanTimer().Mode(), Timer::kModeMultiple) << "the Open event went on to its end";
  }
  ReleaseResourceCatalogue();
}

// Start-up decodes ahead the pictures the window draws as it is built and opened; the window
// asks for no other.
TEST_F(Window1Test, ItDrawsNoPictureAsItOpensButThoseDecodedAhead) {
  ReleaseResourceCatalogue();
  auto fork = std::make_shared<MemoryResourceFork>();
  for (int number = 160; number < 200; ++number) {
    auto picture = std::make_shared<QImage>(320, 240, QImage::Format_ARGB32);
    picture->fill(Qt::gray);
    fork->pictures[number] = std::move(picture);
  }
  const ScopedResourceFork pictures(fork);
  { const PicturesDecodedAhead ahead(Window1::PicturesDrawnAtOpen()); }
  fork->pictureReads = 0;
  {
    class Window1 window;
    ASSERT_TRUE(OpenAndWaitExposed(window));
    EXPECT_EQ(fork->pictureReads, 0);
  }
  ReleaseResourceCatalogue();
}

// ---- activation ----

// Another window in front makes the main window inactive, which the help button shows at once.
TEST_F(Window1Test, ActivationIsToldToTheHelpButton) {
  class Window1 window;
  int helpPaints = 0;
  class PaintCounter : public QObject {
   public:
    explicit PaintCounter(int& count) : count_(count) {}
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++count_;
      return false;
    }

   private:
    int& count_;
  } counter(helpPaints);
  window.HelpCanvas().installEventFilter(&counter);
  window.Show();
  if (!WaitFor([&] { return window.isActiveWindow(); }))
    GTEST_SKIP() << "this platform plug-in does not activate windows";
  EXPECT_FALSE(App().disabledWIndow);

  Window other;
  const int paintsBefore = helpPaints;
  other.Show();
  ASSERT_TRUE(WaitFor([&] { return App().disabledWIndow; }));
  EXPECT_GT(helpPaints, paintsBefore);

  window.activateWindow();
  ASSERT_TRUE(WaitFor([&] { return !App().disabledWIndow; }));
}

// ---- the About window and the first-run licence ----

// A press on the product icon opens the About window, wherever it is released; a second click
// brings the same window.
TEST_F(Window1Test, TheProductIconOpensTheAboutWindow) {
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));
  const QPoint icon = window.iconCanvas().mapTo(&window, QPoint(45, 45));
  for (const QPoint release : {icon, QPoint(300, 200), icon}) {
    SCOPED_TRACE(release.x());
    PressAt(window, icon);
    MoveTo(window, release);
    ReleaseAt(window, release);
    ASSERT_TRUE(WaitFor([] { return !ShownWindowsOf<class AboutDialog>().empty(); }));
    EXPECT_EQ(ShownWindowsOf<class AboutDialog>().size(), 1u);
    if (release != icon) AboutDialog().close();
  }
  AboutDialog().close();
}

// On a first run (or the first after an update) the licence agreement opens once, about a second
// after the main window is built, in front of it; on a later run it never opens. Either way the
// timer is off afterwards and does not fire again. When the timer goes off before the window has
// opened (a message shown before it was still up), the licence waits for the window's Open and
// then comes up in front of it.
TEST_F(Window1Test, TheLicenceOpensOnceOnAFirstRunOnlyInFrontOfTheWindow) {
  struct Case {
    const char* what;
    bool newUser;
    bool openedAfterTheTimer;
  };
  const Case cases[] = {{"first run", true, false},
                        {"first run, opened after the timer went off", true, true},
                        {"later run", false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    gIsNewUser = c.newUser;
    const auto licenceShown = [] { return !ShownWindowsOf<class softwareLicense>().empty(); };
    // The timer goes off once it has fired, whenever a busy machine lets it.
    const auto timerWentOff = [](const class Window1& window) {
      return WaitFor([&] { return window.Timer1().Mode() == Timer::kModeOff; });
    };
    QElapsedTimer sinceBuilt;
    sinceBuilt.start();
    class Window1 window;
    if (c.openedAfterTheTimer) {
      ASSERT_TRUE(timerWentOff(window)) << "the timer never fired, or is still on";
      EXPECT_FALSE(licenceShown()) << "the licence came before the window";
    }
    ASSERT_TRUE(OpenAndWaitExposed(window));
    ASSERT_TRUE(timerWentOff(window)) << "the timer never fired, or is still on";

    EXPECT_EQ(licenceShown(), c.newUser);
    if (c.newUser) {
      EXPECT_GE(sinceBuilt.elapsed(), 950) << "about a second after the window was built";
      EXPECT_FALSE(softwareLicense().isModal());
      EXPECT_EQ(ShownWindowsOf<class softwareLicense>().size(), 1u);
      EXPECT_EQ(FrontmostWindow(), &softwareLicense()) << "the licence is not in front";
      softwareLicense().close();
      EXPECT_FALSE(WaitFor(licenceShown, 1500)) << "the timer fired again";
    }
  }
}

}  // namespace
