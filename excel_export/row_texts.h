#pragma once

#include <set>
#include <string>

#include "platform/excel/range.h"

namespace taskvane {

struct ExcelConversion;

// Writes a text of a task row (a task's name, a chosen field's text) into `cell`. A text
// longer than a cell holds is cut to the cell's limit, so the row and every row after it
// are still written; the row is remembered in the conversion's CutTextRows.
void WriteRowText(ExcelConversion& conv, excel::Range cell, const std::string& text);

// The message shown after saving when texts were cut: the limit and the sheet rows (the
// first ten, then how many more).
std::string CutTextsMessage(const std::set<long>& rows);

}  // namespace taskvane
