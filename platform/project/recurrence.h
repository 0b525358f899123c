#pragma once

// Recurring calendar exceptions ("every second Tuesday", "the last Friday of March each
// year") turned into the days they cover.

#include <vector>

#include "platform/runtime/date.h"

namespace taskvane::project {

// A recurrence as Project XML writes it (Exception/Type, Period, DaysOfWeek, ...).
struct Recurrence {
  enum Type {
    kDaily = 1,              // every day (Period ignored)
    kYearlyByDay = 2,        // Month, MonthDay
    kYearlyByPosition = 3,   // Month, MonthItem, MonthPosition
    kMonthlyByDay = 4,       // every Period months on MonthDay
    kMonthlyByPosition = 5,  // every Period months: MonthItem at MonthPosition
    kWeekly = 6,             // every Period weeks on the DaysOfWeek
    kEveryNDays = 7,         // every Period days
  };
  int type = kDaily;
  int period = 1;
  int days_of_week = 0;    // mask: 1 Sunday, 2 Monday, 4 Tuesday ... 64 Saturday
  int month_item = 0;      // 0 day, 1 weekday, 2 weekend day, 3 Sunday .. 9 Saturday
  int month_position = 0;  // 0 first .. 3 fourth, 4 last
  int month = 0;           // 0 January .. 11 December
  int month_day = 1;
  DaySerial first_day = 0;  // the recurrence starts here ...
  DaySerial last_day = 0;   // ... and ends here at the latest
  int occurrences = 0;      // at most this many occurrences when above 0
};

// The days of the recurrence, ascending, at most `limit` of them. A type outside the
// list above gives the whole range first_day..last_day as one day each.
std::vector<DaySerial> ExpandRecurrence(const Recurrence& recurrence, size_t limit);

}  // namespace taskvane::project
