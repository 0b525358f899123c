#pragma once

namespace taskvane {

struct GanttSheet;

// After the last task: closes the outline groups still open, then gives the sheet its
// borders, font size, wrapping and row heights, header merges and alignment, header look,
// title and project name (the day sheet's date formats last).
void FormatGanttSheet(GanttSheet& gantt);

}  // namespace taskvane
