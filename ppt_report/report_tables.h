#pragma once

#include <span>
#include <string>

namespace taskvane {

struct WeeklyReport;

// Row 1 of the period table: `texts` in columns of `widths` points, each cell size 12,
// framed with weight-1 borders, centred on the line and in the cell. Sets PeriodTable and
// TableRow = 1.
void AddPeriodTable(WeeklyReport& report, std::span<const double> widths,
                    std::span<const std::string> texts);

// The header row of the task table: `headers` in columns of `widths` points, each cell size
// 10 and framed, the columns from 4 on centred. Sets TaskTable.
void AddTaskTableHeader(WeeklyReport& report, std::span<const double> widths,
                        std::span<const std::string> headers);

// Every row of the task table gets height 20.
void SetTaskRowHeights(WeeklyReport& report);

// Header cells 1..last_column of the task table get alignment centred.
void CentreTaskHeader(WeeklyReport& report, int last_column);

}  // namespace taskvane
