#pragma once

#include <string>

namespace taskvane {

struct ExcelConversion;

// The outline list up to its finishing steps: opens and scans the schedule, asks the
// 15-level question when the indented form cannot show the outline, writes the header and
// the task rows and formats the sheet (conv.Sheet). Returns false when the conversion ended
// early (a blank task line, or No to the question) with no workbook. Automation errors
// propagate.
bool WriteOutlineList(ExcelConversion& conv, std::string form);

// The whole writer on a conversion: WriteOutlineList, the finishing steps with title rows 1
// to 3, and the error handling of the Excel writers.
void RunOutlineList(ExcelConversion& conv, std::string form);

}  // namespace taskvane
