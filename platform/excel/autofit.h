#pragma once

#include "platform/excel/sheet_model.h"

namespace taskvane::excel {

// Column `column` as wide as its widest shown value (merged cells do not count); a column
// without values gets the standard width.
void AutoFitColumn(SheetModel& sheet, long column);

// Row `row` as tall as its tallest cell: the lines of its (wrapped) text times the line
// height of the cell's font; a row without cells gets the default height.
void AutoFitRow(SheetModel& sheet, long row);

}  // namespace taskvane::excel
