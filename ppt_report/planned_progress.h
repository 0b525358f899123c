#pragma once

#include <string>

#include "ppt_report/report_row.h"

namespace taskvane::project {
class Application;
}

namespace taskvane {

struct WeeklyReport;

// The planned share of a task done at the status date `S` ("yyyy-mm-dd"), from the
// figures of `row`: tasks of at most 480 minutes are done (1) or not (0) by their finish;
// longer ones are 1 once finished, 0 before their start, else the working time from start
// to S over the working time from start to finish, rounded to two decimals (halves to
// even), and 0 when the task has no working time at all.
double PlannedRatio(const ReportRow& row, const std::string& S,
                    const project::Application& application);

// The weight sum W and the weighted progress sum P of one slide's task loop.
struct ProgressSums {
  double W = 0;
  double P = 0;
};

// Adds a task that is not a summary to the sums: its weight is TaskWeight, or TaskDuration
// as a whole number (halves to even) when the weight is 0.
void AddToProgressSums(const ReportRow& row, ProgressSums& sums);

// The period's planned progress rate: P / W in percent, one decimal, followed by "%";
// "-" when W is 0.
std::string PeriodRateText(const ProgressSums& sums);

// Writes the period rate into cell (1,4) of the period table, which then gets size 10.
void WritePeriodRate(WeeklyReport& report, const ProgressSums& sums);

}  // namespace taskvane
