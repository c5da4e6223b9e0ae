#include <optional>
#include <string>
#include <string_view>

#include "data/ElementTables.h"
#include "framework/TextFunctions.h"
#include "notes/OptionalLine.h"
#include "notes/PropertyLines.h"
#include "prefs/PreferenceGlobals.h"

// The abundance columns are crust, atmosphere, ocean, solar system; the lines are in the order
// crust, ocean, atmosphere, solar system.

namespace {

bool AbundanceSelected(int token) { return IsSelected(prefAbundances, token); }

std::optional<std::string> PercentLine(int token, int column, std::string_view label,
                                       std::string_view noDataForm, int row) {
  const std::string& cell = eAbundances(row, column);
  return OptionalLine(AbundanceSelected(token), cell, noDataForm,
                      [&] { return std::string(label) + cell + "%"; });
}

std::optional<std::string> OceanicLine(int row) {
  const std::string& cell = eAbundances(row, 2);
  return OptionalLine(AbundanceSelected(2), cell, "oceanic abundance: -- mg/L",
                      [&] { return SecondDisplayLine("oceanic abundance: ", cell + " mg/L"); });
}

constexpr std::string_view kSolarLabel = "solar system abundance:";
constexpr std::string_view kSolarNormalization = "(normalized to Si=1x10^6)";

// Three display lines: the label, the value, the normalization. The value is the one converted
// abundance: always read and formatted, never shown as stored.
std::string SolarSystemText(const std::string& cell) {
  std::string valueLines = SecondDisplayLine(kSolarLabel, Format(Val(cell), "0.##"));
  return SecondDisplayLine(valueLines, kSolarNormalization);
}

// Two display lines: the label, then "--" and the normalization.
std::string SolarSystemNoDataForm() {
  return SecondDisplayLine(kSolarLabel, "-- " + std::string(kSolarNormalization));
}

std::optional<std::string> SolarSystemLine(int row) {
  const std::string& cell = eAbundances(row, 3);
  return OptionalLine(AbundanceSelected(4), cell, SolarSystemNoDataForm(),
                      [&] { return SolarSystemText(cell); });
}

}  // namespace

NoteLines AbundanceLines(int row) {
  NoteLines lines;
  AddLine(lines, PercentLine(1, 0, "crustal abundance: ", "crustal abundance: -- %", row));
  AddLine(lines, OceanicLine(row));
  AddLine(lines, PercentLine(3, 1, "atmosphere abundance: ", "atmosphere abundance: -- %", row));
  AddLine(lines, SolarSystemLine(row));
  return lines;
}
