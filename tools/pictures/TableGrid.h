#pragma once

#include <QRect>

#include "ElementFacts.h"

// The layout of the four visual tables, 320 x 240 pixels as an iPod with video shows a picture:
// the 18 groups of the main table in periods 1 to 7; below them, after a gap, the lanthanide and
// actinide rows, lined up under groups 3 to 16 and labelled on their left; the title and legend
// in the empty corner above groups 3 to 12; a line for a note at the bottom.
inline constexpr int kTableWidth = 320;
inline constexpr int kTableHeight = 240;
inline constexpr int kCellWidth = 17;
inline constexpr int kCellHeight = 23;

// The cell of an element, its outline included.
QRect TableCell(const ElementFact& element);
// The space for the title and the legend.
QRect TableLegendArea();
// Left of the lanthanide row (period 6) or the actinide row (period 7).
QRect TableSeriesLabelArea(int period);
QRect TableNoteArea();
