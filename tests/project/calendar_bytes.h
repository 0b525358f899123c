#pragma once

// Calendar records of binary schedules written field by field from a pattern: day records,
// exception records of both layouts and calendar data items, for crafted tests.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/project/mpp/mpp_values.h"
#include "platform/project/recurrence.h"
#include "platform/project/schedule_data.h"
#include "tests/project/byte_builder.h"

namespace taskvane::project::testing {

inline std::uint16_t DayNumberOf(DaySerial day) {
  return static_cast<std::uint16_t>(day - mpp::kDayNumberBase);
}

// A 60-byte day record. The slots after the counted periods hold leftovers, as in real
// files, so that a reader looking past the count sees them.
inline Bytes DayRecord(const DayPattern& times, bool is_default = false) {
  Bytes b;
  std::uint32_t total = 0;
  for (const WorkingTime& t : times) total += (t.to_minute - t.from_minute) * 10;
  b.U16(is_default ? 1 : 0).U16(static_cast<std::uint16_t>(times.size())).U32(total);
  for (std::size_t i = 0; i < 5; ++i) {
    b.U16(i < times.size() ? static_cast<std::uint16_t>(times[i].from_minute * 10) : 0x1234);
  }
  b.U16(0);
  for (std::size_t i = 0; i < 5; ++i) {
    b.U32(i < times.size() ? (times[i].to_minute - times[i].from_minute) * 10 : 0x5678);
  }
  std::uint32_t running = 0;
  for (std::size_t i = 0; i < 5; ++i) {
    if (i < times.size()) running += (times[i].to_minute - times[i].from_minute) * 10;
    b.U32(running);
  }
  return b;
}

// Seven day records, Sunday first; std::nullopt writes a record flagged default.
inline Bytes WeekRecords(const std::array<std::optional<DayPattern>, 7>& week) {
  Bytes b;
  for (const auto& day : week) b.Append(day ? DayRecord(*day) : DayRecord({}, true));
  return b;
}

inline std::array<std::optional<DayPattern>, 7> DefinedWeekOf(const CalendarData& calendar) {
  std::array<std::optional<DayPattern>, 7> week;
  for (std::size_t d = 0; d < 7; ++d) week[d] = calendar.week[d];
  return week;
}

// A name as the exception and work-week records write it: u32 byte length with the
// terminator, UTF-16LE text, zeros up to a multiple of four bytes.
inline Bytes RecordName(std::string_view name) {
  Bytes b;
  if (name.empty()) return b.U32(0);
  const std::uint32_t length = static_cast<std::uint32_t>(2 * (name.size() + 1));
  b.U32(length).Utf16(name);
  b.Zeros((4 - length % 4) % 4);
  return b;
}

// An exception record of formats 12 and 14 (92 bytes and the name), with leftovers in the
// bytes a pattern does not use.
inline Bytes ExceptionRecord12(const Recurrence& r, const DayPattern& times,
                               std::string_view name = "") {
  Bytes b;
  b.U16(DayNumberOf(r.first_day)).U16(DayNumberOf(r.last_day));
  b.U16(static_cast<std::uint16_t>(r.occurrences)).U16(0).U16(1).U16(0);
  b.Append(DayRecord(times));
  b.U16(static_cast<std::uint16_t>(r.type)).U16(0xBEEF);
  const auto u8 = [](int v) { return static_cast<std::uint8_t>(v); };
  const auto u16 = [](int v) { return static_cast<std::uint16_t>(v); };
  switch (r.type) {
    case Recurrence::kEveryNDays:
      b.U16(u16(r.period)).U16(0xAAAA);
      break;
    case Recurrence::kWeekly:
      b.U8(u8(r.days_of_week)).U8(0xFF).U16(u16(r.period));
      break;
    case Recurrence::kMonthlyByDay:
      b.U8(u8(r.month_day)).U8(0).U16(u16(r.period));
      break;
    case Recurrence::kMonthlyByPosition:
      b.U8(u8(r.month_position)).U8(u8(r.month_item)).U16(u16(r.period));
      break;
    case Recurrence::kYearlyByDay:
      b.U8(u8(r.month)).U8(u8(r.month_day)).U16(0xAAAA);
      break;
    case Recurrence::kYearlyByPosition:
      b.U8(u8(r.month)).U8(u8(r.month_position)).U8(u8(r.month_item)).U8(0xAA);
      break;
    default:
      b.U32(0xAAAAAAAA);
      break;
  }
  b.U32(7).U32(0);
  b.Append(RecordName(name));
  return b;
}

// A plain range of days as an exception record of formats 12 and 14.
inline Bytes RangeRecord12(DaySerial first, DaySerial last, const DayPattern& times) {
  Recurrence r;
  r.first_day = first;
  r.last_day = last;
  r.occurrences = static_cast<int>(last - first + 1);
  return ExceptionRecord12(r, times);
}

// A calendar data item of formats 12 and 14: the week, the exception list, the work-week
// area.
inline Bytes CalendarItem12(const std::array<std::optional<DayPattern>, 7>& week,
                            const std::vector<Bytes>& exceptions, const Bytes& work_weeks = {}) {
  Bytes b = WeekRecords(week);
  b.U16(static_cast<std::uint16_t>(exceptions.size())).U16(0);
  for (const Bytes& e : exceptions) b.Append(e);
  b.U32(0).Append(work_weeks);
  return b;
}

// A calendar data item of format 9: the count, the week, 64-byte ranges.
struct Mpp9Range {
  DaySerial first = 0;
  DaySerial last = 0;
  DayPattern times;
};
inline Bytes CalendarItem9(const std::array<std::optional<DayPattern>, 7>& week,
                           const std::vector<Mpp9Range>& ranges) {
  Bytes b;
  b.U16(static_cast<std::uint16_t>(ranges.size())).U16(0x3344);
  b.Append(WeekRecords(week));
  for (const Mpp9Range& range : ranges) {
    b.U16(DayNumberOf(range.first)).U16(DayNumberOf(range.last)).Append(DayRecord(range.times));
  }
  return b;
}

}  // namespace taskvane::project::testing
