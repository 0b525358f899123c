#pragma once

#include <string>

namespace taskvane {

class MainWindowControls;

// The Gantt sheet writers: one sheet with the outline in columns A to C, a timeline of one
// column per week or per day, the start and finish dates and the chosen field columns.
// Each writer opens the schedule named by txtMPPFilePathExcel, writes the sheet, saves it
// under `path`, opens it when chkExecuteConvertlFile is ticked, and reports its own
// failures in message boxes.
void ExportGanttByWeek(MainWindowControls& frmMain, const std::string& path);
void ExportGanttByDay(MainWindowControls& frmMain, const std::string& path);

}  // namespace taskvane
