#include "app/Atomnote.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

#include "app/AppMessages.h"
#include "app/ApplicationFixture.h"
#include "app/MenuBar1.h"
#include "app/StartUp.h"
#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "framework/Gestalt.h"
#include "prefs/PreferenceGlobals.h"
#include "support/TestSupport.h"
#include "support/widgets/WindowEvents.h"
#include "ui/Window1.h"
#include "ui/customizeSheet.h"

namespace {

// Records every message box; the preferences folder holds no preferences file unless a test
// writes one.
class AtomnoteTest : public ApplicationFixture {
 protected:
  AtomnoteTest() { std::filesystem::remove(PreferencesFile()); }
  void TearDown() override { SetGestaltForTesting(nullptr); }

  ScopedRecordingSink messages_;
};

TEST_F(AtomnoteTest, OpenLoadsEverythingTheWindowsNeed) {
  WritePreferences("prefLanguage=1\nprefLastUsedVersion=1.6.2\n");
  Atomnote application;
  application.OpenForTesting();

  EXPECT_DOUBLE_EQ(App().globalMacOSVersion, 10.4);
  EXPECT_EQ(britishTranslate("color"), "colour");  // table built, British spelling loaded
  EXPECT_EQ(prefLanguage, 1);
  EXPECT_EQ(eGeneral(0, 0), "hydrogen");
  EXPECT_EQ(eGeneral(1, 1), "He");
  EXPECT_EQ(eBritish(1), "helium");
  EXPECT_TRUE(messages_.messages().empty());
}

TEST_F(AtomnoteTest, QuitOnAnOldSystemLetsOpenFinishAndSavesOnClose) {
  SetGestaltForTesting([](const std::string&, int32_t& response) -> OSErr {
    response = 0x1028;
    return noErr;
  });
  Atomnote application;
  int exitCode = application.Run();

  EXPECT_EQ(exitCode, 0);
  EXPECT_TRUE(application.QuitRequested());
  ASSERT_EQ(messages_.messages().size(), 1u);
  EXPECT_EQ(messages_.messages()[0].text, OSVersionTooOldMessage());
  // Open went on past the version check ...
  EXPECT_EQ(eGeneral(1, 1), "He");
  EXPECT_TRUE(gIsNewUser);
  // ... and Close wrote the preferences.
  EXPECT_TRUE(std::filesystem::exists(PreferencesFile()));
}

// The texts of the File menu's items, top to bottom.
std::vector<std::string> FileItemTexts() {
  std::vector<std::string> texts;
  for (const QAction* item : MenuBar1().Menu("FileMenu")->actions())
    texts.push_back(item->text().toStdString());
  return texts;
}

// The menu bar outlives the application object: an Open puts one Eject item in its File menu,
// replacing the one an earlier Open put there, and the item goes with the application.
TEST_F(AtomnoteTest, EachOpenReplacesTheEjectItemAndTheItemGoesWithTheApplication) {
  const std::vector<std::string> withEject = {"Eject iPod", "&Close Window", "Quit Atomnote Installer"};
  {
    Atomnote application;
    application.OpenForTesting();
    const QPointer<MenuItem> first = application.ejectIpodMenu;
    application.OpenForTesting();
    EXPECT_TRUE(first.isNull()) << "the first item stayed";
    EXPECT_EQ(FileItemTexts(), withEject);
  }
  EXPECT_EQ(FileItemTexts(), (std::vector<std::string>{"&Close Window", "Quit Atomnote Installer"}));

  Atomnote later;
  later.OpenForTesting();
  EXPECT_EQ(FileItemTexts(), withEject);
}

// Opens the units sheet with the main window's "Customize Units", picks "ºF" for the melting
// point and saves.
void SaveFahrenheitForTheMeltingPoint(class Window1& mainWindow) {
  mainWindow.Show();
  ASSERT_TRUE(WaitExposed(mainWindow));
  ClickControl(mainWindow, mainWindow.PushButton4());
  ASSERT_TRUE(WaitFor([] { return customizeSheetExists() && customizeSheet().isVisible(); }));
  class customizeSheet& sheet = customizeSheet();
  ASSERT_TRUE(ChoosePopupRow(sheet, sheet.meltPopup(), 2));
  ASSERT_EQ(sheet.meltPopup().currentText(),
            "\u00BA"
            "F");
  ClickControl(sheet, sheet.PushButton1());
  ASSERT_TRUE(WaitFor([] { return !customizeSheetExists(); }));
}

// "ºF" saved in the units sheet is stored as row 2 and reaches the preferences file when the
// application quits.
TEST_F(AtomnoteTest, UnitsSavedInTheSheetAreWrittenAtQuit) {
  WritePreferences("prefLastUsedVersion=1.6.2\nprefDiskUseReminder=0\n");
  Atomnote application;
  class Window1& mainWindow = _MakeDefaultView();
  const int exitCode = application.Run([&] {
    SaveFahrenheitForTheMeltingPoint(mainWindow);
    EXPECT_EQ(prefUnits(1), 2);
    application.Quit();
  });

  EXPECT_EQ(exitCode, 0);
  const std::string file = ReadFileBytes(PreferencesFile());
  EXPECT_NE(file.find("\nprefUnits=0 2 0 8 8 3 0 0 0 0 0 0 8 0 1 1 0\n"), std::string::npos) << file;
}

}  // namespace
