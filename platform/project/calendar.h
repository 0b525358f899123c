#pragma once

// Working time on a calendar: which hours of a day are worked, and how many working
// minutes lie between two points in time.

#include "platform/project/schedule_data.h"
#include "platform/runtime/date.h"

namespace taskvane::project {

// The working times of `day`: an exception covering it, else a work week covering it
// that defines its weekday, else the ordinary week.
const DayPattern& WorkingTimesOn(const CalendarData& calendar, DaySerial day);

// Working minutes from `from` to `to`; the negative of the reverse when `to` is earlier.
// Runs in time proportional to the exceptions and work weeks in the range, not to its
// length in days.
long long WorkingMinutes(const CalendarData& calendar, DateTime from, DateTime to);

// Sorts exceptions by their first day and cuts overlaps: where two exceptions cover the
// same day, the one starting earlier wins (of two starting together, the one listed
// first). Empty ranges (last before first) are dropped; working times are normalized.
std::vector<CalendarException> NormalizeExceptions(std::vector<CalendarException> exceptions);

// `primary` with the days of `secondary` that `primary` does not cover; both normalized.
std::vector<CalendarException> MergeExceptions(const std::vector<CalendarException>& primary,
                                               const std::vector<CalendarException>& secondary);

// Working minutes of a pattern between two minutes of the day.
int PatternMinutes(const DayPattern& pattern, int from_minute = 0, int to_minute = 1440);

// Sorts working times, drops empty ones and joins overlapping ones.
DayPattern NormalizePattern(DayPattern pattern);

}  // namespace taskvane::project
