#include <algorithm>
#include <vector>

#include "data/ElementTables.h"
#include "framework/TextFunctions.h"
#include "framework/Yield.h"
#include "install/InstallSteps.h"
#include "install/NoteOutput.h"
#include "prefs/PreferenceGlobals.h"

namespace {

constexpr int kLastElementRow = 110;  // atomic number 111

const char* const kRightsNotice =
    "Atomnote notes copyright © 2026 Hollowbrook Works. All rights reserved. These notes may be used "
    "on the iPod of their owner.";

// The one comparison of element names and symbols, for sorting and for looking them up again:
// plain byte order of the UTF-8 texts, that is code-point order, case-sensitive. Names and
// symbols are stored in one case each, and a name sorted by it always finds itself again.
int CompareNoteNames(const std::string& a, const std::string& b) { return a.compare(b); }

void SortNoteNames(StringArray& list) {
  std::vector<std::string> entries;
  for (int i = 0; i <= list.Ubound(); ++i) entries.push_back(list(i));
  std::sort(entries.begin(), entries.end(),
            [](const std::string& a, const std::string& b) { return CompareNoteNames(a, b) < 0; });
  for (int i = 0; i <= list.Ubound(); ++i) list(i) = entries[std::size_t(i)];
}

bool American() { return prefLanguage == 0; }

const std::string& ElementName(int row) { return American() ? eEnglish(row) : eBritish(row); }

std::string ElementLink(const std::string& symbol, const std::string& label) {
  return "<A HREF=\"e/" + symbol + "\">" + label + "</A>";
}

void FillNamesForAlpha(InstallRun& run) {
  for (int row = 0; row <= kLastElementRow; ++row) {
    run.names(row) = American() ? eGeneral(row, 0) : eBritish(row);
    Yield();
  }
}

// Each sorted name gets the symbol of the first element of that name; an entry with no match
// keeps what it held.
void LookUpSymbols(InstallRun& run) {
  for (int i = 0; i <= kLastElementRow; ++i) {
    for (int j = 0; j <= kLastElementRow; ++j) {
      if (CompareNoteNames(ElementName(j), run.names(i)) == 0) {
        run.symbols(i) = eGeneral(j, 1);
        break;
      }
      Yield();
    }
    Yield();
  }
}

void FillSymbols(InstallRun& run) {
  for (int row = 0; row <= kLastElementRow; ++row) {
    run.symbols(row) = eGeneral(row, 1);
    Yield();
  }
}

void LookUpNames(InstallRun& run) {
  for (int i = 0; i <= kLastElementRow; ++i) {
    for (int j = 0; j <= kLastElementRow; ++j) {
      if (CompareNoteNames(eGeneral(j, 1), run.symbols(i)) == 0) {
        run.names(i) = ElementName(j);
        break;
      }
      Yield();
    }
    Yield();
  }
}

void WriteMenuLines(TextOutputStream& note, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) uniWriteLn(line, note);
}

}  // namespace

FolderItem WriteEntryNote(const FolderItem& notes, const std::string& productFolder) {
  FolderItem entryNote;
  TextOutputStream note;
  std::vector<std::string> lines;
  if (prefMonopolizeiPodNotes) {
    entryNote = notes.Child("main.linx");
    note = CreateNote(notes, "main.linx");
    lines = {kXmlLine,
             "<TITLE>Atomnote</TITLE>",
             "<A HREF=\"alpha.linx\">Alphabetical</A>",
             "<A HREF=\"atnum.linx\">Atomic Numbers</A>",
             "<A HREF=\"symbol.linx\">Symbols</A>",
             "<A HREF=\"group.linx\">Groups</A>",
             "<A HREF=\"period.linx\">Periods</A>"};
  } else {
    const FolderItem product = notes.Child(productFolder);
    product.CreateAsFolder();
    entryNote = product.Child("index.linx");
    note = CreateNote(product, "index.linx");
    lines = {"<TITLE>Atomnote</TITLE>",
             "<A HREF=\"alpha.linx\">Alphabetical</A>",
             "<A HREF=\"atnum.linx\">Atomic Numbers</A>",
             "<A HREF=\"symbol.linx\">Symbols</A>",
             "<A HREF=\"period.linx\">Periods</A>",
             "<A HREF=\"group.linx\">Groups</A>"};
  }
  if (prefVisualTables) lines.push_back("<A HREF=\"table.linx\">Visual Tables</A>");
  lines.push_back("<A HREF=\"about.linx\">About</A>");
  WriteMenuLines(note, lines);
  note.Close();
  return entryNote.Parent();
}

void WriteLicenseNote(InstallRun& run) {
  TextOutputStream note = CreateNote(run.root, "License Note.txt", kRightsNoticeCreator);
  uniWriteLn(kRightsNotice, note);
  note.Close();
}

void WriteAlphaNote(InstallRun& run) {
  TextOutputStream note = CreateNote(run.root, "alpha.linx");
  FillNamesForAlpha(run);
  SortNoteNames(run.names);
  LookUpSymbols(run);
  uniWriteLn("<TITLE>Alphabetical</TITLE>", note);
  for (int i = 0; i <= kLastElementRow; ++i) {
    uniWriteLn(ElementLink(run.symbols(i), run.names(i) + " - " + run.symbols(i)), note);
    Yield();
  }
  note.Close();
}

void WriteSymbolNote(InstallRun& run) {
  FillSymbols(run);
  SortNoteNames(run.symbols);
  LookUpNames(run);
  TextOutputStream note = CreateNote(run.root, "symbol.linx");
  uniWriteLn("<TITLE>Symbols</TITLE>", note);
  for (int i = 0; i <= kLastElementRow; ++i) {
    uniWriteLn(ElementLink(run.symbols(i), run.symbols(i) + " - " + run.names(i)), note);
    Yield();
  }
  note.Close();
}

void WriteAtnumNote(InstallRun& run) {
  TextOutputStream note = CreateNote(run.root, "atnum.linx");
  uniWriteLn("<TITLE>Atomic Numbers</TITLE>", note);
  for (int n = 1; n <= kLastElementRow + 1; ++n) {
    uniWriteLn(ElementLink(eGeneral(n - 1, 1), Str(n) + " - " + ElementName(n - 1)), note);
    Yield();
  }
  note.Close();
}
