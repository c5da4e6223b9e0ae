#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "person/PersonAtScreen.h"
#include "person/TmpfsiPod.h"
#include "support/ChildProcess.h"
#include "support/KeepFolder.h"
#include "support/TestSupport.h"
#include "support/x11/VirtualXServer.h"

namespace fs = std::filesystem;

namespace {

const fs::path kInstaller = fs::path(ATOMNOTE_BUNDLE_DIR) / "Contents" / "MacOS" / "AtomnoteInstaller";
const char kMainWindowTitle[] = "Atomnote 1.6.2 Installer";
// The main window's content area lies under its menu bar and keeps this height.
constexpr int kContentHeight = 605;
// Places in the content area, as the window's control table gives them.
const QRect kInstallButton(369, 565, 239, 20);
const QRect kRemoveButton(118, 565, 239, 20);
const QRect kDatasetList(20, 56, 396, 225);
const QRect kGlossaryCheckBox(20, 401, 396, 20);
const QRect kCustomizeUnitsButton(435, 179, 173, 20);
const QRect kSpellingPopup(452, 315, 156, 20);
// Places in the units sheet.
const char kUnitsSheetTitle[] = "Customize Units";
const QRect kMeltingPointPopup(202, 46, 98, 20);
const QRect kBoilingPointPopup(202, 78, 98, 20);
const QRect kSaveButton(498, 366, 94, 20);

// The colours the person sees the dataset rows in: melting point (row 0), density (row 8, the
// first of the crystal rows) and the isotope row (36, the last).
constexpr QRgb kMeltingPointRow = 0xFF6E71;
constexpr QRgb kDensityRow = 0x7DFF7D;
constexpr QRgb kIsotopeRow = 0xFF7F18;

constexpr int kStartMs = 20000;
constexpr int kInstallMs = 30000;

// The person's own note in the Notes folder: nothing the installer does may change it.
const char kUserNoteName[] = "My Chemistry Notes.txt";
const std::string kUserNote =
    "<TITLE>Lab</TITLE>\r\nTitration at 9, bring the burette.\nCaf\xC3\xA9 after.\n";

std::string ReadAll(const fs::path& path) { return ReadFileBytes(path); }

bool CloseColours(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) <= 6 && std::abs(qGreen(a) - qGreen(b)) <= 6 &&
         std::abs(qBlue(a) - qBlue(b)) <= 6;
}

// A row of the dataset list as the screen shows it: its band of colour, in the window's pixels.
struct ShownRow {
  int top;
  int bottom;  // past the last line
  QRgb colour;
  int Middle() const { return (top + bottom) / 2; }
};

// The rows of the list seen in the window's picture: the bands of one colour, at least 8 pixels
// high, down a line near the list's right edge, inside the scroll bar.
std::vector<ShownRow> RowsShown(const QImage& window, const QRect& list) {
  const int x = list.right() - 26;
  std::vector<ShownRow> rows;
  int top = list.top() + 1;
  for (int y = top + 1; y <= list.bottom(); ++y) {
    const bool bandEnds = y == list.bottom() || window.pixel(x, y) != window.pixel(x, top);
    if (!bandEnds) continue;
    if (y - top >= 8) rows.push_back({top, y, window.pixel(x, top) & 0xFFFFFF});
    top = y;
  }
  return rows;
}

// The first row of that colour, from the top; nothing when none is shown.
std::optional<ShownRow> RowOfColour(const std::vector<ShownRow>& rows, QRgb colour, bool last = false) {
  std::optional<ShownRow> found;
  for (const ShownRow& row : rows) {
    if (!CloseColours(row.colour, colour)) continue;
    found = row;
    if (!last) break;
  }
  return found;
}

// Where a person clicks a row's check box: on the first thing drawn over the row's colour from
// its left, a few pixels in.
std::optional<QPoint> CheckBoxOf(const QImage& window, const QRect& list, const ShownRow& row) {
  const int y = row.Middle();
  for (int x = list.left() + 3; x < list.left() + 60; ++x) {
    if (!CloseColours(window.pixel(x, y) & 0xFFFFFF, row.colour)) return QPoint(x + 6, y);
  }
  return std::nullopt;
}

