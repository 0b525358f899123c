#pragma once

#include "platform/excel/range.h"

namespace taskvane {

// The format operations the Excel writers share. Each acts on the block a writer has just
// pointed `CurrentRange` at:
//
//   conv.CurrentRange = Sheet.Range(Sheet.Cells(3, 1), Sheet.Cells(3, last_column));
//   BordersThinGrid(conv.CurrentRange);
//
// Every drawn border is taken once and given its LineStyle, then its Weight, then its
// ColorIndex; borders an operation does not name keep what they had. All operations but
// FormatTitleRange ignore a refused setting statement by statement (an empty CurrentRange
// included) and go on with the next one; FormatTitleRange lets the error reach the
// writer's error handler.

// Clears the diagonals and the frame (5, 6, 7, 8, 9, 10), then draws white thin inside
// horizontal lines (12), so the rows of an outline group look joined.
void BordersWhiteRowLines(const excel::Range& CurrentRange);
// Hairline inside vertical lines (11).
void BorderHairInsideVertical(const excel::Range& CurrentRange);
// Hairline inside horizontal lines (12).
void BorderHairInsideHorizontal(const excel::Range& CurrentRange);
// Hairline top edge (8).
void BorderHairTop(const excel::Range& CurrentRange);
// Clears the diagonals, then a thin frame: left, top, bottom, right (7, 8, 9, 10).
void BordersThinBox(const excel::Range& CurrentRange);
// Clears the diagonals, then thin left, right and inside vertical lines (7, 10, 11).
void BordersThinSidesInsideVertical(const excel::Range& CurrentRange);
// Clears the diagonals, then thin lines on every edge and inside (7, 8, 9, 10, 11, 12).
void BordersThinGrid(const excel::Range& CurrentRange);
// Clears the diagonals, then thin left and right edges (7, 10).
void BordersThinLeftRight(const excel::Range& CurrentRange);
// Clears the diagonals, then thin top and bottom edges (8, 9).
void BordersThinTopBottom(const excel::Range& CurrentRange);
// The header look: the thin grid of BordersThinGrid, the pale yellow fill (colour index 36),
// bold, and the month/day number format m"/"d.
void FormatHeaderRange(const excel::Range& CurrentRange);
// The title look: merged into one cell, size 14, bold, centred. Errors are not ignored.
void FormatTitleRange(const excel::Range& CurrentRange);

}  // namespace taskvane
