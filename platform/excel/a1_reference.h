#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/excel/range.h"

namespace taskvane::excel {

// "A".."XFD" for columns 1..16,384.
std::string ColumnName(long column);
// "D5"
std::string CellName(long row, long column);

// An A1 reference on the sheet: "A3", "$A$3", "A3:B4", "C:D", "3:4", "$1:$4" (letters in
// either case); nullopt for anything else or for cells off the sheet.
std::optional<detail::Area> ParseA1(std::string_view reference);

}  // namespace taskvane::excel