// The melting and boiling parts of the line of an element note that states its melting point
// ("melt: 1811 K • boil: 3134 K"; the boiling part empty where it is left out); nothing when
// the note has no such line.
struct MeltAndBoil {
  std::string melt;
  std::string boil;
};
std::optional<MeltAndBoil> MeltAndBoilOf(const std::string& note) {
  const std::size_t start = note.find("melt: ");
  if (start == std::string::npos) return std::nullopt;
  const std::string line = note.substr(start, note.find_first_of("\r\n", start) - start);
  const std::string joint = " \u2022 boil: ";
  const std::size_t boil = line.find(joint);
  if (boil == std::string::npos) return MeltAndBoil{line, {}};
  return MeltAndBoil{line.substr(0, boil), line.substr(boil + joint.size())};
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Every note under folder whose text holds needle.
std::vector<std::string> NotesHolding(const fs::path& folder, const std::string& needle) {
  std::vector<std::string> found;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && ReadAll(entry.path()).find(needle) != std::string::npos) {
      found.push_back(entry.path().filename().string());
    }
  }
  return found;
}

class InstallerOnScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kInstaller)) GTEST_SKIP() << "the installer bundle is not built: " << kInstaller;
    if (!pod_.Mounted()) GTEST_SKIP() << pod_.skipReason();
    if (!ProgramOnPath("xdotool"))
      GTEST_SKIP() << "xdotool is not installed (scripts/install-deps.sh installs it)";
    x_ = std::make_unique<VirtualXServer>();
    if (!x_->Running()) GTEST_SKIP() << x_->skipReason();
    person_ = std::make_unique<PersonAtScreen>(x_->DisplayName());
    WriteFileBytes(pod_.Notes() / kUserNoteName, kUserNote);
    fs::create_directories(config_);
    fs::create_directories(runtime_);
    fs::permissions(runtime_, fs::perms::owner_all);
  }

  void TearDown() override {
    if (installer_ && HasFailure()) std::cerr << "installer output:\n" << ReadAll(log_) << '\n';
  }

  void StartInstaller() {
    installer_ =
        std::make_unique<ChildProcess>(kInstaller.string(), std::vector<std::string>{},
                                       ChildProcessOptions{.environment =
                                                               {
                                                                   {"DISPLAY", x_->DisplayName()},
                                                                   {"QT_QPA_PLATFORM", "xcb"},
                                                                   {"XDG_CONFIG_HOME", config_.string()},
                                                                   {"XDG_RUNTIME_DIR", runtime_.string()},
                                                               },
                                                           .output = log_});
    ASSERT_TRUE(installer_->Started());
    const auto main = x_->WaitForWindow(installer_->Pid(), Titled(kMainWindowTitle), kStartMs);
    ASSERT_TRUE(main) << "the main window never came up";
    main_ = *main;
    // The menu bar takes the top of the window, above the content area.
    contentTop_ = main_.geometry.height() - kContentHeight;
    ASSERT_GT(contentTop_, 0) << "no menu bar above the content area";
  }

  // The screen point of a point of the main window's content area.
  QPoint OnScreen(QPoint content) const {
    return main_.geometry.topLeft() + QPoint(0, contentTop_) + content;
  }

  void Click(const QRect& control) const { ASSERT_TRUE(person_->ClickAt(OnScreen(control.center()))); }

  // A rectangle of the content area in the window's picture, and a point of the picture on the
  // screen.
  QRect InPicture(const QRect& content) const { return content.translated(0, contentTop_); }
  QPoint PictureToScreen(QPoint picture) const { return main_.geometry.topLeft() + picture; }

  // The main window as drawn once it shows what the condition asks for (at most 100 looks).
  QImage PictureWhen(const std::function<bool(const QImage&)>& condition) const {
    QImage now;
    for (int look = 0; look < 100; ++look) {
      now = x_->CaptureWhenDrawn(main_, kStartMs);
      if (condition(now)) break;
    }
    return now;
  }
  // The main window as drawn once the part of its content area has changed from before.
  QImage PictureAfter(const QImage& before, const QRect& part) const {
    const QRect region = InPicture(part);
    return PictureWhen([&](const QImage& now) { return now.copy(region) != before.copy(region); });
  }

  // Clicks the check box of the first (or last) row of that colour the window shows.
  void ClickRowCheckBox(const QImage& picture, QRgb colour, bool last = false) const {
    const QRect list = InPicture(kDatasetList);
    const std::optional<ShownRow> row = RowOfColour(RowsShown(picture, list), colour, last);
    ASSERT_TRUE(row) << "no row of colour " << std::hex << colour << " shown";
    const std::optional<QPoint> box = CheckBoxOf(picture, list, *row);
    ASSERT_TRUE(box) << "no check box in the row of colour " << std::hex << colour;
    ASSERT_TRUE(person_->ClickAt(PictureToScreen(*box)));
  }

  // Clicks the popup at the point of the screen and waits for its list, a window of its own beside
  // the windows shown; nothing when it never opened.
  std::optional<VirtualXServer::WindowInfo> OpenPopupList(QPoint popup,
                                                          const std::vector<unsigned long>& shown) const {
    if (!person_->ClickAt(popup)) return std::nullopt;
    return x_->WaitForWindow(
        installer_->Pid(),
        [&](const VirtualXServer::WindowInfo& window) {
          return std::find(shown.begin(), shown.end(), window.id) == shown.end();
        },
        kStartMs);
  }
  // Waits until the popup's list has closed; whether it did.
  bool WaitForListClosed(const VirtualXServer::WindowInfo& list) const {
    return x_->WaitForNoWindow(
        installer_->Pid(), [&](const VirtualXServer::WindowInfo& window) { return window.id == list.id; },
        kStartMs);
  }

  // Turns the mouse wheel over the list until its last row shows.
  void ScrollListToTheEnd() const { ASSERT_TRUE(person_->ScrollDown(OnScreen(kDatasetList.center()), 20)); }

  // Waits for a message box or dialog of the installer and answers it with keys.
  void Answer(const std::string& keys, int timeoutMs) const {
    const auto dialog = x_->WaitForWindow(
        installer_->Pid(), [](const auto& window) { return window.dialog; }, timeoutMs);
    ASSERT_TRUE(dialog) << "no dialog came";
    ASSERT_TRUE(person_->TypeInto(dialog->id, keys));
    ASSERT_TRUE(x_->WaitForNoWindow(
        installer_->Pid(), [](const auto& window) { return window.dialog; }, kStartMs));
  }

  // Install; the completion dialog answered "Continue Using Installer" (the button after the
  // default one).
  void InstallAndContinue() const {
    ASSERT_NO_FATAL_FAILURE(Click(kInstallButton));
    ASSERT_NO_FATAL_FAILURE(Answer("Tab space", kInstallMs));
    EXPECT_FALSE(installer_->WaitForEnd(std::chrono::milliseconds(0))) << "the installer went on running";
  }

  // A later run: the licence agreement that a first run opens stays closed, so no window comes
  // over the main window while the person clicks in it.
  void StartLaterRun() {
    WriteFileBytes(config_ / "Atomnote Preferences", "prefLastUsedVersion=1.6.2\n");
    ASSERT_NO_FATAL_FAILURE(StartInstaller());
  }

  // Quits from the keyboard; the preferences file written at quit.
  std::string QuitAndReadPreferences() const {
    EXPECT_TRUE(person_->TypeInto(main_.id, "ctrl+q"));
    EXPECT_TRUE(installer_->WaitForEnd(std::chrono::milliseconds(kStartMs)));
    EXPECT_TRUE(installer_->ExitedNormally());
    EXPECT_EQ(installer_->ExitCode(), 0);
    return ReadAll(config_ / "Atomnote Preferences");
  }

  TempFolder work_;
  TmpfsiPod pod_{work_.path(), "IPOD"};
  const fs::path config_ = work_ / "config";
  const fs::path runtime_ = work_ / "runtime";
  const fs::path log_ = work_ / "installer.log";
  std::unique_ptr<VirtualXServer> x_;
  std::unique_ptr<PersonAtScreen> person_;
  std::unique_ptr<ChildProcess> installer_;
  VirtualXServer::WindowInfo main_;
  int contentTop_ = 0;
};

