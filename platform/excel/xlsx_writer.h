#pragma once

#include "platform/ooxml/package.h"

namespace taskvane::excel {

class Worksheet;

// The Open XML workbook (.xlsx) of a one-sheet workbook: workbook, styles, shared
// strings, the sheet, its drawing of shapes and the pictures of its page footer.
ooxml::Package WriteWorkbookPackage(const Worksheet& sheet);

}  // namespace taskvane::excel
