#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QImageReader>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/ElementTables.h"
#include "framework/Application.h"
#include "framework/AtomnoteState.h"
#include "framework/MessageSink.h"
#include "install/InstallTestSupport.h"
#include "install/iPodScanClass.h"
#include "install/widgets/ProgressWindow.h"
#include "install/widgets/ProgressWindowDisplay.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/PreferencesFile.h"
#include "support/FixtureVolume.h"
#include "support/KeepFolder.h"
#include "support/ScopedImmutableFile.h"
#include "support/TestSupport.h"
#include "support/widgets/WindowEvents.h"
#include "ui/MainWindowTestSupport.h"
#include "ui/Window1.h"
#include "ui/customizeSheet.h"

namespace fs = std::filesystem;

namespace {

// The iPod shows at most this many bytes of a note.
constexpr std::uintmax_t kNoteSizeLimit = 4096;

const char kCompletionDialog[] =
    "dialog: Atomnote has been installed with your selected options on your iPod.";

bool IsPicture(const fs::path& file) { return file.extension() == ".jpg"; }

struct NoteLink {
  fs::path note;
  std::string target;
};

// Every <A HREF="..."> of the note; each must be closed by </A> in any case.
std::vector<std::string> LinkTargets(const std::string& text) {
  static const std::regex link(R"re(<a\s+href="([^"]*)">[^<]*</a>)re", std::regex::icase);
  static const std::regex opening(R"(<a\s)", std::regex::icase);
  std::vector<std::string> targets;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), link); it != std::sregex_iterator(); ++it) {
    targets.push_back((*it)[1]);
  }
  const auto openings =
      std::distance(std::sregex_iterator(text.begin(), text.end(), opening), std::sregex_iterator());
  EXPECT_EQ(static_cast<std::size_t>(openings), targets.size())
      << "a link that is not of the form <A HREF=\"...\">...</A>";
  return targets;
}

// Relative links from the note's folder, absolute ones from the Notes folder; the target must be
// a file of the tree.
bool Resolves(const fs::path& notes, const NoteLink& link) {
  const fs::path target =
      link.target.starts_with("/") ? notes / link.target.substr(1) : link.note.parent_path() / link.target;
  const fs::path normal = target.lexically_normal();
  const std::string inside = fs::relative(normal, notes).string();
  return !inside.starts_with("..") && fs::is_regular_file(normal);
}

// The Notes folder as the install left it, kept for a look by hand when ATOMNOTE_TEST_KEEP
// names a folder.
void KeepNotesFolder(const fs::path& notes) {
  const std::optional<fs::path> keep = KeepFolder();
  if (!keep) return;
  const fs::path copy = *keep / "Notes";
  fs::remove_all(copy);
  fs::copy(notes, copy, fs::copy_options::recursive);
}

// A fixture iPod that the scan finds, the real data, the installer's built bundle with the
// pictures it ships, the preferences at their defaults with the glossary and visual tables on,
// and the host answering as 10.4.
class InstallRoadTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { LoadShippedDataOnce(); }

  void SetUp() override {
    CloseProgressWindowIfOpen();
    setDefaultPreferences();
    prefVisualTables = true;
    prefGlossary = true;
    App().globalMacOSVersion = 10.4;
    iPodScanClass::GetiPodList();
    ASSERT_EQ(iPodScanClass::iPodFolderItemList.Ubound(), 0) << "the fixture volume is not found as an iPod";
  }

  void TearDown() override {
    CloseProgressWindowIfOpen();
    SetScanList({});
    ResetPreferenceGlobals();
    App().globalMacOSVersion = 0.0;
  }

  TempFolder temp_;
  FixtureVolume volume_{temp_.path(), "IPOD"};
  ScopedVolumes volumes_{{volume_.root()}};
  ScopedBundle bundle_{fs::path(ATOMNOTE_BUNDLE_DIR)};
  // Every box and dialog in the order shown; the dialog is answered "Continue Using Installer".
  ScopedRecordingSink messages_;
  ScopedProgressDisplay<ProgressWindowDisplay> progress_;
  Application application_;
};

