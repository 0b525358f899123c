#pragma once

#include "platform/ooxml/package.h"

namespace taskvane::excel {

class Worksheet;

// The Open XML workbook (.xlsx) of a one-sheet workbook: workbook, styles, shared
// strings, the sheet, its drawing of shapes, the pictures of its page footer and the
// document properties (the workbook's title and creation time). The package writes the
// sheet's parts from the sheet itself while it is saved, so it must not outlive the sheet.
ooxml::Package WriteWorkbookPackage(const Worksheet& sheet);

}  // namespace taskvane::excel
