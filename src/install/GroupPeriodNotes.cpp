#include <string>
#include <vector>

#include "framework/Yield.h"
#include "install/InstallSteps.h"
#include "install/InstallerWindow.h"
#include "install/NoteOutput.h"

namespace {

// Atomic numbers first to last; a single member has first == last.
struct Members {
  int first;
  int last;
  bool IsRange() const { return last != first; }
};

// A note listing elements (a group or a period of the periodic table) and its line in the menu.
// Where British usage names it differently, britishLabel and britishTitle hold that name;
// otherwise they are empty.
struct MemberNote {
  const char* file;
  const char* label;
  const char* britishLabel;
  const char* title;
  const char* britishTitle;
  std::vector<Members> members;
};

// The menu of a set of member notes and the folder that holds them.
struct MemberNoteSet {
  const char* menu;
  const char* title;
  const char* folder;
  const std::vector<MemberNote>& notes;
};

// In writing order. Every atomic number from 2 to 110 is in exactly one group; hydrogen and 111
// are in none, and lanthanum and actinium count with the transition metals.
const std::vector<MemberNote>& Groups() {
  static const std::vector<MemberNote> groups = {
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

const std::vector<MemberNote>& Periods() {
  static const std::vector<MemberNote> periods = {
      {"period1.linx", "Period 1", "", "Period 1", "", {{1, 2}}},
      {"period2.linx", "Period 2", "", "Period 2", "", {{3, 10}}},
      {"period3.linx", "Period 3", "", "Period 3", "", {{11, 18}}},
      {"period4.linx", "Period 4", "", "Period 4", "", {{19, 36}}},
      {"period5.linx", "Period 5", "", "Period 5", "", {{37, 54}}},
      {"period6.linx", "Period 6", "", "Period 6", "", {{55, 86}}},
      {"period7.linx", "Period 7", "", "Period 7", "", {{87, 111}}},
  };
  return periods;
}

std::string Label(const MemberNote& note) {
  return BritishNames() && *note.britishLabel != '\0' ? note.britishLabel : note.label;
}

std::string Title(const MemberNote& note) {
  return BritishNames() && *note.britishTitle != '\0' ? note.britishTitle : note.title;
}

std::string MenuLine(const std::string& folder, const std::string& file, const std::string& label) {
  return "<A HREF=\"" + folder + "/" + file + "\">" + label + "</A>";
}

std::string TitleLine(const std::string& title) { return "<TITLE>" + title + "</TITLE>"; }

// The names back in atomic-number order, after the index notes sorted them.
void RefillNames(InstallRun& run) {
  for (int row = 0; row <= kLastElementRow; ++row) {
    run.names(row) = ElementName(row);
    Yield();
  }
}

void WriteMenu(const FolderItem& root, const MemberNoteSet& set) {
  TextOutputStream menu = CreateNote(root, set.menu);
  uniWriteLn(kXmlLine, menu);
  uniWriteLn(TitleLine(set.title), menu);
  for (const MemberNote& note : set.notes) uniWriteLn(MenuLine(set.folder, note.file, Label(note)), menu);
  menu.Close();
}

// A yield follows each member taken from a range; single members are written without one.
void WriteMemberNote(const InstallRun& run, const FolderItem& folder, const MemberNote& memberNote) {
  TextOutputStream note = CreateNote(folder, memberNote.file);
  uniWriteLn(TitleLine(Title(memberNote)), note);
  for (const Members& members : memberNote.members) {
    for (int n = members.first; n <= members.last; ++n) {
      uniWriteLn(run.window.deepReferencer(n, run.names), note);
      if (members.IsRange()) Yield();
    }
  }
  note.Close();
}

// A folder that could not be made only leaves out its notes, without a message.
void WriteMenuAndNotes(InstallRun& run, const MemberNoteSet& set) {
  WriteMenu(run.root, set);
  const FolderItem folder = run.root.Child(set.folder);
  folder.CreateAsFolder();
  RefillNames(run);
  if (!folder.Exists()) return;
  for (const MemberNote& note : set.notes) WriteMemberNote(run, folder, note);
}

}  // namespace

void WriteGroupNotes(InstallRun& run) { WriteMenuAndNotes(run, {"group.linx", "Groups", "g", Groups()}); }

void WritePeriodNotes(InstallRun& run) { WriteMenuAndNotes(run, {"period.linx", "Periods", "p", Periods()}); }
