#include <cmath>
#include <optional>
#include <string>

#include "data/ElementTables.h"
#include "framework/TextFunctions.h"
#include "notes/OptionalLine.h"
#include "notes/PropertyLines.h"
#include "notes/UnitLists.h"
#include "prefs/PreferenceGlobals.h"

namespace {

bool BondingSelected(int token) { return IsSelected(prefBonding, token); }

std::optional<std::string> ConfigurationLine(int row) {
  const std::string& cell = eBonding(row, 0);
  return OptionalLine(BondingSelected(1), cell, "electronic configuration: --",
                      [&] { return SecondDisplayLine("electronic configuration: ", cell); });
}

// The ion the radius belongs to follows the radius in parentheses.
std::optional<std::string> IonicRadiusLine(int row) {
  const std::string& cell = eBonding(row, 5);
  return OptionalLine(BondingSelected(4), cell, "ionic radius (ion): -- (--)", [&] {
    return "ionic radius (ion): " + ValueText(kRadiusUnits, cell, prefUnits(11), eGeneral(row, 2)) + " (" +
           eBonding(row, 6) + ")";
  });
}

// The cube of the atomic radius in Å.
std::optional<std::string> AtomicVolumeLine(int row) {
  const std::string& cell = eBonding(row, 3);
  return OptionalLine(BondingSelected(5), cell, "atomic volume: --", [&] {
    double radius = Val(cell) / 100;
    return "atomic volume: " + Format(std::pow(radius, 3), "#.0#") + " Å³";
  });
}

std::optional<std::string> PolarizabilityLine(int row) {
  const std::string& cell = eBonding2(row, 0);
  return OptionalLine(BondingSelected(12), cell,
                      SecondDisplayLine("electric dipole polarizability:", "-- Å³"),
                      [&] { return SecondDisplayLine("electric dipole polarizability:", cell + " Å³"); });
}

std::optional<std::string> IonizationLine(int token, const std::string& cell, const LineLabel& line,
                                          int row) {
  return UnitLine(BondingSelected(token), cell, line, kIonizationEnergyUnits, 13, row);
}

}  // namespace

NoteLines BondingPropertyLines(int row) {
  NoteLines lines;
  AddLine(lines, ConfigurationLine(row));
  AddLine(lines, UnitLine(BondingSelected(2), eBonding(row, 3), {"atomic radius: ", "atomic radius: --"},
                          kRadiusUnits, 9, row));
  AddLine(lines, UnitLine(BondingSelected(3), eBonding(row, 8), {"covalent radius: ", "covalent radius: --"},
                          kRadiusUnits, 10, row));
  AddLine(lines, IonicRadiusLine(row));
  AddLine(lines, AtomicVolumeLine(row));
  AddLine(lines, StoredTextLine(BondingSelected(6), eBonding(row, 1),
                                {"electronegativity: ", "electronegativity: --"}));
  AddLine(lines, UnitLine(BondingSelected(7), eBonding(row, 2),
                          {"electron affinity: ", "electron affinity: --"}, kElectronAffinityUnits, 12, row));
  AddLine(lines, IonizationLine(8, eBonding(row, 4), {"1st ioniz. en.: ", "1st ioniz. en.: --"}, row));
  AddLine(lines, IonizationLine(9, eBonding2(row, 1), {"2nd ioniz. en.: ", "2nd ioniz. en.: --"}, row));
  AddLine(lines, IonizationLine(10, eBonding2(row, 2), {"3rd ioniz. en.: ", "3rd ioniz. en.: --"}, row));
  AddLine(lines, IonizationLine(11, eBonding2(row, 3), {"4th ioniz. en.: ", "4th ioniz. en.: --"}, row));
  AddLine(lines, PolarizabilityLine(row));
  AddLine(lines, StoredTextLine(BondingSelected(13), eBonding(row, 7), {"valences: ", "valences: --"}));
  return lines;
}
