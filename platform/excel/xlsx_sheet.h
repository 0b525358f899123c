#pragma once

#include <string>

#include "platform/excel/xlsx_shared_strings.h"
#include "platform/excel/xlsx_styles.h"
#include "platform/ooxml/part_stream.h"

namespace taskvane::excel {

class Worksheet;

// Relationship ids the sheet part refers to ("" when the part is absent).
struct SheetLinks {
  std::string drawing;
  std::string footer_pictures;
};

// xl/worksheets/sheet1.xml, row by row into `out`. Every cell carries its reference.
void WriteSheetPart(ooxml::PartStream& out, const Worksheet& sheet, const StylesPart& styles,
                    const SharedStrings& strings, const SheetLinks& links);

// A footer text as written: "&G" codes of sections without a picture are left out.
std::string FooterSection(const std::string& text, bool has_picture);

}  // namespace taskvane::excel
