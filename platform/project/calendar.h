#pragma once

// Working time on a calendar: which hours of a day are worked, and how many working
// minutes lie between two points in time.

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "platform/project/schedule_data.h"
#include "platform/runtime/date.h"

namespace taskvane::project {

// A calendar prepared for questions about working time. Building it sorts the
// exceptions and sums them up once, so that any span, from minutes to centuries and
// however many exceptions it crosses, is answered in logarithmic time.
class WorkingTimeCalendar {
 public:
  explicit WorkingTimeCalendar(CalendarData calendar);
  WorkingTimeCalendar(const WorkingTimeCalendar&) = delete;
  WorkingTimeCalendar& operator=(const WorkingTimeCalendar&) = delete;

  // The working times of `day`: an exception covering it, else a work week covering it
  // that defines its weekday (the first such in the list), else the ordinary week.
  const DayPattern& WorkingTimesOn(DaySerial day) const;

  // Working minutes from `from` to `to`; the negative of the reverse when `to` is
  // earlier.
  long long WorkingMinutes(DateTime from, DateTime to) const;

 private:
  // A stretch of days over which the same work weeks apply: from `first` to the next
  // segment's first day.
  struct Segment {
    DaySerial first = 0;
    std::array<int, 7> source{};   // per weekday: index of the work week, or -1 for the week
    std::array<int, 7> minutes{};  // per weekday: working minutes
    long long before = 0;          // working minutes of all earlier segments, from kFirstDay
  };

  const Segment& SegmentOf(DaySerial day) const;
  long long InSegment(const Segment& segment, DaySerial first, DaySerial last) const;
  // Whole days first..last, without and with the exceptions.
  long long OrdinaryDays(DaySerial first, DaySerial last) const;
  long long WholeDays(DaySerial first, DaySerial last) const;
  long long Adjustment(const CalendarException& e, DaySerial first, DaySerial last) const;

  CalendarData calendar_;
  std::vector<Segment> segments_;
  std::vector<long long> adjustment_before_;  // per exception: sum of the earlier ones
};

// Sorts exceptions by their first day and cuts overlaps: where two exceptions cover the
// same day, the one starting earlier wins (of two starting together, the one listed
// first). Empty ranges (last before first) are dropped; working times are normalized.
std::vector<CalendarException> NormalizeExceptions(std::vector<CalendarException> exceptions);

// `primary` with the days of `secondary` that `primary` does not cover; both normalized.
std::vector<CalendarException> MergeExceptions(const std::vector<CalendarException>& primary,
                                               const std::vector<CalendarException>& secondary);

// What a calendar defines itself, before its base calendar is merged in.
struct CalendarLayer {
  std::array<std::optional<DayPattern>, 7> week;  // std::nullopt: the base calendar's day
  std::vector<CalendarException> exceptions;      // normalized
  std::vector<WorkWeek> work_weeks;
};

// Puts `layer` over `calendar`, its base with everything below already merged: the
// weekdays the layer defines, its exceptions over the base's, its work weeks before the
// base's, at most `max_work_weeks` in all.
void OverlayCalendar(CalendarData& calendar, const CalendarLayer& layer,
                     std::size_t max_work_weeks);

// Working minutes of a pattern between two minutes of the day.
int PatternMinutes(const DayPattern& pattern, int from_minute = 0, int to_minute = 1440);

// Sorts working times, drops empty ones and joins overlapping ones.
DayPattern NormalizePattern(DayPattern pattern);

}  // namespace taskvane::project
