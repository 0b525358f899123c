#pragma once

#include <string>

namespace taskvane {

struct WeeklyReport;

// Slide 2: the plan for txtDate(3)..txtDate(4) at the status date txtDate(4), a period
// table of four columns and a task table of five, merged and captioned like slide 1. The
// schedule's status date is restored before the captions. `path` is not used. A failure
// before the captions goes to the caller.
void BuildNextWeekSlide(WeeklyReport& report, const std::string& path);

}  // namespace taskvane
