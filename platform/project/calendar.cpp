#include "platform/project/calendar.h"

#include <algorithm>
#include <limits>

namespace taskvane::project {
namespace {

int WeekdayIndex(DaySerial day) {
  return Weekday(day) - 1;
}  // 0 = Sunday

// Days outside the years this system handles are taken as the nearest such day.
const DaySerial kFirstDay = DateSerial(kMinYear, 1, 1);
const DaySerial kLastDay = DateSerial(kMaxYear, 12, 31);

DaySerial Clamp(DaySerial day) {
  return std::clamp(day, kFirstDay, kLastDay);
}

}  // namespace

CalendarData CalendarData::Standard() {
  CalendarData calendar;
  const DayPattern workday{{8 * 60, 12 * 60}, {13 * 60, 17 * 60}};
  for (int weekday = 1; weekday <= 5; ++weekday) calendar.week[weekday] = workday;
  return calendar;
}

WorkingTimeCalendar::WorkingTimeCalendar(CalendarData calendar) : calendar_(std::move(calendar)) {
  for (DayPattern& day : calendar_.week) day = NormalizePattern(std::move(day));
  for (WorkWeek& week : calendar_.work_weeks) {
    week.first_day = Clamp(week.first_day);
    week.last_day = Clamp(week.last_day);
    for (auto& day : week.days) {
      if (day) day = NormalizePattern(std::move(*day));
    }
  }
  for (CalendarException& e : calendar_.exceptions) {
    e.first_day = Clamp(e.first_day);
    e.last_day = Clamp(e.last_day);
  }
  calendar_.exceptions = NormalizeExceptions(std::move(calendar_.exceptions));

  // Segments start wherever a work week starts or ends.
  std::vector<DaySerial> starts{kFirstDay};
  for (const WorkWeek& week : calendar_.work_weeks) {
    if (week.last_day < week.first_day) continue;
    starts.push_back(week.first_day);
    if (week.last_day < kLastDay) starts.push_back(week.last_day + 1);
  }
  std::sort(starts.begin(), starts.end());
  starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
  long long before = 0;
  for (size_t k = 0; k < starts.size(); ++k) {
    Segment segment;
    segment.first = starts[k];
    for (int weekday = 0; weekday < 7; ++weekday) {
      segment.source[weekday] = -1;
      for (size_t w = 0; w < calendar_.work_weeks.size(); ++w) {
        const WorkWeek& week = calendar_.work_weeks[w];
        if (week.first_day <= segment.first && segment.first <= week.last_day &&
            week.days[weekday]) {
          segment.source[weekday] = static_cast<int>(w);
          break;
        }
      }
      const int source = segment.source[weekday];
      segment.minutes[weekday] = PatternMinutes(
          source < 0 ? calendar_.week[weekday] : *calendar_.work_weeks[source].days[weekday]);
    }
    segment.before = before;
    const DaySerial last = k + 1 < starts.size() ? starts[k + 1] - 1 : kLastDay;
    before += InSegment(segment, segment.first, last);
    segments_.push_back(segment);
  }

  adjustment_before_.reserve(calendar_.exceptions.size() + 1);
  long long adjustment = 0;
  for (const CalendarException& e : calendar_.exceptions) {
    adjustment_before_.push_back(adjustment);
    adjustment += Adjustment(e, e.first_day, e.last_day);
  }
  adjustment_before_.push_back(adjustment);
}

const WorkingTimeCalendar::Segment& WorkingTimeCalendar::SegmentOf(DaySerial day) const {
  auto it = std::partition_point(segments_.begin(), segments_.end(),
                                 [day](const Segment& s) { return s.first <= day; });
  return *(it - 1);  // the first segment starts at kFirstDay
}

long long WorkingTimeCalendar::InSegment(const Segment& segment, DaySerial first,
                                         DaySerial last) const {
  if (last < first) return 0;
  long long per_week = 0;
  for (int minutes : segment.minutes) per_week += minutes;
  const DaySerial days = last - first + 1;
  long long total = (days / 7) * per_week;
  for (DaySerial day = first + (days / 7) * 7; day <= last; ++day) {
    total += segment.minutes[WeekdayIndex(day)];
  }
  return total;
}

long long WorkingTimeCalendar::OrdinaryDays(DaySerial first, DaySerial last) const {
  first = Clamp(first);
  last = Clamp(last);
  if (last < first) return 0;
  const Segment& a = SegmentOf(first);
  const Segment& b = SegmentOf(last);
  if (&a == &b) return InSegment(a, first, last);
  const Segment& after_a = *(&a + 1);
  return InSegment(a, first, after_a.first - 1) + (b.before - after_a.before) +
         InSegment(b, b.first, last);
}

long long WorkingTimeCalendar::Adjustment(const CalendarException& e, DaySerial first,
                                          DaySerial last) const {
  return (last - first + 1) * static_cast<long long>(PatternMinutes(e.working_times)) -
         OrdinaryDays(first, last);
}

long long WorkingTimeCalendar::WholeDays(DaySerial first, DaySerial last) const {
  first = Clamp(first);
  last = Clamp(last);
  if (last < first) return 0;
  long long total = OrdinaryDays(first, last);
  const auto& list = calendar_.exceptions;
  const auto begin = std::partition_point(
      list.begin(), list.end(), [first](const CalendarException& e) { return e.last_day < first; });
  const auto end = std::partition_point(
      begin, list.end(), [last](const CalendarException& e) { return e.first_day <= last; });
  if (begin == end) return total;
  const auto i = static_cast<size_t>(begin - list.begin());
  const auto j = static_cast<size_t>(end - list.begin()) - 1;  // last overlapping
  // The first and the last overlapping exception may stick out of the span; those in
  // between lie within it.
  total +=
      Adjustment(list[i], std::max(first, list[i].first_day), std::min(last, list[i].last_day));
  if (j > i) {
    total +=
        Adjustment(list[j], std::max(first, list[j].first_day), std::min(last, list[j].last_day));
    total += adjustment_before_[j] - adjustment_before_[i + 1];
  }
  return total;
}

const DayPattern& WorkingTimeCalendar::WorkingTimesOn(DaySerial day) const {
  const auto& list = calendar_.exceptions;
  auto it = std::partition_point(list.begin(), list.end(),
                                 [day](const CalendarException& e) { return e.last_day < day; });
  if (it != list.end() && it->first_day <= day) return it->working_times;
  const int weekday = WeekdayIndex(day);
  const int source = SegmentOf(Clamp(day)).source[weekday];
  return source < 0 ? calendar_.week[weekday] : *calendar_.work_weeks[source].days[weekday];
}

long long WorkingTimeCalendar::WorkingMinutes(DateTime from, DateTime to) const {
  if (to < from) return -WorkingMinutes(to, from);
  if (from.day == to.day) {
    return PatternMinutes(WorkingTimesOn(from.day), from.minute, to.minute);
  }
  long long total = PatternMinutes(WorkingTimesOn(from.day), from.minute, 1440);
  total += WholeDays(from.day + 1, to.day - 1);
  total += PatternMinutes(WorkingTimesOn(to.day), 0, to.minute);
  return total;
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

void OverlayCalendar(CalendarData& calendar, const CalendarLayer& layer,
                     std::size_t max_work_weeks) {
  for (int d = 0; d < 7; ++d) {
    if (layer.week[d]) calendar.week[d] = *layer.week[d];
  }
  calendar.exceptions = MergeExceptions(layer.exceptions, calendar.exceptions);
  std::vector<WorkWeek> work_weeks = layer.work_weeks;
  work_weeks.insert(work_weeks.end(), calendar.work_weeks.begin(), calendar.work_weeks.end());
  if (work_weeks.size() > max_work_weeks) work_weeks.resize(max_work_weeks);
  calendar.work_weeks = std::move(work_weeks);
}

}  // namespace taskvane::project
