#pragma once

#include <string>

#include "platform/runtime/automation_error.h"

namespace taskvane {

struct GanttSheet;

// The week sheet's report of an error it does not single out: number, description, step
// marker, the baseline dates read last, the not-available text and the schedule
// application's version (empty when no schedule is open).
std::string GanttWeekErrorReport(const AutomationError& error, const std::string& ErrorPosition,
                                 const std::string& TaskBaselineStartDate,
                                 const std::string& TaskBaselineFinishDate,
                                 const std::string& NotAvailableText,
                                 const std::string& ApplicationVersion);

// The error handlers of the two Gantt writers: 1004 warns and saves the sheet as it
// stands, 429 asks to check the installation, any other error is reported (the week sheet
// with its long report, the day sheet with number and description) and nothing is saved.
void HandleGanttWeekError(GanttSheet& gantt, const AutomationError& error);
void HandleGanttDayError(GanttSheet& gantt, const AutomationError& error);

}  // namespace taskvane
