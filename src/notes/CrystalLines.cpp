#include <optional>
#include <string>
#include <string_view>

#include "data/ElementTables.h"
#include "notes/OptionalLine.h"
#include "notes/PropertyLines.h"
#include "notes/UnitLists.h"
#include "prefs/PreferenceGlobals.h"

namespace {

bool CrystalSelected(int token) { return IsSelected(prefCrystal, token); }

// A solid's density is converted; a liquid's and a gas's are shown as stored, in their own
// fixed units; any other state gives no density line.
std::optional<std::string> DensityByState(int row) {
  const std::string& cell = eCrystal(row, 0);
  const std::string& state = ePhysical(row, 1);
  if (state == "solid") return "density: " + ValueText(kDensityUnits, cell, prefUnits(7), eGeneral(row, 2));
  if (state == "liquid") return "density: " + cell + " g/mL";
  if (state == "gas") return "density: " + cell + " g/L@273K";
  return std::nullopt;
}

std::optional<std::string> DensityLine(int row) {
  return OptionalLine(CrystalSelected(1), eCrystal(row, 0), "density: --",
                      [&] { return DensityByState(row); });
}

std::optional<std::string> ResistivityLine(int row) {
  const std::string& cell = eCrystal(row, 6);
  return OptionalLine(CrystalSelected(3), cell, "resistivity: --",
                      [&] { return "resistivity: " + cell + " nΩ-m"; });
}

struct MetalCluster {
  std::string_view code;
  std::string_view text;
};

constexpr MetalCluster kMetalClusters[] = {
    {"1", "organometallic cluster"},
    {"2", "suboxide cluster"},
    {"3", "metal cluster with π-donor ligands"},
    {"4", "metal cluster with π-acceptor ligands"},
    {"5", "E(n)H(n) cluster"},
    {"6", "naked cluster"},
    {"7", "E(n)H(n) or naked cluster"},
};

// An unknown code is shown as "--"; it is not a missing value, so it is written even when blanks
// are omitted.
std::string_view MetalClusterText(const std::string& code) {
  for (const MetalCluster& cluster : kMetalClusters) {
    if (cluster.code == code) return cluster.text;
  }
  return "--";
}

std::optional<std::string> MetalClusterLine(int row) {
  const std::string& cell = eCrystal2(row, 1);
  return OptionalLine(CrystalSelected(6), cell, "metal cluster: --",
                      [&] { return "metal cluster: " + std::string(MetalClusterText(cell)); });
}

}  // namespace

NoteLines CrystalPropertyLines(int row) {
  NoteLines lines;
  AddLine(lines, DensityLine(row));
  AddLine(lines, UnitLine(CrystalSelected(2), eCrystal(row, 5), {"thermal cond.: ", "thermal cond.: --"},
                          kThermalConductivityUnits, 8, row));
  AddLine(lines, ResistivityLine(row));
  AddLine(lines, UnitLine(CrystalSelected(4), eCrystal2(row, 0), {"supercond. Tc: ", "supercond. Tc: --"},
                          kTemperatureUnits, 16, row));
  AddLine(lines, StoredTextLine(CrystalSelected(5), eCrystal(row, 1),
                                {"crystal structure: ", "crystal structure: --"}));
  AddLine(lines, MetalClusterLine(row));
  AddLine(lines, UnitLine(CrystalSelected(7), eCrystal(row, 2),
                          {"nearest neighbor: ", "nearest neighbor: --"}, kLengthUnits, 14, row));
  AddLine(lines, UnitLine(CrystalSelected(8), eCrystal(row, 3), {"lattice a: ", "lattice a: --"},
                          kLengthUnits, 15, row));
  AddLine(lines, UnitLine(CrystalSelected(9), eCrystal(row, 4), {"lattice c: ", "lattice c: --"},
                          kLengthUnits, 15, row));
  return lines;
}
