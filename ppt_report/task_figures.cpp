#include "ppt_report/task_figures.h"

#include "console/main_window_controls.h"
#include "ppt_report/report_text.h"
#include "ppt_report/weekly_report.h"

namespace taskvane {

void ReadTaskFigures(WeeklyReport& report) {
  const project::Task& task = report.Task();
  const std::string& not_available = report.frmMain.NotAvailableText;
  ReportRow& row = report.ReportRow;
  const bool use_baseline = report.frmMain.optUseBaseline.Value &&
                            task.BaselineStart() != not_available &&
                            task.BaselineFinish() != not_available;
  if (use_baseline) {
    row.StartText = FormatTaskDate(task.BaselineStart(), not_available);
    row.FinishText = FormatTaskDate(task.BaselineFinish(), not_available);
    row.TaskDuration = StripDayUnit(NumberText(task.BaselineDuration()));
    row.TaskWeight = task.BaselineWork();
  } else {
    row.StartText = FormatTaskDate(task.Start(), not_available);
    row.FinishText = FormatTaskDate(task.Finish(), not_available);
    row.TaskDuration = StripDayUnit(NumberText(task.Duration()));
    row.TaskWeight = task.Work();
  }
}

}  // namespace taskvane
