#pragma once

#include <string>

namespace taskvane {

class MainWindowControls;
struct WeeklyReport;

// The entry of the PowerPoint mode, called by the convert command with the output path.
// Opens the schedule of txtMPPFilePathPPT, refuses blank task lines and subprojects (a
// message, status "준비", nothing created), builds the last-week and the next-week slide,
// saves the presentation under `path` and, when chkExecuteConvertlFile is ticked, opens
// OutputFilePath. An AutomationError before the slide captions (schedule not opening,
// presentation refused) goes to the caller; from the captions on, failing statements are
// skipped. A next-week slide that breaks off is saved as far as it got, and a message after
// the save names the task it stopped at. A save that fails goes to the caller as an
// AutomationError "파워포인트 파일을 저장하지 못했습니다." with the path and the reason,
// after the references are released and the status is "준비"; nothing is opened.
void ExportWeeklyReport(MainWindowControls& frmMain, const std::string& path);

// The same conversion on working values made by the caller, which may open the schedule
// and start the presentation application its own way.
void ExportWeeklyReport(WeeklyReport& report);

}  // namespace taskvane
