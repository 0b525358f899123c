#pragma once

#include <string>

#include "platform/excel/cell_value.h"

namespace taskvane::excel {

// The text a cell shows for `value` under the format `code`, for the formats this system
// uses: General, date codes (yyyy, yy, mm, m, dd, d, quoted and escaped literals), the
// text code "@", and the number codes 0, 0.00, #,##0, #,##0.00, 0%, 0.00%. Used to
// estimate widths; it does not need to cover every code the application knows.
std::string DisplayText(const CellValue& value, const std::string& code);

// True for codes that show a number as a date.
bool IsDateFormat(const std::string& code);

}  // namespace taskvane::excel
