#pragma once

namespace taskvane {

struct GanttSheet;

// The steps both Gantt writers run, in order: open and scan the schedule, create the
// workbook, lay out the timeline and headers, write the task rows with their bars, format
// the sheet, set up the page, save, release and open. Returns early after a stop that the
// steps have already reported (a blank task line, a day sheet too long for the oldest
// workbook generation). Automation errors reach the caller, whose handler reports them.
void WriteGanttSheet(GanttSheet& gantt);

// WriteGanttSheet under the writer's error handler (HandleGanttWeekError or
// HandleGanttDayError): nothing escapes but a failure inside the handler itself.
void RunGanttWriter(GanttSheet& gantt);

}  // namespace taskvane
