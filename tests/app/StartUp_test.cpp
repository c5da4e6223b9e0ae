#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "app/ApplicationFixture.h"
#include "app/FileTypes.h"
#include "app/MenuBar1.h"
#include "data/ElementTables.h"
#include "framework/Application.h"
#include "framework/AtomnoteState.h"
#include "framework/MessageSink.h"
#include "framework/Timer.h"
#include "framework/widgets/QtMessageSink.h"
#include "framework/widgets/Sheet.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/PreferenceMessages.h"
#include "support/widgets/OpenWindows.h"
#include "support/widgets/WindowEvents.h"
#include "ui/Window2.h"
#include "ui/customizeSheet.h"
#include "ui/shadedListbox.h"
#include "ui/softwareLicense.h"

namespace {

// Runs action on the object's Show event.
class ShowWatcher : public QObject {
 public:
  ShowWatcher(QObject& watched, std::function<void()> action) : action_(std::move(action)) {
    watched.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) action_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> action_;
};

// Every few milliseconds while the event loop runs, until it says it is done.
void Repeatedly(const std::function<bool()>& step) {
  auto* timer = new QTimer(QCoreApplication::instance());
  QObject::connect(timer, &QTimer::timeout, [timer, step] {
    if (step()) timer->deleteLater();
  });
  timer->start(5);
}

// Closes the main window, as the person does, once it has opened: shown, and its Open event
// (which yields while it ticks the datasets) at its end, where it starts the scan timer.
void CloseTheMainWindowOnceOpen(bool& closedByPerson) {
  Repeatedly([&closedByPerson] {
    if (!Window1().isVisible() || Window1().scanTimer().Mode() == Timer::kModeOff) return false;
    closedByPerson = true;
    Window1().close();
    return true;
  });
}

using StartUpTest = ApplicationFixture;

TEST_F(StartUpTest, TheApplicationsOpenEndsBeforeTheMainWindowsOpen) {
  WritePreferences("prefLastUsedVersion=1.6.2\nprefDiskUseReminder=0\nprefLanguage=1\n");
  struct AtShow {
    bool seen = false;
    int language = -1;
    std::string heliumSymbol;
    double systemVersion = 0;
    std::string firstFileItem;
    bool mainWindowOpened = true;
  } atShow;
  ShowWatcher watcher(Window1(), [&atShow] {
    atShow.seen = true;
    atShow.language = prefLanguage;
    atShow.heliumSymbol = eGeneral(1, 1);
    atShow.systemVersion = App().globalMacOSVersion;
    atShow.firstFileItem = MenuBar1().Menu("FileMenu")->actions().front()->text().toStdString();
    atShow.mainWindowOpened = (Window1().scanTimer().Mode() != Timer::kModeOff);
  });
  bool closedByPerson = false;
  CloseTheMainWindowOnceOpen(closedByPerson);

  EXPECT_EQ(_Main(), 0);

  ASSERT_TRUE(atShow.seen);
  EXPECT_FALSE(atShow.mainWindowOpened) << "the main window's Open had not run yet";
  EXPECT_EQ(atShow.language, 1) << "preferences loaded";
  EXPECT_EQ(atShow.heliumSymbol, "He") << "element tables loaded";
  EXPECT_DOUBLE_EQ(atShow.systemVersion, 10.4);
  EXPECT_EQ(atShow.firstFileItem, "Eject iPod");
  EXPECT_TRUE(closedByPerson);
  EXPECT_EQ(Window1().AttachedMenuBar(), &MenuBar1());
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Atomnote Installer")
      << "the title the desktop gives a message box without one";
  EXPECT_EQ(FileTypes().pSpecialDisk.Name, "special/disk");
  EXPECT_EQ(FileTypes().pAtomnoteData.MacCreator, "vølk");
  // Close saved the preferences, with the selection the main window stored.
  const std::string saved = ReadFileBytes(PreferencesFile());
  EXPECT_NE(saved.find("prefLanguage=1\n"), std::string::npos);
  EXPECT_NE(saved.find("prefPhysical=1 1 1 1 1 1 1 1 \n"), std::string::npos);
}

TEST_F(StartUpTest, AnOlderPreferencesFileShowsTheUpdateMessageAndStillReachesTheMainWindow) {
  WritePreferences("prefLastUsedVersion=1.5\nprefDiskUseReminder=0\n");
  const std::shared_ptr<MessageSink> previous = InstallMessageSink(std::make_shared<QtMessageSink>());
  std::string shownText;
  Repeatedly([&shownText] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return false;
    shownText = box->text().toStdString();
    box->button(QMessageBox::Ok)->click();
    return true;
  });
  bool closedByPerson = false;
  CloseTheMainWindowOnceOpen(closedByPerson);

