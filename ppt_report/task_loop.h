#pragma once

#include "ppt_report/planned_progress.h"

namespace taskvane {

struct WeeklyReport;

// One slide's pass over every task of the schedule: for each task the figures, the planned
// ratio at ReportStatusDate and the sums; for tasks at levels L, L+1 and L+2 the level
// bookkeeping of the row record and the slide's row writer. Shows "i번째 작업 저장 중".
ProgressSums RunTaskLoop(WeeklyReport& report, void (*AddRow)(WeeklyReport&));

}  // namespace taskvane
