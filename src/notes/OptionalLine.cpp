#include "notes/OptionalLine.h"

#include <utility>

#include "data/ElementTables.h"
#include "framework/TextFunctions.h"
#include "framework/TextOutputStream.h"
#include "prefs/PreferenceGlobals.h"

bool IsSelected(const std::string& selection, int token) { return NthField(selection, " ", token) == "1"; }

bool IsMissingValue(const std::string& cell) { return cell == "nul"; }

std::optional<std::string> OptionalLine(bool selected, const std::string& cell, std::string_view noDataForm,
                                        const PresentLine& presentLine) {
  if (!selected) return std::nullopt;
  if (!IsMissingValue(cell)) return presentLine();
  if (prefOmitBlanks) return std::nullopt;
  return std::string(noDataForm);
}

std::optional<std::string> StoredTextLine(bool selected, const std::string& cell, const LineLabel& line) {
  return OptionalLine(selected, cell, line.noDataForm, [&] { return std::string(line.label) + cell; });
}

std::optional<std::string> UnitLine(bool selected, const std::string& cell, const LineLabel& line,
                                    const UnitList& units, int unitQuantity, int row) {
  return OptionalLine(selected, cell, line.noDataForm, [&] {
    return std::string(line.label) + ValueText(units, cell, prefUnits(unitQuantity), eGeneral(row, 2));
  });
}

std::string SecondDisplayLine(std::string_view label, std::string_view value) {
  return std::string(label) + std::string(EndOfLineMacintosh) + " " + std::string(value);
}

void AddLine(NoteLines& lines, std::optional<std::string> text) {
  if (text) lines.push_back({std::move(*text), true});
}
