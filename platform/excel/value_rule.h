#pragma once

#include <string>
#include <string_view>

#include "platform/excel/cell_value.h"

namespace taskvane::excel {

// What a text put into a cell becomes, as the application converts typed text, limited to
// the cases where the cell then shows the very same text:
// - "yyyy-mm-dd" (a real day from 1900-03-01 on) -> a date, format "yyyy-mm-dd";
// - a plain decimal shown the same by the General format ("42", "0.5") -> a number;
// - "1,234" / "1,234.50" -> a number, format "#,##0" / "#,##0.00";
// - "50%" / "12.50%" -> a number, format "0%" / "0.00%".
// Everything else stays text, and so does every text starting with "=", "+", "-" or "@",
// and every text put into a cell formatted as text ("@"). A text never becomes a formula.
struct ConvertedText {
  CellValue value;
  std::string format;  // the number format the cell takes when it is General; "" = none
};

ConvertedText ConvertText(std::string_view text, bool cell_is_text_format);

}  // namespace taskvane::excel
