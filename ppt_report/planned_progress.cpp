#include "ppt_report/planned_progress.h"

#include "platform/project/project.h"
#include "platform/runtime/rounding.h"
#include "ppt_report/report_text.h"
#include "ppt_report/weekly_report.h"

namespace taskvane {

namespace {

// Tasks this short, milestones included, are either done or not done.
constexpr double kShortTaskMinutes = 480;

}  // namespace

double PlannedRatio(const ReportRow& row, const std::string& S,
                    const project::Application& application) {
  if (NumberValue(row.TaskDuration) <= kShortTaskMinutes) return row.FinishText <= S ? 1 : 0;
  if (row.FinishText <= S) return 1;
  if (row.StartText >= S) return 0;
  const double whole =
      static_cast<double>(application.DateDifference(row.StartText, row.FinishText));
  if (whole == 0) return 0;  // no working time between start and finish
  const double done = static_cast<double>(application.DateDifference(row.StartText, S));
  return RoundHalfEven(done / whole, 2);
}

void AddToProgressSums(const ReportRow& row, ProgressSums& sums) {
  const double w = row.TaskWeight != 0 ? row.TaskWeight : CInt32(NumberValue(row.TaskDuration));
  sums.W += w;
  sums.P += row.PlannedRatio * w;
}

std::string PeriodRateText(const ProgressSums& sums) {
  if (sums.W == 0) return "-";
  return NumberText(RoundHalfEven(sums.P / sums.W * 100, 1)) + "%";
}

void WritePeriodRate(WeeklyReport& report, const ProgressSums& sums) {
  ppt::TextRange cell = report.PeriodCells().Cell(1, 4).Shape.TextFrame.TextRange;
  cell.Text = PeriodRateText(sums);
  cell.Font.Size = 10;
}

}  // namespace taskvane
