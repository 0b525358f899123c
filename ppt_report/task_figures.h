#pragma once

namespace taskvane {

struct WeeklyReport;

// The task-figures step: StartText, FinishText, TaskDuration and TaskWeight of the current
// task, from its baseline when optUseBaseline is set and both baseline dates are defined,
// else from its current dates, duration and work.
void ReadTaskFigures(WeeklyReport& report);

}  // namespace taskvane
