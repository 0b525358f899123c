#include "ppt_report/task_loop.h"

#include <string>

#include "ppt_report/task_figures.h"
#include "ppt_report/weekly_report.h"

namespace taskvane {

ProgressSums RunTaskLoop(WeeklyReport& report, void (*AddRow)(WeeklyReport&)) {
  ReportRow& row = report.ReportRow;
  row.Level1Counter = 0;
  row.Level2Counter = 0;
  row.Level1Name.clear();
  row.Level2Name.clear();
  row.Level3Name.clear();

  ProgressSums sums;
  const int count = report.Tasks().Count();
  for (int i = 1; i <= count; ++i) {
    report.Status(std::to_string(i) + "번째 작업 저장 중");
    report.CurrentTaskNumber = i;
    report.CurrentTask = report.Tasks().Item(i);
    const project::Task& task = report.Task();
    ReadTaskFigures(report);
    row.PlannedRatio = PlannedRatio(row, report.ReportStatusDate, report.Project().Application());
    // Every task that is not a summary weighs, whatever its level or period.
    if (!task.Summary()) AddToProgressSums(row, sums);

    // A new upper-level task does not clear the names below it: the row writer shows only
    // the names of the task's own level and those above it.
    const int level = task.OutlineLevel();
    if (level == report.StartLevel()) {
      row.Level1Counter += 1;
      row.Level1Name = task.Name();
      row.Level2Counter = 0;
      AddRow(report);
    } else if (level == report.StartLevel() + 1) {
      row.Level2Counter += 1;
      row.Level2Name = task.Name();
      AddRow(report);
    } else if (level == report.StartLevel() + 2) {
      row.Level3Name = task.Name();
      AddRow(report);
    }
  }
  report.CurrentTaskNumber = 0;
  return sums;
}

}  // namespace taskvane
