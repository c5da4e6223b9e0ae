#pragma once

#include <span>
#include <string>
#include <string_view>

// The unit lists of the converted note lines. Each list is a table of entries, one per unit
// choice, in the order of the units sheet; prefUnits(n) holds the position in the list.

// How an entry writes its number.
enum class UnitNumber {
  kCell,    // the cell text unchanged: the unit the element tables store the quantity in
  kStr,     // Str of the converted number
  kMasked,  // Format of the converted number by the entry's mask
};

// v is Val of the cell, m Val of the atomic weight (g/mol).
using UnitFormula = double (*)(double v, double m);

struct UnitEntry {
  UnitNumber number = UnitNumber::kCell;
  UnitFormula formula = nullptr;
  std::string_view mask;
  std::string_view unitText;
  // Divides by the atomic weight: a weight that reads as 0 gives no number.
  bool perGram = false;
};

struct UnitList {
  std::span<const UnitEntry> entries;
  // The entry of the unit the tables store the quantity in, shown for an index outside the list.
  int storedUnitEntry = 0;
  // A leading "-" on every mask, so the sign of a negative number is part of the mask.
  bool signedMasks = false;
};

extern const UnitList kTemperatureUnits;          // cell in K
extern const UnitList kMolarEnergyUnits;          // cell in kJ/mol
extern const UnitList kElectronAffinityUnits;     // the molar energy units with signed masks
extern const UnitList kSpecificHeatUnits;         // cell in J/g K
extern const UnitList kWorkFunctionUnits;         // cell in eV
extern const UnitList kDensityUnits;              // cell in g/cm³ (solids)
extern const UnitList kThermalConductivityUnits;  // cell in W/mK
extern const UnitList kLengthUnits;               // cell in Å
extern const UnitList kRadiusUnits;               // cell in pm
extern const UnitList kIonizationEnergyUnits;     // cell in eV per atom

// The text after a line's label: the number of cell in the unit at unitIndex, followed by the
// unit text. An index outside the list gives the stored unit's entry. A per-gram entry whose
// atomic weight reads as 0 writes "--" for the number.
std::string ValueText(const UnitList& list, const std::string& cell, int unitIndex,
                      const std::string& atomicWeightText);
