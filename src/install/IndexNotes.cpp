#include <algorithm>
#include <vector>

#include "data/ElementTables.h"
#include "framework/TextFunctions.h"
#include "framework/Yield.h"
#include "install/InstallSteps.h"
#include "install/NoteOutput.h"
#include "prefs/PreferenceGlobals.h"

namespace {

// Written without the xml line, so the iPod reads it as Latin-1: plain ASCII shows the same
// there, where a UTF-8 "©" would show as two wrong characters.
const char* const kRightsNotice =
    "Atomnote notes Copyright (c) 2026 Hollowbrook Works. All rights reserved. These notes may be used "
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

const std::string& Symbol(int row) { return eGeneral(row, 1); }

// The names alpha.linx sorts: the American names of the general table, or the British names.
const std::string& AlphaName(int row) { return BritishNames() ? eBritish(row) : eGeneral(row, 0); }

std::string ElementLink(const std::string& symbol, const std::string& label) {
  return "<A HREF=\"e/" + symbol + "\">" + label + "</A>";
}

using RowText = const std::string& (*)(int row);

// The list gets one entry per element row, in row order.
void Fill(StringArray& list, RowText textOf) {
  for (int row = 0; row <= kLastElementRow; ++row) {
    list(row) = textOf(row);
    Yield();
  }
}

// For each entry of the sorted list, the first row whose key equals it gives the entry at the
// same position of found; an entry with no match keeps what it held.
void LookUp(const StringArray& sorted, RowText keyOf, StringArray& found, RowText foundOf) {
  for (int i = 0; i <= kLastElementRow; ++i) {
    for (int j = 0; j <= kLastElementRow; ++j) {
      if (CompareNoteNames(keyOf(j), sorted(i)) == 0) {
        found(i) = foundOf(j);
        break;
      }
      Yield();
    }
    Yield();
  }
}

// The title, then one link per entry of the sorted list to its element's note, labelled with
// the sorted entry and the entry found for it.
void WriteIndexLines(TextOutputStream& note, const std::string& title, const StringArray& sorted,
                     const StringArray& found, const StringArray& symbols) {
  uniWriteLn("<TITLE>" + title + "</TITLE>", note);
  for (int i = 0; i <= kLastElementRow; ++i) {
    uniWriteLn(ElementLink(symbols(i), sorted(i) + " - " + found(i)), note);
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
  Fill(run.names, AlphaName);
  SortNoteNames(run.names);
  LookUp(run.names, ElementName, run.symbols, Symbol);
  WriteIndexLines(note, "Alphabetical", run.names, run.symbols, run.symbols);
  note.Close();
}

void WriteSymbolNote(InstallRun& run) {
  Fill(run.symbols, Symbol);
  SortNoteNames(run.symbols);
  LookUp(run.symbols, Symbol, run.names, ElementName);
  TextOutputStream note = CreateNote(run.root, "symbol.linx");
  WriteIndexLines(note, "Symbols", run.symbols, run.names, run.symbols);
  note.Close();
}

void WriteAtnumNote(InstallRun& run) {
  TextOutputStream note = CreateNote(run.root, "atnum.linx");
  uniWriteLn("<TITLE>Atomic Numbers</TITLE>", note);
  for (int n = 1; n <= kLastElementRow + 1; ++n) {
    uniWriteLn(ElementLink(Symbol(n - 1), Str(n) + " - " + ElementName(n - 1)), note);
    Yield();
  }
  note.Close();
}
