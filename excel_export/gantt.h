#pragma once

#include <string>

namespace taskvane {

class MainWindowControls;

// The Gantt sheet writers: one sheet with the outline in columns A to C, a timeline of one
// column per week or per day, the start and finish dates and the chosen field columns.
// Each writer opens the schedule named by txtMPPFilePathExcel, writes the sheet, saves it
// under `path` and reports its own failures in message boxes; nothing escapes but a
// failure of the second save inside the refused-operation path.
void ExportGanttByWeek(MainWindowControls& frmMain, const std::string& path);
void ExportGanttByDay(MainWindowControls& frmMain, const std::string& path);

}  // namespace taskvane
