#include <cmath>
#include <string>

#include "data/ElementTables.h"
#include "framework/Random.h"
#include "framework/TextFunctions.h"
#include "framework/TextOutputStream.h"
#include "install/NoteOutput.h"
#include "notes/threadClass.h"

// The misc note: title, when and by whom the element was discovered, where its name comes from,
// its uses and its sources. Lines are broken with CR; the caller's write adds the line end after
// the last one.

namespace {

const std::string kCR(EndOfLineMacintosh);

// Half of all years get each wording. k = 2u rounded half away from zero, so k = 1 exactly for
// 0.25 <= u < 0.75 (u = 0.25 gives 1, u = 0.75 gives 2).
bool DrawInYearWording() { return std::lround(Rnd() * 2) == 1; }

std::string DiscoverySentence(int row) {
  const std::string& year = eHistory(row, 0);
  const std::string& name = eGeneral(row, 0);
  if (year == "nul") return "This element has not yet been discovered.";
  if (year == "ancient") return Titlecase(name) + " was known to ancient societies.";
  const std::string& discoverer = eHistory(row, 1);
  const std::string& place = eHistory(row, 2);
  if (DrawInYearWording())
    return "In " + year + ", " + discoverer + " of " + place + " discovered " + name + ".";
  return Titlecase(name) + " was discovered in " + year + " by " + discoverer + " of " + place + ".";
}

// The markers are tested before the list is counted: "art" is not a one-item list.
std::string SourceLine(const std::string& ores) {
  if (ores == "nul") return "Sources: no major sources";
  if (ores == "art") return "Source: artificially produced";
  if (ores == "none") return "Source: none";
  if (CountFields(ores, ",") < 2) return "Source: " + ores;
  return "Sources: " + ores;
}

}  // namespace

std::string threadClass::createMisc(int atomicNumber) const {
  const int row = atomicNumber - 1;
  std::string text = std::string(kXmlLine) + kCR;
  text += "<TITLE>" + eGeneral(row, 1) + " misc.</TITLE>" + kCR;
  text += DiscoverySentence(row) + " " + eNames(row, 1) + kCR + kCR;
  text += eUses(row) + kCR + kCR;
  text += SourceLine(eOres(row));
  return text;
}