// The Install button's action on a fresh iPod with every dataset selected: it returns with the
// progress window at 20 and no element note yet; the worker then writes the element notes and
// their companions, the completion dialog comes, and "Continue Using Installer" leaves the
// installer running. Every link of every note leads to a note of the tree, every visual table
// linked is a picture the iPod shows, and every note fits the iPod's limit.
TEST_F(InstallRoadTest, TheInstallButtonWritesACompleteTreeWhoseLinksAllResolve) {
  const fs::path notes = volume_.notes();
  const fs::path root = notes / "Atomnote";
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));

  window.PushButton1_Action();

  EXPECT_EQ(prefPhysical, "1 1 1 1 1 1 1 1 ");
  EXPECT_EQ(prefIsotope, "1 ");
  ASSERT_TRUE(progressWindowExists());
  EXPECT_EQ(progressWindow().ProgressBar1().value(), 20);
  EXPECT_TRUE(fs::is_directory(root / "e"));
  EXPECT_TRUE(fs::is_empty(root / "e")) << "the element notes come after the action has returned";
  EXPECT_TRUE(messages_.shown().empty());

  RunUntilTheCompletionDialog(messages_);

  ASSERT_EQ(messages_.shown(), std::vector<std::string>{kCompletionDialog});
  EXPECT_FALSE(progressWindowExists());
  EXPECT_FALSE(application_.QuitRequested());
  KeepNotesFolder(notes);

  // The menu notes, as the menu-note tests expect them for these choices, and the visual tables.
  const std::vector<std::string> listing = TreeListing(notes);
  const std::set<std::string> written(listing.begin(), listing.end());
  for (std::string entry :
       FileLines(fs::path(ATOMNOTE_FIXTURES_DIR) / "notes" / "product-american-glossary.tree")) {
    if (!entry.empty()) {
      EXPECT_TRUE(written.contains(entry)) << entry;
    }
  }
  for (const char* table : {"Atomnote/t/basic.jpg", "Atomnote/t/en.jpg", "Atomnote/t/weights.jpg"}) {
    EXPECT_TRUE(written.contains(table)) << table;
  }

  std::vector<std::string> elementNotes;
  for (int row = 0; row <= kLastElementRow; ++row) {
    for (const std::string suffix : {"", "-i", "-n"}) elementNotes.push_back(eGeneral(row, 1) + suffix);
  }
  std::sort(elementNotes.begin(), elementNotes.end());
  EXPECT_EQ(TreeListing(root / "e"), elementNotes);

  std::vector<NoteLink> links;
  std::vector<std::pair<std::uintmax_t, std::string>> sizes;
  for (const auto& entry : fs::recursive_directory_iterator(notes)) {
    if (!entry.is_regular_file() || IsPicture(entry.path())) continue;
    sizes.emplace_back(entry.file_size(), fs::relative(entry.path(), notes).string());
    for (const std::string& target : LinkTargets(ReadFileBytes(entry.path())))
      links.push_back({entry.path(), target});
  }
  int unresolved = 0;
  for (const NoteLink& link : links) {
    if (Resolves(notes, link)) continue;
    if (++unresolved <= 20)
      ADD_FAILURE() << fs::relative(link.note, notes) << " links to missing \"" << link.target << '"';
  }
  EXPECT_EQ(unresolved, 0) << "of " << links.size() << " links";
  // At least the two companion links of every element note and one link per element in each of
  // the three index notes.
  EXPECT_GE(links.size(), 111u * 2 + 111u * 3);

  // The four visual tables: JPEGs in t/ of the size of the iPod's screen.
  const std::vector<std::string> tables = LinkTargets(ReadFileBytes(root / "table.linx"));
  EXPECT_EQ(tables.size(), 4u);
  for (const std::string& target : tables) {
    SCOPED_TRACE(target);
    EXPECT_EQ(fs::path(target).parent_path(), "t");
    QImageReader reader(QString::fromStdString((root / target).string()));
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(320, 240));
  }

  std::sort(sizes.rbegin(), sizes.rend());
  std::cout << "Largest notes of " << sizes.size() << ":\n";
  for (std::size_t i = 0; i < sizes.size() && i < 8; ++i) {
    std::cout << "  " << sizes[i].first << " bytes  " << sizes[i].second << '\n';
  }
  for (const auto& [size, name] : sizes) EXPECT_LE(size, kNoteSizeLimit) << name;
}

