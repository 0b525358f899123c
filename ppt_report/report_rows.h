#pragma once

#include <string>

namespace taskvane {

struct WeeklyReport;

// Whether a task from `start` to `finish` is listed in the period D1..D2 (all texts
// "yyyy-mm-dd", compared as text): it started before D1 and finishes on D1 or later, or
// it starts within the period, both ends included.
bool IsInReportPeriod(const std::string& start, const std::string& finish, const std::string& D1,
                      const std::string& D2);

// The row writers of the two task tables: for the current task (at level L, L+1 or L+2),
// appends a row when the task is listed in the period and is not a summary of level L or
// L+1, and raises TableRow. Columns: the numbered level names, the finish as "mm/dd", the
// planned rate and, on the last-week table only, the percent complete.
void AddLastWeekRow(WeeklyReport& report);  // period txtDate(1)..txtDate(2), six columns
void AddNextWeekRow(WeeklyReport& report);  // period txtDate(3)..txtDate(4), five columns

}  // namespace taskvane
