#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "notes/NoteLines.h"
#include "notes/UnitLists.h"

// The pattern every optional line of an element note follows: a line is selected by its token
// of a selection string; a selected line whose cell is the missing value gives its no-data form,
// or nothing when blanks are omitted; otherwise the line's own text.

// True when token k (from 1) of the selection string, the k-th field between single blanks, is
// exactly "1". "0", any other text and a missing token leave the line out.
bool IsSelected(const std::string& selection, int token);

// True when the cell's whole text is "nul".
bool IsMissingValue(const std::string& cell);

// The text of an optional line, or none. presentLine forms the line of a cell that is not
// missing and is called only then; it may itself give no line.
using PresentLine = std::function<std::optional<std::string>()>;
std::optional<std::string> OptionalLine(bool selected, const std::string& cell, std::string_view noDataForm,
                                        const PresentLine& presentLine);

// A line's label and the fixed text it has when its value is missing.
struct LineLabel {
  std::string_view label;
  std::string_view noDataForm;
};

// label + the cell text as stored.
std::optional<std::string> StoredTextLine(bool selected, const std::string& cell, const LineLabel& line);

// label + the value text of the cell in the unit prefUnits(unitQuantity) of the list; the
// atomic weight of the row divides the per-gram units.
std::optional<std::string> UnitLine(bool selected, const std::string& cell, const LineLabel& line,
                                    const UnitList& units, int unitQuantity, int row);

// The label, then a CR (the value starts a second display line inside the same note line), a
// blank and the value.
std::string SecondDisplayLine(std::string_view label, std::string_view value);

// Appends the text as one whole note line, when there is one.
void AddLine(NoteLines& lines, std::optional<std::string> text);
