#include "data/BritishSpelling.h"

#include <string_view>

#include "data/DataMessages.h"
#include "framework/Exceptions.h"
#include "framework/MessageSink.h"
#include "framework/RegEx.h"
#include "framework/TextFunctions.h"
#include "framework/Yield.h"
#include "prefs/PreferenceGlobals.h"

namespace {

constexpr int kBritishRowUpperBound = 35;
constexpr int kBritishColumn = 0;
constexpr int kAmericanColumn = 1;

struct SpellingPair {
  std::string_view british;
  std::string_view american;
};

// Applied in this order, each row to the result of the one before. Leading and trailing blanks
// are part of the entries: they keep a pair to whole words or word starts.
constexpr SpellingPair kSpellingPairs[kBritishRowUpperBound + 1] = {
    {"sulphur", "sulfur"},
    {"caesium", "cesium"},
    {"aluminium", "aluminum"},
    {"colour", "color"},
    {"coloured", "colored"},
    {"centre", "center"},
    {"vaporisation", "vaporization"},
    {"sulphide", "sulfide"},
    {"sulphate", "sulfate"},
    {"theatre", "theater"},
    {"favourite", "favorite"},
    {" odour", " odor"},
    {" tyre ", " tire "},
    {" metre", " meter"},
    {" kilometre", " kilometer"},
    {"picometre", "picometer"},
    {" millilitre", " milliliter"},
    {"per metre", "per meter"},
    {"-metres", "-meters"},
    {"per litre", "per liter"},
    {" realise", " realize"},
    {"centimetre", "centimeter"},
    {"ionisation", "ionization"},
    {"vapour ", "vapor "},
    {"neighbour", "neighbor"},
    {"recognise", "recognize"},
    {"characterise", "characterize"},
    {"oxidise", "oxidize"},
    {"galvanis", "galvaniz"},
    {"fertilis", "fertiliz"},
    {"saltpetre", "saltpeter"},
    {"jewellry", "jewelry"},
    {"capitalis", "capitaliz"},
    {"emphasise", "emphasize"},
    {"behaviour", "behavior"},
    {"honour", "honor"},
};

constexpr int kBritishLanguage = 1;

std::string ReplaceEvery(RegEx& replacer, const std::string& text, const std::string& american,
                         const std::string& british) {
  replacer.SearchPattern = american;
  replacer.ReplacementPattern = british;
  return replacer.Replace(text);
}

// One row: the pair as stored, then both in title case (for sentence starts and headings).
std::string TranslateRow(RegEx& replacer, const std::string& text, int row) {
  const std::string& british = britishTranslationTable(row, kBritishColumn);
  const std::string& american = britishTranslationTable(row, kAmericanColumn);
  std::string result = ReplaceEvery(replacer, text, american, british);
  return ReplaceEvery(replacer, result, Titlecase(american), Titlecase(british));
}

std::string TranslateAllRows(const std::string& text) {
  RegEx replacer;
  replacer.CaseSensitive = true;
  replacer.ReplaceAllMatches = true;
  std::string result = text;
  for (int row = 0; row <= kBritishRowUpperBound; ++row) {
    result = TranslateRow(replacer, result, row);
    Yield();
  }
  return result;
}

}  // namespace

StringArray2D britishTranslationTable(kBritishRowUpperBound, kAmericanColumn);

void buildBritishTranslationTable() {
  for (int row = 0; row <= kBritishRowUpperBound; ++row) {
    britishTranslationTable(row, kBritishColumn) = kSpellingPairs[row].british;
    britishTranslationTable(row, kAmericanColumn) = kSpellingPairs[row].american;
  }
}

// A failing replace engine is reported and gives the empty text: no half-translated text is
// passed on as if it were complete.
std::string britishTranslate(const std::string& text) {
  if (prefLanguage != kBritishLanguage) return text;
  try {
    return TranslateAllRows(text);
  } catch (const RegExException&) {
    MsgBox(BritishTranslationErrorMessage(), kCautionIcon, "Error");
    return "";
  }
}
