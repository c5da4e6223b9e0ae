#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "ElementFacts.h"

struct LegendEntry {
  QColor fill;
  QString label;
};

// One of the four visual tables: the names it ships under and what it shows of an element.
struct VisualTable {
  const char* bundleFile;  // the JPEG in the bundle's Contents/Resources
  int pictNumber;          // the 320 x 240 picture resource
  const char* pictName;    // the name of its accessor
  QString title;
  QString note;
  std::vector<LegendEntry> legend;
  QColor (*fill)(const ElementFact& element);
  // The line under the symbol; nullptr shows the atomic number above the symbol instead.
  QString (*value)(const ElementFact& element);
};

// The periodic table coloured by class, electronegativities, states at 298 K and atomic
// weights, in the order their links appear on the iPod.
const std::vector<VisualTable>& VisualTables();

// An atomic weight rounded to at most four significant figures, never showing more decimals
// than the data holds: "15.999" gives "16.00", "6.94" stays "6.94", a mass number stays whole.
QString RoundedAtomicWeight(const std::string& stored);
