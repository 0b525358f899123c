#pragma once

#include <string>
#include <vector>

#include "platform/excel/sheet_model.h"

namespace taskvane::excel {

// xl/styles.xml for the styles a sheet uses, and the cellXfs index of every style id
// (style 0 is xf 0; ids not used map to 0).
struct StylesPart {
  std::string xml;
  std::vector<std::uint32_t> xf_of_style;
};

StylesPart WriteStylesPart(const SheetModel& sheet);

}  // namespace taskvane::excel
