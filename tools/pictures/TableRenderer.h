#pragma once

#include <QImage>
#include <vector>

#include "ElementFacts.h"
#include "VisualTables.h"

// The table as a 320 x 240 picture: every element in its cell, filled in the table's colour for
// it, with its symbol and the table's value; the legend, the series labels and the note.
QImage DrawVisualTable(const VisualTable& table, const std::vector<ElementFact>& elements);

// A point inside the element's cell that no text covers: there the picture shows the fill alone.
QPoint PlainPointOfCell(const ElementFact& element);
