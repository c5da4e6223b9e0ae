#include <optional>
#include <string>
#include <string_view>

#include "data/ElementTables.h"
#include "notes/OptionalLine.h"
#include "notes/PropertyLines.h"
#include "notes/UnitLists.h"
#include "prefs/PreferenceGlobals.h"

namespace {

constexpr std::string_view kPartSeparator = " • ";

// A line (or, for the temperatures, a part of one) of a cell of ePhysical in a list's units.
std::optional<std::string> PhysicalUnitLine(int row, int token, int column, const LineLabel& line,
                                            const UnitList& units, int unitQuantity) {
  return UnitLine(IsSelected(prefPhysical, token), ePhysical(row, column), line, units, unitQuantity, row);
}

// Melting and boiling point share one note line: the melting part is written without a line end
// when the boiling part follows it.
void AddMeltingBoilingLine(NoteLines& lines, int row) {
  std::optional<std::string> melting =
      PhysicalUnitLine(row, 1, 3, {"melt: ", "melt: --"}, kTemperatureUnits, 1);
  std::optional<std::string> boiling =
      PhysicalUnitLine(row, 2, 4, {"boil: ", "boil: --"}, kTemperatureUnits, 2);
  if (melting && boiling) {
    lines.push_back({*melting, false});
    lines.push_back({std::string(kPartSeparator) + *boiling, true});
    return;
  }
  AddLine(lines, melting ? melting : boiling);
}

// The coefficient is stored in millionths per kelvin.
std::optional<std::string> ExpansionLine(int row) {
  const std::string& cell = ePhysical2(row, 0);
  return OptionalLine(IsSelected(prefPhysical, 7), cell, "linear expansion coeff.: --",
                      [&] { return SecondDisplayLine("linear expansion coeff.:", cell + "x10^-6/K @25°C"); });
}

// "FER" marks a ferromagnet, which has no single susceptibility; any other value is stored in
// millionths of a cm³ per mole.
std::optional<std::string> SusceptibilityLine(int row) {
  const std::string& cell = ePhysical2(row, 1);
  return OptionalLine(IsSelected(prefPhysical, 8), cell, "magnetic susceptibility: --", [&] {
    if (cell == "FER") return std::string("magnetic susceptibility: FER");
    return SecondDisplayLine("magnetic susceptibility:", cell + "x10^-6 cm³/mol");
  });
}

}  // namespace

NoteLines PhysicalPropertyLines(int row) {
  NoteLines lines;
  AddMeltingBoilingLine(lines, row);
  AddLine(lines, PhysicalUnitLine(row, 3, 5, {"ΔHvap: ", "ΔHvap: --"}, kMolarEnergyUnits, 3));
  AddLine(lines, PhysicalUnitLine(row, 4, 6, {"ΔHfus: ", "ΔHfus: --"}, kMolarEnergyUnits, 4));
  AddLine(lines, PhysicalUnitLine(row, 5, 7, {"spec. heat: ", "spec. heat: --"}, kSpecificHeatUnits, 5));
  AddLine(lines, PhysicalUnitLine(row, 6, 8, {"photo. work. fxn.: ", "photo. work. fxn.: --"},
                                  kWorkFunctionUnits, 6));
  AddLine(lines, ExpansionLine(row));
  AddLine(lines, SusceptibilityLine(row));
  return lines;
}
