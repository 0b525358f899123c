#include "ppt_report/report_rows.h"

#include <cstdio>

#include "console/main_window_controls.h"
#include "platform/runtime/date.h"
#include "platform/runtime/rounding.h"
#include "ppt_report/report_text.h"
#include "ppt_report/weekly_report.h"

namespace taskvane {

namespace {

// "mm/dd" of a finish. Month and day are each formatted on their own around the "/"; a
// text that holds no date stands in for both, as a date format leaves such a text as it is
// (an empty finish gives "/").
std::string MonthDayText(const std::string& finish) {
  const std::optional<DaySerial> day = ParseDate(finish);
  if (!day) return finish + "/" + finish;
  const CivilDate date = ToCivil(*day);
  char text[8];
  std::snprintf(text, sizeof text, "%02d/%02d", date.month % 100, date.day % 100);
  return text;
}

void SetCellText(ppt::Table& table, int row, int column, const std::string& text) {
  table.Cell(row, column).Shape.TextFrame.TextRange.Text = text;
}

// The row writer shared by both task tables; the last-week table also shows the percent
// complete in column 6.
void AddReportRow(WeeklyReport& report, const std::string& D1, const std::string& D2,
                  bool with_percent_complete) {
  const project::Task& task = report.Task();
  ReportRow& row = report.ReportRow;
  const int level = task.OutlineLevel();
  // Summary tasks of the two upper levels get no row; their names head their sub-tasks.
  if ((level == report.StartLevel() || level == report.StartLevel() + 1) && task.Summary()) {
    return;
  }
  if (!IsInReportPeriod(row.StartText, row.FinishText, D1, D2)) return;

  ppt::Table& table = report.TaskCells();
  table.Rows.Add();
  row.TableRow += 1;
  const int r = row.TableRow;
  const std::string level1 = std::to_string(row.Level1Counter) + ".";
  const std::string counters = level1 + std::to_string(row.Level2Counter) + ".";
  const int L = report.StartLevel();
  SetCellText(table, r, 1, level1 + row.Level1Name);
  if (level == L) {
    SetCellText(table, r, 2, counters);
    SetCellText(table, r, 3, "");
  } else if (level == L + 1) {
    SetCellText(table, r, 2, counters + row.Level2Name);
    SetCellText(table, r, 3, "");
  } else {
    SetCellText(table, r, 2, counters + row.Level2Name);
    SetCellText(table, r, 3, row.Level3Name);
  }
  SetCellText(table, r, 4, MonthDayText(row.FinishText));
  SetCellText(table, r, 5, NumberText(RoundHalfEven(row.PlannedRatio * 100, 1)) + "%");
  if (with_percent_complete) {
    SetCellText(table, r, 6, std::to_string(task.PercentComplete()) + "%");
  }
}

}  // namespace

bool IsInReportPeriod(const std::string& start, const std::string& finish, const std::string& D1,
                      const std::string& D2) {
  return (start < D1 && finish >= D1) || start == D1 || (start > D1 && start <= D2);
}

void AddLastWeekRow(WeeklyReport& report) {
  AddReportRow(report, report.frmMain.txtDate(1).Text, report.frmMain.txtDate(2).Text, true);
}

void AddNextWeekRow(WeeklyReport& report) {
  AddReportRow(report, report.frmMain.txtDate(3).Text, report.frmMain.txtDate(4).Text, false);
}

}  // namespace taskvane
