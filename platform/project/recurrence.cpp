#include "platform/project/recurrence.h"

#include <algorithm>
#include <optional>

namespace taskvane::project {
namespace {

bool ItemMatches(int month_item, DaySerial day) {
  const int weekday = Weekday(day);  // 1 = Sunday .. 7 = Saturday
  switch (month_item) {
    case 0:
      return true;
    case 1:
      return weekday >= 2 && weekday <= 6;
    case 2:
      return weekday == 1 || weekday == 7;
    default:
      return weekday == month_item - 2;
  }
}

int DaysInMonth(int year, int month) {
  return static_cast<int>(DateSerial(year, month + 1, 1) - DateSerial(year, month, 1));
}

// The day of `month` (1..12) of `year` that is the position-th matching item (position
// 4 = the last one), if the month has it.
std::optional<DaySerial> NthItem(int year, int month, int month_item, int position) {
  const DaySerial first = DateSerial(year, month, 1);
  const int length = DaysInMonth(year, month);
  if (position >= 4) {
    for (int d = length - 1; d >= 0; --d) {
      if (ItemMatches(month_item, first + d)) return first + d;
    }
    return std::nullopt;
  }
  int seen = 0;
  for (int d = 0; d < length; ++d) {
    if (ItemMatches(month_item, first + d) && seen++ == position) return first + d;
  }
  return std::nullopt;
}

DaySerial DayOfMonth(int year, int month, int month_day) {
  return DateSerial(year, month, std::clamp(month_day, 1, DaysInMonth(year, month)));
}

// The day a monthly or yearly recurrence picks in `month` (1..12) of `year`: its day of the
// month, or its position-th matching item if the month has it.
std::optional<DaySerial> DayPicked(const Recurrence& r, int year, int month) {
  if (r.type == Recurrence::kMonthlyByDay || r.type == Recurrence::kYearlyByDay) {
    return DayOfMonth(year, month, r.month_day);
  }
  return NthItem(year, month, r.month_item, r.month_position);
}

class Collector {
 public:
  Collector(const Recurrence& r, size_t limit)
      : r_(r),
        limit_(r.occurrences > 0 ? std::min(limit, static_cast<size_t>(r.occurrences)) : limit) {}
  // Adds `day` when it lies in the range; false once no more days are wanted.
  bool Add(DaySerial day) {
    if (day >= r_.first_day && day <= r_.last_day) days_.push_back(day);
    return days_.size() < limit_;
  }
  std::vector<DaySerial> Take() { return std::move(days_); }

 private:
  const Recurrence& r_;
  size_t limit_;
  std::vector<DaySerial> days_;
};

}  // namespace

std::vector<DaySerial> ExpandRecurrence(const Recurrence& r, size_t limit) {
  Collector out(r, limit);
  if (r.last_day < r.first_day || limit == 0) return out.Take();
  const int period = std::max(r.period, 1);
  const CivilDate start = ToCivil(r.first_day);
  const CivilDate end = ToCivil(r.last_day);
  const int start_month = start.year * 12 + (start.month - 1);
  const int end_month = end.year * 12 + (end.month - 1);

  switch (r.type) {
    case Recurrence::kEveryNDays:
      for (DaySerial day = r.first_day; day <= r.last_day; day += period) {
        if (!out.Add(day)) break;
      }
      break;
    case Recurrence::kWeekly: {
      if ((r.days_of_week & 0x7f) == 0) break;
      // Weeks run from Sunday; the week holding the first day is week 0.
      for (DaySerial week = r.first_day - (Weekday(r.first_day) - 1); week <= r.last_day;
           week += 7LL * period) {
        bool more = true;
        for (int i = 0; i < 7 && more; ++i) {
          if (r.days_of_week & (1 << i)) more = out.Add(week + i);
        }
        if (!more) break;
      }
      break;
    }
    case Recurrence::kMonthlyByDay:
    case Recurrence::kMonthlyByPosition:
      for (int m = start_month; m <= end_month; m += period) {
        const int year = m / 12;
        const int month = m % 12 + 1;
        const std::optional<DaySerial> day = DayPicked(r, year, month);
        if (day && !out.Add(*day)) break;
      }
      break;
    case Recurrence::kYearlyByDay:
    case Recurrence::kYearlyByPosition: {
      const int month = std::clamp(r.month, 0, 11) + 1;
      for (int year = start.year; year <= end.year; ++year) {
        const std::optional<DaySerial> day = DayPicked(r, year, month);
        if (day && !out.Add(*day)) break;
      }
      break;
    }
    default:
      for (DaySerial day = r.first_day; day <= r.last_day; ++day) {
        if (!out.Add(day)) break;
      }
      break;
  }
  return out.Take();
}

}  // namespace taskvane::project
