#include <string>
#include <vector>

#include "data/ElementTables.h"
#include "framework/Yield.h"
#include "install/InstallSteps.h"
#include "install/InstallerWindow.h"
#include "install/NoteOutput.h"
#include "prefs/PreferenceGlobals.h"

namespace {

constexpr int kLastElementRow = 110;  // atomic number 111

// Atomic numbers first to last; a single member has first == last.
struct Members {
  int first;
  int last;
  bool IsRange() const { return last != first; }
};

// A group of the periodic table as the notes show it. Where British usage names a group
// differently, britishLabel and britishTitle hold that name; otherwise they are empty.
struct Group {
  const char* file;
  const char* label;
  const char* britishLabel;
  const char* title;
  const char* britishTitle;
  std::vector<Members> members;
};

// In writing order. Every atomic number from 2 to 110 is in exactly one group; hydrogen and 111
// are in none, and lanthanum and actinium count with the transition metals.
const std::vector<Group>& Groups() {
  static const std::vector<Group> groups = {
      {"alkali.linx",
       "1 • alkali metals",
       "",
       "alkali metals",
       "",
       {{3, 3}, {11, 11}, {19, 19}, {37, 37}, {55, 55}, {87, 87}}},
      {"alkaline.linx",
       "2 • alkaline earths",
       "",
       "alkaline earths",
       "",
       {{4, 4}, {12, 12}, {20, 20}, {38, 38}, {56, 56}, {88, 88}}},
      {"transition.linx",
       "3-12 • transition metals",
       "",
       "transition metals",
       "",
       {{21, 30}, {39, 48}, {57, 57}, {72, 80}, {89, 89}, {104, 110}}},
      {"boron.linx",
       "13 • boron group",
       "",
       "boron group",
       "",
       {{5, 5}, {13, 13}, {31, 31}, {49, 49}, {81, 81}}},
      {"carbon.linx",
       "14 • carbon group",
       "",
       "carbon group",
       "",
       {{6, 6}, {14, 14}, {32, 32}, {50, 50}, {82, 82}}},
      {"nitrogen.linx",
       "15 • nitrogen group",
       "15 • pnictogens",
       "nitrogen group",
       "pnictogens",
       {{7, 7}, {15, 15}, {33, 33}, {51, 51}, {83, 83}}},
      {"oxygen.linx",
       "16 • oxygen group",
       "16 • chalcogens",
       "oxygen group",
       "chalcogens",
       {{8, 8}, {16, 16}, {34, 34}, {52, 52}, {84, 84}}},
      {"halogen.linx", "17 • halogens", "", "halogens", "", {{9, 9}, {17, 17}, {35, 35}, {53, 53}, {85, 85}}},
      {"noble.linx",
       "18 • noble gases",
       "",
       "noble gases",
       "",
       {{2, 2}, {10, 10}, {18, 18}, {36, 36}, {54, 54}, {86, 86}}},
      {"lanthanide.linx", "lanthanides", "", "lanthanides", "", {{58, 71}}},
      {"actinide.linx", "actinides", "", "actinides", "", {{90, 103}}},
  };
  return groups;
}

struct Period {
  const char* file;
  const char* label;
  Members members;
};

const std::vector<Period>& Periods() {
  static const std::vector<Period> periods = {
      {"period1.linx", "Period 1", {1, 2}},    {"period2.linx", "Period 2", {3, 10}},
      {"period3.linx", "Period 3", {11, 18}},  {"period4.linx", "Period 4", {19, 36}},
      {"period5.linx", "Period 5", {37, 54}},  {"period6.linx", "Period 6", {55, 86}},
      {"period7.linx", "Period 7", {87, 111}},
  };
  return periods;
}

bool British() { return prefLanguage != 0; }

std::string Label(const Group& group) {
  return British() && *group.britishLabel != '\0' ? group.britishLabel : group.label;
}

std::string Title(const Group& group) {
  return British() && *group.britishTitle != '\0' ? group.britishTitle : group.title;
}

std::string MenuLine(const std::string& folder, const std::string& file, const std::string& label) {
  return "<A HREF=\"" + folder + "/" + file + "\">" + label + "</A>";
}

std::string TitleLine(const std::string& title) { return "<TITLE>" + title + "</TITLE>"; }

// The names back in atomic-number order, after the index notes sorted them.
void RefillNames(InstallRun& run) {
  for (int row = 0; row <= kLastElementRow; ++row) {
    run.names(row) = British() ? eBritish(row) : eEnglish(row);
    Yield();
  }
}

void WriteGroupMenu(const FolderItem& root) {
  TextOutputStream menu = CreateNote(root, "group.linx");
  uniWriteLn(kXmlLine, menu);
  uniWriteLn(TitleLine("Groups"), menu);
  for (const Group& group : Groups()) uniWriteLn(MenuLine("g", group.file, Label(group)), menu);
  menu.Close();
}

// A yield follows each member taken from a range; single members are written without one.
void WriteGroupNote(const InstallRun& run, const FolderItem& folder, const Group& group) {
  TextOutputStream note = CreateNote(folder, group.file);
  uniWriteLn(TitleLine(Title(group)), note);
  for (const Members& members : group.members) {
    for (int n = members.first; n <= members.last; ++n) {
      uniWriteLn(run.window.deepReferencer(n, run.names), note);
      if (members.IsRange()) Yield();
    }
  }
  note.Close();
}

void WritePeriodMenu(const FolderItem& root) {
  TextOutputStream menu = CreateNote(root, "period.linx");
  uniWriteLn(kXmlLine, menu);
  uniWriteLn(TitleLine("Periods"), menu);
  for (const Period& period : Periods()) uniWriteLn(MenuLine("p", period.file, period.label), menu);
  menu.Close();
}

void WritePeriodNote(const InstallRun& run, const FolderItem& folder, const Period& period) {
  TextOutputStream note = CreateNote(folder, period.file);
  uniWriteLn(TitleLine(period.label), note);
  for (int n = period.members.first; n <= period.members.last; ++n) {
    uniWriteLn(run.window.deepReferencer(n, run.names), note);
    Yield();
  }
  note.Close();
}

}  // namespace

// A "g" that could not be made only leaves out the group notes, without a message.
void WriteGroupNotes(InstallRun& run) {
  WriteGroupMenu(run.root);
  const FolderItem folder = run.root.Child("g");
  folder.CreateAsFolder();
  RefillNames(run);
  if (!folder.Exists()) return;
  for (const Group& group : Groups()) WriteGroupNote(run, folder, group);
}

// Likewise for "p" and the period notes.
void WritePeriodNotes(InstallRun& run) {
  WritePeriodMenu(run.root);
  const FolderItem folder = run.root.Child("p");
  folder.CreateAsFolder();
  RefillNames(run);
  if (!folder.Exists()) return;
  for (const Period& period : Periods()) WritePeriodNote(run, folder, period);
}
