#include <string>

#include "data/BritishSpelling.h"
#include "data/ElementTables.h"
#include "framework/MessageSink.h"
#include "framework/TextFunctions.h"
#include "framework/Yield.h"
#include "install/NoteOutput.h"
#include "install/ProgressDisplay.h"
#include "notes/NoteMessages.h"
#include "notes/OptionalLine.h"
#include "notes/PropertyLines.h"
#include "notes/threadClass.h"
#include "prefs/PreferenceGlobals.h"

// One note per element, rows 0 to kLastElementRow (atomic numbers 1 to 111; the tables hold rows
// up to 117, which get no note). Every line of a note is built from the element's own row and the
// preference globals; nothing carries over from one element to the next but the row counter.

namespace {

std::string Symbol(int row) { return eGeneral(row, 1); }

// The element's name as the tables hold it, in the chosen spelling.
std::string Title(int row) {
  const std::string& name = prefLanguage == 0 ? eEnglish(row) : eBritish(row);
  return "<TITLE>" + name + "</TITLE>";
}

// The atomic weight as stored (g/mol), or read and divided by 1000 for kg/mol.
std::string Weight(int row) {
  const std::string& stored = eGeneral(row, 2);
  if (prefUnits(0) == 0) return stored + " g/mol";
  return Str(Val(stored) / 1000) + " kg/mol";
}

std::string HeaderLine(int row) { return Symbol(row) + " • " + Str(row + 1) + " • " + Weight(row); }

// The word for the element's class code. The tables give every element with a note one of
// "n", "m" and "s"; any other code has no word, and the appearance line then leaves it out.
std::string ClassWord(int row) {
  const std::string& code = ePhysical(row, 0);
  if (code == "n") return "nonmetallic";
  if (code == "m") return "metallic";
  if (code == "s") return "semimetallic";
  return "";
}

// The bar reaches 25 after the first element and 100 after the last, rising by 75/110 per
// element; the Double is truncated to the bar's integer value. Only a window that is open is
// updated: asking for one that is not would open a new one.
void ShowElementProgress(int row) {
  ProgressDisplay& progress = CurrentProgressDisplay();
  if (!progress.IsOpen()) return;
  const double value = static_cast<double>(row) / kLastElementRow * 75 + 15 + 5 + 5;
  progress.SetValue(static_cast<int>(value));
}

// The phrase is asked for twice, once to see whether there is one and once for its text.
std::string AppearanceLine(const threadClass& worker, int row) {
  std::string line;
  if (!worker.interpretAppearance(row + 1).empty()) line = worker.interpretAppearance(row + 1) + " ";
  const std::string word = ClassWord(row);
  if (!word.empty()) line += word + " ";
  return line + ePhysical(row, 1);
}

// A text that ends its line goes out with the line end; one that does not is continued by the
// next text.
void WriteNoteLines(const threadClass& worker, const NoteLines& lines, TextOutputStream& stream) {
  for (const NoteText& piece : lines) {
    if (piece.endsLine) {
      worker.uniWriteLn(piece.text, stream);
    } else {
      worker.uniWrite(piece.text, stream);
    }
  }
}

using CompanionText = std::string (threadClass::*)(int atomicNumber) const;

// A companion note beside the element note: made first, then its whole text, in the chosen
// spelling, written with one line end after it. A note that could not be made has no stream, and
// the write raises.
void WriteCompanionNote(const threadClass& worker, const FolderItem& folder, const std::string& name,
                        CompanionText text, int row) {
  TextOutputStream note = CreateNote(folder, name);
  worker.uniWriteLn(britishTranslate((worker.*text)(row + 1)), note);
  note.Close();
}

std::string LinkLine(const std::string& target, const std::string& label) {
  return "• <A HREF=\"" + target + "\">" + label + "</A>";
}

// The element's note: the four fixed lines, the optional groups in token order, the links to
// the companion notes (misc first), then the note is closed.
void WriteElementNote(const threadClass& worker, const FolderItem& folder, int row) {
  const std::string symbol = Symbol(row);
  TextOutputStream stream = CreateNote(folder, symbol);
  worker.uniWriteLn(kXmlLine, stream);
  worker.uniWriteLn(Title(row), stream);
  worker.uniWriteLn(HeaderLine(row), stream);
  worker.uniWriteLn(AppearanceLine(worker, row), stream);
  WriteNoteLines(worker, PhysicalPropertyLines(row), stream);
  WriteNoteLines(worker, CrystalPropertyLines(row), stream);
  WriteNoteLines(worker, BondingPropertyLines(row), stream);
  WriteNoteLines(worker, AbundanceLines(row), stream);
  WriteNoteLines(worker, CASLines(row), stream);
  if (IsSelected(prefMisc, 2)) {
    WriteCompanionNote(worker, folder, symbol + "-i", &threadClass::createMisc, row);
    worker.uniWriteLn(LinkLine(symbol + "-i", "miscellaneous information"), stream);
  }
  if (IsSelected(prefIsotope, 1)) {
    WriteCompanionNote(worker, folder, symbol + "-n", &threadClass::createIsotopes, row);
    worker.uniWriteLn(LinkLine(symbol + "-n", "isotope information"), stream);
  }
  stream.Close();
}

}  // namespace

void threadClass::createElements(const FolderItem& folder) {
  elementsWritten = 0;
  elementNotesFailed = false;
  try {
    for (int row = 0; row <= kLastElementRow; ++row) {
      WriteElementNote(*this, folder, row);
      elementsWritten = row + 1;
      ShowElementProgress(row);
      Yield();
    }
    blastDotUnderscoreFiles(folder);
  } catch (...) {
    elementNotesFailed = true;
    // The notes written so far stay, and the note being written keeps what it got. The "._"
    // files of the folder stay too, as its clean-up is skipped. A failure while the message is
    // shown goes on to the caller.
    MsgBox(CreateElementsErrorMessage(), kCautionIcon, "Error");
  }
}
