#pragma once

#include <string>

#include "platform/excel/xlsx_styles.h"

namespace taskvane::excel {

class Worksheet;

// Relationship ids the sheet part refers to ("" when the part is absent).
struct SheetLinks {
  std::string drawing;
  std::string footer_pictures;
};

struct SheetPart {
  std::string xml;             // xl/worksheets/sheet1.xml
  std::string shared_strings;  // xl/sharedStrings.xml ("" when no cell holds text)
};

SheetPart WriteSheetPart(const Worksheet& sheet, const StylesPart& styles, const SheetLinks& links);

// A footer text as written: "&G" codes of sections without a picture are left out.
std::string FooterSection(const std::string& text, bool has_picture);

}  // namespace taskvane::excel
