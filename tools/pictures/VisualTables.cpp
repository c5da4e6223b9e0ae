#include "VisualTables.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

namespace {

const QColor kNotKnown(0xdc, 0xdc, 0xdc);

// A value of the data shown as a colour of its own, with its label in the legend.
struct Category {
  const char* value;
  QColor fill;
  const char* label;
};

const std::array<Category, 3> kClasses = {{
    {"m", QColor(0x9c, 0xc3, 0xf0), "metal"},
    {"s", QColor(0xa6, 0xdc, 0x9a), "semimetal"},
    {"n", QColor(0xf8, 0xd4, 0x6a), "nonmetal"},
}};

const std::array<Category, 3> kStates = {{
    {"solid", QColor(0xd8, 0xc6, 0xa4), "solid"},
    {"liquid", QColor(0x7f, 0xb4, 0xf2), "liquid"},
    {"gas", QColor(0xf4, 0xa4, 0xa4), "gas"},
}};

// Any other value ("nul") is not known.
QColor CategoryFill(const std::array<Category, 3>& categories, const std::string& value) {
  for (const Category& category : categories) {
    if (value == category.value) return category.fill;
  }
  return kNotKnown;
}

std::vector<LegendEntry> CategoryLegend(const std::array<Category, 3>& categories) {
  std::vector<LegendEntry> legend;
  for (const Category& category : categories) legend.push_back({category.fill, category.label});
  legend.push_back({kNotKnown, "not known"});
  return legend;
}

QColor ClassFill(const ElementFact& element) { return CategoryFill(kClasses, element.elementClass); }

QColor StateFill(const ElementFact& element) { return CategoryFill(kStates, element.state); }

// Electronegativity in bands of 0.5 from blue (low) to red (high); a band holds its lower bound.
struct Band {
  double below;
  QColor fill;
  const char* label;
};

const std::array<Band, 7> kBands = {{
    {1.0, QColor(0x86, 0xa8, 0xf2), "below 1.0"},
    {1.5, QColor(0x8e, 0xd4, 0xf0), "1.0 to 1.5"},
    {2.0, QColor(0xa2, 0xe2, 0xa6), "1.5 to 2.0"},
    {2.5, QColor(0xe4, 0xee, 0x8a), "2.0 to 2.5"},
    {3.0, QColor(0xfa, 0xd0, 0x6c), "2.5 to 3.0"},
    {3.5, QColor(0xf8, 0xa4, 0x66), "3.0 to 3.5"},
    {99.0, QColor(0xf2, 0x7e, 0x7e), "3.5 and over"},
}};

QColor ElectronegativityFill(const ElementFact& element) {
  if (element.electronegativity == "nul") return kNotKnown;
  const double value = std::strtod(element.electronegativity.c_str(), nullptr);
  const auto band =
      std::find_if(kBands.begin(), kBands.end(), [&](const Band& b) { return value < b.below; });
  return band == kBands.end() ? kBands.back().fill : band->fill;
}

QString ElectronegativityValue(const ElementFact& element) {
  return element.electronegativity == "nul" ? QString() : QString::fromStdString(element.electronegativity);
}

// Atomic weights: a standard atomic weight, or the mass number of the longest-lived isotope.
const QColor kStandardWeight(0xcc, 0xe2, 0xf8);
const QColor kMassNumber(0xe2, 0xd2, 0xee);

bool IsMassNumber(const ElementFact& element) { return element.atomicWeight.find('.') == std::string::npos; }

QColor WeightFill(const ElementFact& element) {
  return IsMassNumber(element) ? kMassNumber : kStandardWeight;
}

QString WeightValue(const ElementFact& element) { return RoundedAtomicWeight(element.atomicWeight); }

std::vector<LegendEntry> BandLegend() {
  std::vector<LegendEntry> legend;
  for (const Band& band : kBands) legend.push_back({band.fill, band.label});
  legend.push_back({kNotKnown, "no value"});
  return legend;
}

}  // namespace

QString RoundedAtomicWeight(const std::string& stored) {
  const std::size_t point = stored.find('.');
  if (point == std::string::npos) return QString::fromStdString(stored);
  const std::size_t storedDecimals = stored.size() - point - 1;
  std::size_t decimals = std::min(storedDecimals, point < 4 ? 4 - point : 0);
  // Rounded half up on the decimal digits themselves, so "55.845" gives "55.85".
  std::string digits = stored.substr(0, point) + stored.substr(point + 1);
  const std::size_t keep = point + decimals;
  bool carry = keep < digits.size() && digits[keep] >= '5';
  digits.resize(keep);
  for (std::size_t i = keep; carry && i-- > 0;) {
    carry = digits[i] == '9';
    digits[i] = carry ? '0' : char(digits[i] + 1);
  }
  if (carry) {
    // One more whole digit ("99.996" becomes "100.0"): one decimal less keeps four figures.
    digits.insert(digits.begin(), '1');
    if (decimals > 0) {
      digits.pop_back();
      --decimals;
    }
  }
  // The point as a character, not as the string "." (which GCC 12 at -O3 warns falsely about,
  // -Wrestrict).
  if (decimals > 0) digits.insert(digits.size() - decimals, 1, '.');
  return QString::fromStdString(digits);
}

const std::vector<VisualTable>& VisualTables() {
  static const std::vector<VisualTable> tables = {
      {"periodic-320-vpod.jpg", 177, "periodic320vpod", "Periodic Table",
       "Atomic number above each symbol. Lanthanides and actinides in the two rows below.",
       CategoryLegend(kClasses), ClassFill, nullptr},
      {"en-320-vpod.jpg", 179, "en320vpod", "Electronegativity",
       "Pauling scale, the value under each symbol.", BandLegend(), ElectronegativityFill,
       ElectronegativityValue},
      {"solid-liquid-gas-320-vpod.jpg", 180, "solidliquidgas320vpod", "State at 298 K",
       "Solid, liquid or gas at 298 K (25 \u00b0C) and normal pressure.", CategoryLegend(kStates), StateFill,
       nullptr},
      {"atwt-320-vpod.jpg",
       178,
       "atwt320vpod",
       "Atomic Weights",
       "g/mol, rounded to at most four significant figures.",
       {{kStandardWeight, "standard atomic weight"},
        {kMassNumber, "mass number of the longest-lived isotope"}},
       WeightFill,
       WeightValue},
  };
  return tables;
}
