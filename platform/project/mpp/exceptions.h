#pragma once

// Exception records of a calendar's data item: the days a calendar works differently, once
// or by a recurring pattern, and the days they cover once overlaps are settled.

#include <cstddef>
#include <vector>

#include "platform/project/mpp/byte_view.h"
#include "platform/project/recurrence.h"
#include "platform/project/schedule_data.h"

namespace taskvane::project::mpp {

inline constexpr std::size_t kMpp9ExceptionBytes = 64;
inline constexpr std::size_t kExceptionBytes = 92;  // formats 12 and 14, before the name

// One exception as stored: its pattern (a plain range is Recurrence::kDaily with
// occurrences = its days), and the working times of every day it covers.
struct ExceptionRecord {
  Recurrence recurrence;
  DayPattern working_times;
};

// `count` records of format 9 from the start of `records` (u16 first day, u16 last day, a
// day record), as many as fit; a record whose days are not set or out of order is left out.
std::vector<ExceptionRecord> ReadMpp9Exceptions(ByteView records, std::size_t count);

struct ExceptionList {
  std::vector<ExceptionRecord> records;
  std::size_t end = 0;  // offset in the area just after the last record read
};

// The exception list of formats 12 and 14: u16 count, u16, then records of 92 bytes and a
// name (its u32 byte length at +88, padded to four bytes), as many as fit.
ExceptionList ReadExceptionList(ByteView area);

// The days the exceptions cover, as sorted ranges that do not overlap, consecutive days with
// the same working times joined. Recurring patterns are expanded; one whose days do not end
// on its stored last day after its stored number of occurrences is taken as the plain range
// first..last. Where exceptions overlap, a plain range (or a pattern of one day) wins over a
// recurring one, then every-N-days over yearly, yearly over monthly, monthly over weekly,
// and among equals the later record. At most `max_days` days come from expanded patterns.
std::vector<CalendarException> ResolveExceptions(const std::vector<ExceptionRecord>& records,
                                                 std::size_t max_days);

}  // namespace taskvane::project::mpp