// The line of each dataset row in an element note, by the label it starts with (the boiling point
// follows the melting point on its line); the last two rows are the links to the element's
// companion notes.
// clang-format off
const std::vector<std::string> kRowLineStarts = {
    "melt: ", "boil: ", "\u0394Hvap: ", "\u0394Hfus: ", "spec. heat: ", "photo. work. fxn.: ",
    "linear expansion coeff.:", "magnetic susceptibility:",
    "density: ", "thermal cond.: ", "resistivity: ", "supercond. Tc: ", "crystal structure: ", "metal cluster: ",
    "nearest neighbor: ", "lattice a: ", "lattice c: ",
    "electronic configuration: ", "atomic radius: ", "covalent radius: ", "ionic radius (ion): ",
    "atomic volume: ", "electronegativity: ", "electron affinity: ", "1st ioniz. en.: ", "2nd ioniz. en.: ",
    "3rd ioniz. en.: ", "4th ioniz. en.: ", "electric dipole polarizability:", "valences: ",
    "crustal abundance: ", "oceanic abundance: ", "atmosphere abundance: ", "solar system abundance:",
    "CAS #: ",
    "\u2022 <A HREF=\"", "\u2022 <A HREF=\""};
// clang-format on

// The rows whose lines the note holds.
std::set<int> RowsInNote(const std::string& symbol, const std::vector<std::string>& lines) {
  std::set<int> rows;
  for (const std::string& line : lines) {
    for (int row = 0; row <= 34; ++row) {
      const std::string& label = kRowLineStarts[static_cast<std::size_t>(row)];
      if (line.starts_with(label) || line.find(" \u2022 " + label) != std::string::npos) rows.insert(row);
    }
    if (line == kRowLineStarts[35] + symbol + "-i\">miscellaneous information</A>") rows.insert(35);
    if (line == kRowLineStarts[36] + symbol + "-n\">isotope information</A>") rows.insert(36);
  }
  return rows;
}

// A person unticks some datasets by clicking their check boxes, and the option to leave out
// lines without data, then clicks Install: every element note holds the lines of exactly the
// ticked rows (missing values written as "--"), and companion notes only for the ticked ones.
TEST_F(InstallRoadTest, TheInstallWritesExactlyTheTickedDatasets) {
  const std::set<int> unticked = {0, 7, 8, 16, 17, 20, 29, 31, 34, 36};
  std::set<int> ticked;
  for (int row = 0; row < 37; ++row) {
    if (!unticked.contains(row)) ticked.insert(row);
  }
  class Window1 window;
  ASSERT_TRUE(OpenAndWaitExposed(window));
  ASSERT_TRUE(window.PushButton1().isEnabled()) << "the iPod is found";
  ASSERT_TRUE(window.OmitCheckBox().isChecked());
  for (const int row : unticked) ClickDatasetCheckbox(window, row);
  ClickControl(window, window.OmitCheckBox());
  ASSERT_TRUE(WaitFor([&] { return !window.OmitCheckBox().isChecked(); }));
  for (int row = 0; row < 37; ++row)
    ASSERT_EQ(window.InstallList().CellCheck(row, 0), ticked.contains(row)) << row;

  ClickControl(window, window.PushButton1());
  RunUntilTheCompletionDialog(messages_);

  ASSERT_EQ(messages_.shown(), std::vector<std::string>{kCompletionDialog});
  const fs::path elements = volume_.notes() / "Atomnote" / "e";
  for (int row = 0; row <= kLastElementRow; ++row) {
    const std::string symbol = eGeneral(row, 1);
    SCOPED_TRACE(symbol);
    EXPECT_EQ(RowsInNote(symbol, FileLines(elements / symbol)), ticked);
    EXPECT_TRUE(fs::is_regular_file(elements / (symbol + "-i")));
    EXPECT_FALSE(fs::exists(elements / (symbol + "-n")));
  }
}

