#include "platform/project/calendar.h"

#include <algorithm>
#include <limits>

namespace taskvane::project {
namespace {

int WeekdayIndex(DaySerial day) {
  return Weekday(day) - 1;
}  // 0 = Sunday

// The exception covering `day`, or nullptr.
const CalendarException* ExceptionOn(const CalendarData& calendar, DaySerial day) {
  const auto& list = calendar.exceptions;
  auto it = std::partition_point(list.begin(), list.end(),
                                 [day](const CalendarException& e) { return e.last_day < day; });
  if (it != list.end() && it->first_day <= day) return &*it;
  return nullptr;
}

// The week that rules `day` when no exception covers it: per weekday, the first work
// week covering the day that defines the weekday, else the ordinary week.
const DayPattern& WeekPatternOn(const CalendarData& calendar, DaySerial day) {
  const int weekday = WeekdayIndex(day);
  for (const WorkWeek& week : calendar.work_weeks) {
    if (week.first_day <= day && day <= week.last_day && week.days[weekday]) {
      return *week.days[weekday];
    }
  }
  return calendar.week[weekday];
}

// The first day after `day` where the rule of WeekPatternOn may change: a work week
// starts or ends, or an exception starts.
DaySerial NextBoundary(const CalendarData& calendar, DaySerial day) {
  DaySerial next = std::numeric_limits<DaySerial>::max();
  for (const WorkWeek& week : calendar.work_weeks) {
    if (week.first_day > day) next = std::min(next, week.first_day);
    if (week.last_day >= day) next = std::min(next, week.last_day + 1);
  }
  const auto& list = calendar.exceptions;
  auto it = std::partition_point(list.begin(), list.end(),
                                 [day](const CalendarException& e) { return e.first_day <= day; });
  if (it != list.end()) next = std::min(next, it->first_day);
  return next;
}

// Working minutes of whole days first..last (both included).
long long WholeDays(const CalendarData& calendar, DaySerial first, DaySerial last) {
  long long total = 0;
  DaySerial day = first;
  while (day <= last) {
    if (const CalendarException* e = ExceptionOn(calendar, day)) {
      const DaySerial end = std::min(e->last_day, last);
      total += static_cast<long long>(end - day + 1) * PatternMinutes(e->working_times);
      day = end + 1;
      continue;
    }
    const DaySerial end = std::min(NextBoundary(calendar, day) - 1, last);
    // The week rule holds from `day` to `end`: count whole weeks at once.
    const DaySerial weeks = (end - day + 1) / 7;
    if (weeks > 0) {
      long long per_week = 0;
      for (int i = 0; i < 7; ++i) per_week += PatternMinutes(WeekPatternOn(calendar, day + i));
      total += weeks * per_week;
      day += weeks * 7;
    }
    for (; day <= end; ++day) total += PatternMinutes(WeekPatternOn(calendar, day));
  }
  return total;
}

}  // namespace

CalendarData CalendarData::Standard() {
  CalendarData calendar;
  const DayPattern workday{{8 * 60, 12 * 60}, {13 * 60, 17 * 60}};
  for (int weekday = 1; weekday <= 5; ++weekday) calendar.week[weekday] = workday;
  return calendar;
}

int PatternMinutes(const DayPattern& pattern, int from_minute, int to_minute) {
  int total = 0;
  for (const WorkingTime& time : pattern) {
    const int from = std::max(time.from_minute, from_minute);
    const int to = std::min(time.to_minute, to_minute);
    if (to > from) total += to - from;
  }
  return total;
}

DayPattern NormalizePattern(DayPattern pattern) {
  std::erase_if(pattern, [](const WorkingTime& t) { return t.to_minute <= t.from_minute; });
  std::sort(pattern.begin(), pattern.end(), [](const WorkingTime& a, const WorkingTime& b) {
    return a.from_minute < b.from_minute;
  });
  DayPattern joined;
  for (const WorkingTime& time : pattern) {
    if (!joined.empty() && time.from_minute <= joined.back().to_minute) {
      joined.back().to_minute = std::max(joined.back().to_minute, time.to_minute);
    } else {
      joined.push_back(time);
    }
  }
  return joined;
}

const DayPattern& WorkingTimesOn(const CalendarData& calendar, DaySerial day) {
  if (const CalendarException* e = ExceptionOn(calendar, day)) return e->working_times;
  return WeekPatternOn(calendar, day);
}

long long WorkingMinutes(const CalendarData& calendar, DateTime from, DateTime to) {
  if (to < from) return -WorkingMinutes(calendar, to, from);
  if (from.day == to.day) {
    return PatternMinutes(WorkingTimesOn(calendar, from.day), from.minute, to.minute);
  }
  long long total = PatternMinutes(WorkingTimesOn(calendar, from.day), from.minute, 1440);
  if (to.day - from.day > 1) total += WholeDays(calendar, from.day + 1, to.day - 1);
  total += PatternMinutes(WorkingTimesOn(calendar, to.day), 0, to.minute);
  return total;
}

std::vector<CalendarException> NormalizeExceptions(std::vector<CalendarException> exceptions) {
  std::erase_if(exceptions, [](const CalendarException& e) { return e.last_day < e.first_day; });
  // Stable: among exceptions starting on the same day the earlier listed comes first.
  std::stable_sort(exceptions.begin(), exceptions.end(),
                   [](const CalendarException& a, const CalendarException& b) {
                     return a.first_day < b.first_day;
                   });
  std::vector<CalendarException> result;
  result.reserve(exceptions.size());
  for (CalendarException& e : exceptions) {
    if (!result.empty() && e.first_day <= result.back().last_day) {
      // Only the days after the previous range remain.
      e.first_day = result.back().last_day + 1;
      if (e.last_day < e.first_day) continue;
    }
    e.working_times = NormalizePattern(std::move(e.working_times));
    result.push_back(std::move(e));
  }
  return result;
}

std::vector<CalendarException> MergeExceptions(const std::vector<CalendarException>& primary,
                                               const std::vector<CalendarException>& secondary) {
  std::vector<CalendarException> result = primary;
  size_t p = 0;
  for (const CalendarException& e : secondary) {
    DaySerial first = e.first_day;
    while (p < primary.size() && primary[p].last_day < first) ++p;
    size_t q = p;
    while (first <= e.last_day) {
      if (q < primary.size() && primary[q].first_day <= e.last_day) {
        if (primary[q].first_day > first) {
          result.push_back({first, primary[q].first_day - 1, e.working_times});
        }
        first = primary[q].last_day + 1;
        ++q;
      } else {
        result.push_back({first, e.last_day, e.working_times});
        break;
      }
    }
  }
  std::sort(result.begin(), result.end(),
            [](const CalendarException& a, const CalendarException& b) {
              return a.first_day < b.first_day;
            });
  return result;
}

}  // namespace taskvane::project