  EXPECT_EQ(_Main(), 0);
  InstallMessageSink(previous);

  EXPECT_EQ(shownText, UpdateMessage());
  EXPECT_TRUE(closedByPerson) << "the program ran on after the message until the main window was closed";
  EXPECT_NE(ReadFileBytes(PreferencesFile()).find("prefLastUsedVersion=1.6.2\n"), std::string::npos);
}

// The sheets a person can have down when they quit, and how each comes down.
struct SheetDownCase {
  const char* what;
  bool firstRun;  // no preferences file: the disk-use sheet comes down by itself without an iPod
  // Brings the sheet down if it is not yet (one step at a time, as the event loop runs); the
  // sheet once it is down, else nullptr.
  std::function<Sheet*()> sheetWhenDown;
  // What the person did in the sheet before quitting.
  std::function<void(Sheet&)> choose;
};

void PrintTo(const SheetDownCase& c, std::ostream* out) { *out << c.what; }

Sheet* DiskUseSheetWhenDown() { return Window2Exists() && Window2().isVisible() ? &Window2() : nullptr; }

Sheet* UnitsSheetWhenDown() {
  if (customizeSheetExists() && customizeSheet().isVisible()) return &customizeSheet();
  if (Window1().isVisible() && Window1().scanTimer().Mode() != Timer::kModeOff && !customizeSheetExists())
    ClickControl(Window1(), Window1().PushButton4());
  return nullptr;
}

// Degrees Fahrenheit for the melting point, never saved.
void PickFahrenheit(Sheet& sheet) {
  static_cast<class customizeSheet&>(sheet).meltPopup().setCurrentIndex(2);
}

class QuitWithASheetDownTest : public ApplicationFixture,
                               public ::testing::WithParamInterface<SheetDownCase> {};

// Quit (Ctrl+Q in the sheet) ends the program whatever sheet is down: the sheet goes with the main
// window, whose close stores the dataset selection; the preferences file is written as at every
// quit and the exit status is 0. The units picked in the units sheet are dropped, as by Cancel. On
// a first run the licence is up beside the disk-use sheet, and goes too. The key is pressed once
// the licence timer has gone off, so the licence is either up or never comes.
TEST_P(QuitWithASheetDownTest, QuitEndsTheProgramAndSavesThePreferences) {
  const SheetDownCase& c = GetParam();
  if (c.firstRun) std::filesystem::remove(PreferencesFile());
  bool quitRequested = false;
  bool licenceUp = false;
  Repeatedly([&] {
    if (!Window1().isVisible() || Window1().Timer1().Mode() != Timer::kModeOff) return false;
    Sheet* sheet = c.sheetWhenDown();
    if (sheet == nullptr) return false;
    // The person types once the sheet has the keyboard: clicked back to the front when the
    // licence took it.
    if (!sheet->isActiveWindow()) {
      sheet->activateWindow();
      return false;
    }
    licenceUp = !ShownWindowsOf<class softwareLicense>().empty();
    Window1().InstallList().SetCellCheck(0, 0, false);  // melting point unticked
    if (c.choose) c.choose(*sheet);
    PressKey(*sheet, Qt::Key_Q, Qt::ControlModifier);
    quitRequested = Application::Instance()->QuitRequested();
    if (!quitRequested) {
      // Ends the run all the same, as the person would have to, leaving no window to the next.
      sheet->Close();
      CloseEveryWindow();
    }
    return true;
  });

  EXPECT_EQ(_Main(), 0);

  EXPECT_TRUE(quitRequested) << "Quit did nothing with the sheet down";
  EXPECT_EQ(licenceUp, c.firstRun) << "the licence beside the sheet";
  const std::string saved = ReadFileBytes(PreferencesFile());
  EXPECT_NE(saved.find("prefLastUsedVersion=1.6.2\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("prefPhysical=0 1 1 1 1 1 1 1 \n"), std::string::npos) << "the selection stored";
  EXPECT_NE(saved.find("prefUnits=0 0 0 8 8 3 0 0 0 0 0 0 8 0 1 1 0\n"), std::string::npos)
      << "the units as before";
}

INSTANTIATE_TEST_SUITE_P(Sheets, QuitWithASheetDownTest,
                         ::testing::Values(SheetDownCase{"the disk-use sheet on a first run", true,
                                                         DiskUseSheetWhenDown, nullptr},
                                           SheetDownCase{"the units sheet, a unit picked", false,
                                                         UnitsSheetWhenDown, PickFahrenheit}),
                         [](const auto& info) { return TestNameOf(info.param.what); });

}  // namespace