// Units picked in the sheet that "Customize Units" opens, and saved, are the units the element
// notes of the next install are written in: one choice serves all four ionization energies and
// both lattice parameters.
TEST_F(InstallRoadTest, UnitsSavedInTheSheetAreTheUnitsOfTheNextInstall) {
  class Window1 window;
  window.Show();
  ASSERT_TRUE(WaitExposed(window));
  ASSERT_TRUE(window.PushButton1().isEnabled()) << "the window's first scan found the iPod";
  ClickControl(window, window.PushButton4());
  ASSERT_TRUE(WaitFor([] { return customizeSheetExists() && customizeSheet().isVisible(); }));
  class customizeSheet& sheet = customizeSheet();
  ASSERT_TRUE(ChoosePopupRow(sheet, sheet.massPopup(), 1));     // kg/mol
  ASSERT_TRUE(ChoosePopupRow(sheet, sheet.meltPopup(), 2));     // ºF
  ASSERT_TRUE(ChoosePopupRow(sheet, sheet.ionEPopup(), 14));    // MJ/g
  ASSERT_TRUE(ChoosePopupRow(sheet, sheet.latticePopup(), 2));  // pm
  ClickControl(sheet, sheet.PushButton1());
  ASSERT_TRUE(WaitFor([] { return !customizeSheetExists(); }));

  ClickControl(window, window.PushButton1());
  RunUntilTheCompletionDialog(messages_);
  ASSERT_EQ(messages_.shown(), std::vector<std::string>{kCompletionDialog});

  // Each of these lines of the iron note holds its unit.
  struct UnitLine {
    const char* start;
    const char* unit;
  };
  const UnitLine lines[] = {
      {"Fe \u2022 26 \u2022 ", " kg/mol"},
      {"melt: ", "\u02DAF \u2022 boil: "},
      {"1st ioniz. en.: ", " MJ/g"},
      {"2nd ioniz. en.: ", " MJ/g"},
      {"3rd ioniz. en.: ", " MJ/g"},
      {"4th ioniz. en.: ", " MJ/g"},
      {"lattice a: ", " pm"},
  };
  std::string text = ReadFileBytes(volume_.notes() / "Atomnote" / "e" / "Fe");
  std::replace(text.begin(), text.end(), '\r', '\n');
  std::vector<std::string> noteLines;
  for (std::size_t from = 0, to; from < text.size(); from = to + 1) {
    to = std::min(text.find('\n', from), text.size());
    noteLines.push_back(text.substr(from, to - from));
  }
  for (const UnitLine& line : lines) {
    SCOPED_TRACE(line.start);
    const auto found = std::find_if(noteLines.begin(), noteLines.end(),
                                    [&](const std::string& l) { return l.starts_with(line.start); });
    ASSERT_NE(found, noteLines.end()) << text;
    EXPECT_NE(found->find(line.unit), std::string::npos) << *found;
  }
}

// The notes root is the Notes folder itself, where a file "e" that nobody can delete is in the
// way: its removal reports its own error, the folder "e" cannot be made, and the worker still
// starts; its element notes report #712, and the completion dialog follows, saying that the
// install did not complete.
TEST_F(InstallRoadTest, AnElementFolderThatCannotBeMadeStillStartsTheWorker) {
  prefMonopolizeiPodNotes = true;
  WriteFileBytes(volume_.notes() / "e", "in the way");
  const ScopedImmutableFile immutable(volume_.notes() / "e");
  if (!immutable.applied()) GTEST_SKIP() << "the file system keeps no immutable flag here";
  class Window1 window;

  window.PushButton1_Action();
  RunUntilTheCompletionDialog(messages_);

  EXPECT_EQ(messages_.shown(),
            (std::vector<std::string>{"Atomnote Install cleanup error #928.",
                                      "Error #712: Generic error in createElements",
                                      "dialog: Atomnote was not completely installed on your iPod."}));
  EXPECT_TRUE(fs::is_regular_file(volume_.notes() / "e"));
  EXPECT_TRUE(fs::is_regular_file(volume_.notes() / "main.linx"));
  EXPECT_FALSE(progressWindowExists());
}

// A click on the Install button runs its action: the selection is stored, then the install
// driver runs (here without an iPod in the scan's list, so it ends in its own error).
class InstallButtonTest : public MainWindowTest {};

TEST_F(InstallButtonTest, AClickRunsTheAction) {
  class Window1 window;
  ASSERT_TRUE(OpenWithInstallEnabledAndNoiPod(window));

  ClickControl(window, window.PushButton1());

  ASSERT_TRUE(WaitFor([&] { return !messages_.messages().empty(); }));
  EXPECT_EQ(prefPhysical, "1 1 1 1 1 1 1 1 ");
  EXPECT_EQ(MessageTexts(messages_),
            std::vector<std::string>{"48 | Error | Error #703: Generic setup error."});
  EXPECT_FALSE(window.quitASAP);
}

}  // namespace
