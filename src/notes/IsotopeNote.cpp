#include <cmath>
#include <limits>
#include <string>

#include "data/ElementTables.h"
#include "framework/Arrays.h"
#include "framework/Exceptions.h"
#include "framework/MessageSink.h"
#include "framework/TextFunctions.h"
#include "framework/TextOutputStream.h"
#include "framework/Yield.h"
#include "notes/NoteMessages.h"
#include "notes/threadClass.h"

// The isotope note: title, the natural abundances, the numbers of isotopes and the naturally
// occurring radioactive ones. Only the title line ends with the platform line end; every later
// break is a CR.

namespace {

const std::string kCR(EndOfLineMacintosh);

// A note lists at most this many natural isotopes; a 21st does not fit the pair table.
constexpr int kPairRowUpperBound = 19;

// Mass number (column 0) and abundance (column 1) of each natural isotope, every cell "0" when made.
StringArray2D MakePairTable() {
  const std::string zero("0");
  StringArray2D pairs(kPairRowUpperBound, 1);
  for (int row = 0; row <= kPairRowUpperBound; ++row) {
    pairs(row, 0) = zero;
    pairs(row, 1) = zero;
    Yield();
  }
  return pairs;
}

// Item k of the line (piece 1 is the count itself) into pair row k - 1, for k = 1 to count.
void ReadPairs(const std::string& line, int count, StringArray2D& pairs) {
  for (int k = 1; k <= count; ++k) {
    const std::string item = NthField(line, " ", k + 1);
    pairs(k - 1, 0) = NthField(item, ",", 1);
    pairs(k - 1, 1) = NthField(item, ",", 2);
    Yield();
  }
}

// The stored percentage with at most three decimals. An isotope that is there at all never
// reads "0%": below what three decimals show it is written as that bound.
std::string PercentText(const std::string& abundance) {
  const double percent = Val(abundance);
  const std::string text = Format(percent / 100.0, "#.###%");
  const bool readsZero = text.find_first_of("123456789") == std::string::npos;
  return percent > 0 && readsZero ? "<0.001%" : text;
}

std::string AbundanceLine(const std::string& symbol, const StringArray2D& pairs, int row) {
  const std::string& abundance = pairs(row, 1);
  const std::string amount =
      abundance == "VS" ? std::string(":  small amounts") : ":  " + PercentText(abundance);
  return symbol + "-" + pairs(row, 0) + amount + kCR;
}

std::string NaturalIsotopeLines(int row, const std::string& symbol, const std::string& name,
                                StringArray2D& pairs) {
  const std::string& count = eIsotope2(row, 0);
  const int n = ToInteger(Val(count));
  if (n <= 0) return "None of the isotopes of " + name + " are naturally occurring." + kCR;
  ReadPairs(eIsotope2(row, 1), n, pairs);
  // The text "1", not the number: "1.0" takes the plural heading.
  if (count == "1") return "1 natural isotope:" + kCR + AbundanceLine(symbol, pairs, 0);
  std::string lines = "Abundances of " + count + " natural isotopes:" + kCR;
  for (int j = 0; j < n; ++j) {
    lines += AbundanceLine(symbol, pairs, j);
    Yield();
  }
  return lines;
}

// The cell, then the singular form exactly when the cell is "1" ("0" is plural).
std::string CountLine(const std::string& cell, const std::string& singular, const std::string& plural) {
  return cell + (cell == "1" ? singular : plural);
}

std::string RadioactiveSentence(const std::string& count, const std::string& name) {
  if (count == "0") return "None of the radioactive isotopes of " + name + " are naturally occurring.";
  if (count == "1") return "One of the radioactive isotopes of " + name + " is naturally occurring.";
  return count + " of the radioactive isotopes of " + name + " are naturally occurring.";
}

std::string IsotopeNoteText(int row) {
  StringArray2D pairs = MakePairTable();
  const std::string& name = eGeneral(row, 0);
  const std::string& symbol = eGeneral(row, 1);
  std::string text = "<TITLE>" + symbol + " isotopes</TITLE>" + std::string(EndOfLine);
  if (eIsotope(row, 0) == "nul") return text + Titlecase(name) + " has not yet been discovered.";
  text += NaturalIsotopeLines(row, symbol, name, pairs);
  text += kCR;
  text += Titlecase(name) + " has:" + kCR;
  text += CountLine(eIsotope(row, 0), " total isotope, ", " total isotopes, ") + kCR;
  text += CountLine(eIsotope(row, 1), " stable isotope, and ", " stable isotopes, and ") + kCR;
  text += CountLine(eIsotope(row, 2), " unstable isotope.  ", " unstable isotopes.  ") + kCR + kCR;
  text += RadioactiveSentence(eIsotope(row, 3), name) + kCR;
  return text;
}

}  // namespace

std::string threadClass::createIsotopes(int atomicNumber) const {
  try {
    return IsotopeNoteText(atomicNumber - 1);
  } catch (const OutOfBoundsException&) {
    MsgBox(IsotopeBoundsErrorMessage(), kCautionIcon, "Error");
  } catch (...) {
    // Every other failure ends the note silently; the caller writes the empty text.
  }
  return "";
}