TEST_F(InstallerOnScreenTest, InstallsWhatThePersonChoseThenRemovesItLeavingTheirOwnNotes) {
  ASSERT_NO_FATAL_FAILURE(StartLaterRun());
  const QImage atStart = x_->CaptureWhenDrawn(main_, kStartMs);
  ASSERT_EQ(atStart.size(), main_.geometry.size()) << "the main window was never drawn";

  // Untick melting point and density, scroll down, tick the glossary, untick the isotopes.
  ASSERT_NO_FATAL_FAILURE(ClickRowCheckBox(atStart, kMeltingPointRow));
  ASSERT_NO_FATAL_FAILURE(ClickRowCheckBox(atStart, kDensityRow));
  ASSERT_NO_FATAL_FAILURE(ScrollListToTheEnd());
  // A check box takes clicks on its box and its caption, not on the rest of its width.
  ASSERT_TRUE(person_->ClickAt(OnScreen({kGlossaryCheckBox.left() + 8, kGlossaryCheckBox.center().y()})));
  // The glossary's tick shows once the installer has taken every turn of the wheel before it: the
  // list stays where they took it, however slowly it took them.
  const QImage scrolled = PictureAfter(atStart, kGlossaryCheckBox);
  ASSERT_NO_FATAL_FAILURE(ClickRowCheckBox(scrolled, kIsotopeRow, true));

  const QImage screenshot = PictureAfter(scrolled, kDatasetList);
  ASSERT_EQ(screenshot.size(), main_.geometry.size());
  if (const auto keep = KeepFolder())
    screenshot.save(QString::fromStdString((*keep / "main-window.png").string()));

  ASSERT_NO_FATAL_FAILURE(InstallAndContinue());

  // Exactly what was chosen: no melting points, densities or isotope notes; the rest there; the
  // glossary too.
  const fs::path product = pod_.Notes() / "Atomnote";
  const fs::path elements = product / "e";
  ASSERT_TRUE(fs::is_directory(elements));
  EXPECT_TRUE(fs::exists(product / "h" / "glossary.linx"));
  EXPECT_NE(ReadAll(elements / "Fe").find("boil: "), std::string::npos);
  EXPECT_NE(ReadAll(elements / "Fe").find("electronic configuration: "), std::string::npos);
  EXPECT_TRUE(fs::exists(elements / "Fe-i"));
  EXPECT_EQ(NotesHolding(elements, "melt: "), std::vector<std::string>{});
  EXPECT_EQ(NotesHolding(elements, "density: "), std::vector<std::string>{});
  EXPECT_FALSE(fs::exists(elements / "Fe-n"));
  EXPECT_EQ(NotesHolding(elements, "isotope information"), std::vector<std::string>{});
  EXPECT_EQ(ReadAll(pod_.Notes() / kUserNoteName), kUserNote);

  // Remove, and the closing message answered.
  ASSERT_NO_FATAL_FAILURE(Click(kRemoveButton));
  ASSERT_NO_FATAL_FAILURE(Answer("Return", kInstallMs));
  std::vector<std::string> left;
  for (const fs::directory_entry& entry : fs::directory_iterator(pod_.Notes())) {
    left.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(left, (std::vector<std::string>{kUserNoteName}));
  EXPECT_EQ(ReadAll(pod_.Notes() / kUserNoteName), kUserNote);

  // Quit from the keyboard: the preferences are saved with the choices made on screen.
  const std::string preferences = QuitAndReadPreferences();
  for (const char* line : {"prefGlossary=1\n", "prefPhysical=0 1 1 1 1 1 1 1 \n",
                           "prefCrystal=0 1 1 1 1 1 1 1 1 \n", "prefIsotope=0 \n"}) {
    EXPECT_NE(preferences.find(line), std::string::npos) << line;
  }
}

// The spelling popup opens at a click, and Down and Return pick its second row, "British
// English": the open list takes the Return, so Install, the main window's default button, is not
// pressed and nothing is written to the iPod. The units sheet comes down at a click on "Customize
// Units"; the melting point's popup opens at a click and its middle row, "ºF", is picked with
// another; in the boiling point's open popup Down and Escape close the list with no choice, the
// sheet staying up; "Save" closes the sheet. The install that follows is in British spelling and
// states every melting point in degrees Fahrenheit (the notes print a ring above, U+02DA, where
// the popup shows U+00BA) and the boiling points still in kelvin.
TEST_F(InstallerOnScreenTest, TheSpellingAndUnitsPickedInPopupsReachTheNotes) {
  ASSERT_NO_FATAL_FAILURE(StartLaterRun());
  ASSERT_EQ(x_->CaptureWhenDrawn(main_, kStartMs).size(), main_.geometry.size())
      << "the main window was never drawn";

  const auto spellingList = OpenPopupList(OnScreen(kSpellingPopup.center()), {main_.id});
  ASSERT_TRUE(spellingList) << "the spelling popup never opened";
  ASSERT_TRUE(person_->Type("Down Return"));
  ASSERT_TRUE(WaitForListClosed(*spellingList)) << "the spelling popup stayed open";

  ASSERT_NO_FATAL_FAILURE(Click(kCustomizeUnitsButton));
  const auto sheet = x_->WaitForWindow(installer_->Pid(), Titled(kUnitsSheetTitle), kStartMs);
  // The installer takes the click after the keys, however slowly: an install that Return had
  // started would have written its folder by now, or its windows would have held the click back.
  EXPECT_FALSE(x_->WaitForWindow(
      installer_->Pid(),
      [](const VirtualXServer::WindowInfo& window) {
        return (window.dialog && window.title != kUnitsSheetTitle) || window.title == "Installing\u2026";
      },
      0))
      << "Return in the popup pressed Install";
  ASSERT_FALSE(fs::exists(pod_.Notes() / "Atomnote")) << "Return in the popup pressed Install";
  ASSERT_TRUE(sheet) << "the units sheet never came down";
  const QImage sheetAtStart = x_->CaptureWhenDrawn(*sheet, kStartMs);
  ASSERT_FALSE(sheetAtStart.isNull()) << "the units sheet was never drawn";
  const QPoint sheetTopLeft = sheet->geometry.topLeft();

  // The popup's list is a window of its own; "K", "ºC", "ºF", "ºR", "Rk": "ºF" is the middle row.
  const auto list = OpenPopupList(sheetTopLeft + kMeltingPointPopup.center(), {main_.id, sheet->id});
  ASSERT_TRUE(list) << "the melting point's popup never opened";
  ASSERT_TRUE(person_->ClickAt(list->geometry.center()));
  ASSERT_TRUE(WaitForListClosed(*list)) << "the popup stayed open";
  if (const auto keep = KeepFolder()) {
    QImage picked = sheetAtStart;
    for (int look = 0; look < 30 && picked == sheetAtStart; ++look)
      picked = x_->CaptureWhenDrawn(*sheet, kStartMs);
    picked.save(QString::fromStdString((*keep / "on-screen Customize Units.png").string()));
  }

  const auto boilingList = OpenPopupList(sheetTopLeft + kBoilingPointPopup.center(), {main_.id, sheet->id});
  ASSERT_TRUE(boilingList) << "the boiling point's popup never opened";
  ASSERT_TRUE(person_->Type("Down Escape"));
  ASSERT_TRUE(WaitForListClosed(*boilingList)) << "the boiling point's popup stayed open";
  ASSERT_FALSE(x_->WaitForNoWindow(installer_->Pid(), Titled(kUnitsSheetTitle), 1500))
      << "Escape in the popup cancelled the sheet";

  ASSERT_TRUE(person_->ClickAt(sheetTopLeft + kSaveButton.center()));
  ASSERT_TRUE(x_->WaitForNoWindow(installer_->Pid(), Titled(kUnitsSheetTitle), kStartMs))
      << "Save left the sheet up";
  ASSERT_NO_FATAL_FAILURE(InstallAndContinue());

  const fs::path elements = pod_.Notes() / "Atomnote" / "e";
  ASSERT_TRUE(fs::is_directory(elements));
  int inFahrenheit = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(elements)) {
    const std::string name = entry.path().filename().string();
    if (name.find('-') != std::string::npos) continue;  // the companion notes
    const std::optional<MeltAndBoil> line = MeltAndBoilOf(ReadAll(entry.path()));
    // No melting point known: a line of blanks, or none where blank properties are left out.
    if (!line || line->melt == "melt: --") continue;
    SCOPED_TRACE(name + ": " + line->melt + " / " + line->boil);
    EXPECT_TRUE(EndsWith(line->melt, "\u02DAF"));
    EXPECT_TRUE(line->boil.empty() || line->boil == "--" || EndsWith(line->boil, " K"));
    ++inFahrenheit;
  }
  EXPECT_GE(inFahrenheit, 90) << "most elements have a melting point";
  const std::optional<MeltAndBoil> iron = MeltAndBoilOf(ReadAll(elements / "Fe"));
  ASSERT_TRUE(iron);
  EXPECT_EQ(iron->melt, "melt: 2800.13\u02DAF") << "1811 K";

  EXPECT_NE(ReadAll(elements / "Al").find("<TITLE>aluminium</TITLE>"), std::string::npos) << "not British";

  // The choices are kept for the next run: British spelling, and row 2 as the second of the 17
  // units.
  const std::string preferences = QuitAndReadPreferences();
  EXPECT_NE(preferences.find("\nprefLanguage=1\n"), std::string::npos) << preferences;
  EXPECT_NE(preferences.find("\nprefUnits=0 2 0 8 8 3 0 0 0 0 0 0 8 0 1 1 0\n"), std::string::npos)
      << preferences;
}

