#pragma once

namespace taskvane {

struct GanttSheet;

// The steps both Gantt writers run up to the finishing: open and scan the schedule, create
// the workbook, lay out the timeline and headers, write the task rows with their bars and
// format the sheet (conv.Sheet). Returns false after a stop that the steps have already
// reported (a blank task line, a day sheet too long for the oldest workbook generation).
// Automation errors propagate.
bool WriteGanttSheet(GanttSheet& gantt);

// The whole writer: WriteGanttSheet, the page setup with title rows 1 to 4, save, release
// and open, all under the writer's error handler (HandleGanttWeekError or
// HandleGanttDayError), which reports every automation error itself.
void RunGanttWriter(GanttSheet& gantt);

}  // namespace taskvane
