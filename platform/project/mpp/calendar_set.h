#pragma once

// The calendars of a binary schedule: found by name among the base calendars, and resolved
// into what a day's working time is, with the calendars they derive from merged in.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/project/mpp/byte_view.h"
#include "platform/project/mpp/calendar_records.h"
#include "platform/project/mpp/var_block.h"
#include "platform/project/schedule_data.h"

namespace taskvane::project::mpp {

// The four streams of the calendar block.
struct CalendarStreams {
  ByteView fixed_meta;
  ByteView fixed_data;
  ByteView var_meta;
  ByteView var_data;
};

class CalendarSet {
 public:
  // Reads the calendar list of `streams` (which must outlive the set) of format `format`;
  // `unique_id_last` as for ReadCalendarRecords. A base calendar's "default" weekdays take
  // the day of `default_week`. Raises AutomationError 432 when the block holds no calendar.
  CalendarSet(const CalendarStreams& streams, int format, bool unique_id_last,
              const std::array<DayPattern, 7>& default_week);

  // The first base calendar named exactly `name`; nullptr when there is none.
  const CalendarRecord* FindBase(std::string_view name) const;
  // The first base calendar of the list; nullptr when there is none.
  const CalendarRecord* FirstBase() const;

  // The calendar with the calendars it derives from merged in: a weekday it leaves at
  // default is its base's, its exceptions win over its base's. A base that is missing, or
  // a chain of bases that loops or runs too deep, ends where it is.
  CalendarData Resolve(const CalendarRecord& calendar) const;

 private:
  const CalendarRecord* Find(std::int32_t unique_id) const;
  std::string NameOf(const CalendarRecord& calendar) const;

  int format_ = 0;
  std::vector<CalendarRecord> records_;
  VarBlock var_;
  std::array<DayPattern, 7> default_week_;
};

}  // namespace taskvane::project::mpp
