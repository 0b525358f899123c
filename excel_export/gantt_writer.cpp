#include "excel_export/gantt_writer.h"

#include "console/main_window_controls.h"
#include "excel_export/gantt_error_report.h"
#include "excel_export/gantt_formatting.h"
#include "excel_export/gantt_layout.h"
#include "excel_export/gantt_sheet.h"
#include "excel_export/gantt_task_rows.h"
#include "excel_export/gantt_timeline.h"
#include "excel_export/schedule_opening.h"
#include "excel_export/workbook_finishing.h"

namespace taskvane {

bool WriteGanttSheet(GanttSheet& gantt) {
  ExcelConversion& conv = gantt.conv;
  const bool by_week = gantt.timeline == GanttTimeline::Week;
  conv.WeekCount = 0;

  gantt.Mark("01");
  OpenSchedule(conv);
  DetectNotAvailableText(conv);
  gantt.Mark("02");
  const int task_count = TakeProjectTasks(conv);
  gantt.Mark("03");
  PreScanOptions scan;
  scan.read_project_dates = true;
  scan.project_dates_read = [&gantt] { CountTimelineDays(gantt); };
  if (!PreScanTasks(conv, task_count, scan)) return false;

  gantt.Mark("04");
  conv.Status("저장 중");
  conv.Workbook = gantt.CreateObject("Excel.Sheet");
  gantt.ExcelVersion = conv.Workbook->Application.Version;
  if (!by_week && gantt.ExcelVersion == "11.0" && gantt.DayCount > kMaxDaysForExcel2003) {
    conv.frmMain.Platform().MsgBox("엑셀 2003 버전에서 일별 저장은 210 일을 초과할 수 없습니다.",
                                   forms::vbOKOnly, kAppTitle);
    return false;
  }
  conv.Sheet = &conv.Workbook->Sheets(1);
  WriteNameHeaders(gantt);
  if (by_week) {
    WriteWeekColumns(gantt);
  } else {
    WriteDayColumns(gantt);
  }
  WriteDateAndFieldHeaders(gantt);
  gantt.Mark("08");
  gantt.loop = GanttLoopState{};
  SetWidthsAndHeights(gantt, task_count);

  WriteTaskRows(gantt, task_count);
  FormatGanttSheet(gantt);
  return true;
}

void RunGanttWriter(GanttSheet& gantt) {
  ExcelConversion& conv = gantt.conv;
  try {
    if (!WriteGanttSheet(gantt)) return;
    gantt.Mark("17");
    SetUpPage(conv, kGanttTitleRows);
    gantt.Mark("18");
    SaveReleaseAndOpen(conv);
  } catch (const AutomationError& error) {
    if (gantt.timeline == GanttTimeline::Week) {
      HandleGanttWeekError(gantt, error);
    } else {
      HandleGanttDayError(gantt, error);
    }
  }
}

}  // namespace taskvane
