#pragma once

#include <QColor>
#include <QPalette>

namespace taskvane::qt {

// A toolkit colour (0x00BBGGRR, or a system colour 0x800000nn) as a Qt colour, system
// colours taken from the palette.
QColor ToQColor(long color, const QPalette& palette);

}  // namespace taskvane::qt