// A first run: about a second after start the licence agreement opens, once. Close Window
// closes it; the Help menu opens the help window and the About window, and Close Window closes
// each, the main window staying.
TEST_F(InstallerOnScreenTest, OnAFirstRunTheLicenceOpensAndCloseWindowClosesItHelpAndAbout) {
  ASSERT_NO_FATAL_FAILURE(StartInstaller());
  struct Step {
    const char* keys;  // typed into the main window; none for the window that opens by itself
    const char* title;
  };
  const Step steps[] = {
      {nullptr, "Software License"},
      {"alt+h h", "Atomnote Installer Help"},
      {"alt+h a", "About Atomnote Installer\u2026"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.title);
    if (step.keys != nullptr) {
      ASSERT_TRUE(person_->TypeInto(main_.id, step.keys));
    }
    const auto window = x_->WaitForWindow(installer_->Pid(), Titled(step.title), kStartMs);
    ASSERT_TRUE(window) << "the window never came up";
    if (const auto keep = KeepFolder()) {
      // What the screen showed there before may stand until the window has drawn itself: the
      // picture once it has changed from the first look (at most a few looks).
      const QImage first = x_->CaptureWhenDrawn(*window, kStartMs);
      QImage shown = first;
      for (int look = 0; look < 30 && shown == first; ++look) shown = x_->CaptureWhenDrawn(*window, kStartMs);
      shown.save(
          QString::fromStdString((*keep / ("on-screen " + std::string(step.title) + ".png")).string()));
    }
    ASSERT_TRUE(person_->TypeInto(window->id, "ctrl+w"));
    EXPECT_TRUE(x_->WaitForNoWindow(installer_->Pid(), Titled(step.title), kStartMs));
    EXPECT_TRUE(x_->WaitForWindow(installer_->Pid(), Titled(kMainWindowTitle), 0))
        << "the main window closed too";
  }
  EXPECT_FALSE(x_->WaitForWindow(installer_->Pid(), Titled("Software License"), 1500))
      << "the licence came back";

  ASSERT_TRUE(person_->TypeInto(main_.id, "ctrl+q"));
  ASSERT_TRUE(installer_->WaitForEnd(std::chrono::milliseconds(kStartMs)));
  EXPECT_EQ(installer_->ExitCode(), 0);
}

}  // namespace
