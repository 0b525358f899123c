#include "excel_export/gantt_error_report.h"

#include "console/main_window_controls.h"
#include "excel_export/gantt_sheet.h"
#include "excel_export/workbook_finishing.h"
#include "platform/project/project.h"

namespace taskvane {

std::string GanttWeekErrorReport(const AutomationError& error, const std::string& ErrorPosition,
                                 const std::string& TaskBaselineStartDate,
                                 const std::string& TaskBaselineFinishDate,
                                 const std::string& NotAvailableText,
                                 const std::string& ApplicationVersion) {
  return std::to_string(error.Number) + " - " + error.Description +
         " - Error Position : " + ErrorPosition +
         " - TaskBaselineStartDate : " + TaskBaselineStartDate +
         " - TaskBaselineFinishDate : " + TaskBaselineFinishDate +
         " - UndefiledText : " + NotAvailableText +
         " - Application Version : " + ApplicationVersion;
}

void HandleGanttWeekError(GanttSheet& gantt, const AutomationError& error) {
  ExcelConversion& conv = gantt.conv;
  if (HandleCommonExcelError(conv, error)) return;
  // The version is read again now; before the schedule opened there is none to read.
  const std::string version =
      conv.CurrentProject ? conv.CurrentProject->Application().Version() : std::string();
  conv.frmMain.Platform().MsgBox(
      GanttWeekErrorReport(error, conv.ErrorPosition, gantt.TaskBaselineStartDate,
                           gantt.TaskBaselineFinishDate, conv.frmMain.NotAvailableText, version),
      forms::vbOKOnly, kAppTitle);
}

void HandleGanttDayError(GanttSheet& gantt, const AutomationError& error) {
  HandleWriterError(gantt.conv, error);
}

}  // namespace taskvane
