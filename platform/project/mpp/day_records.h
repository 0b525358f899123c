#pragma once

// Day records of binary schedules: the working times of one day, used for the weekdays of
// a calendar, inside its exceptions and work weeks, and for the project's default week.

#include <array>
#include <cstddef>
#include <optional>

#include "platform/project/mpp/byte_view.h"
#include "platform/project/mpp/props_stream.h"
#include "platform/project/schedule_data.h"

namespace taskvane::project::mpp {

inline constexpr std::size_t kDayRecordBytes = 60;
inline constexpr std::size_t kWeekRecordBytes = 7 * kDayRecordBytes;

// A week as a calendar defines it, Sunday first; std::nullopt for a weekday the calendar
// leaves at its default.
using DefinedWeek = std::array<std::optional<DayPattern>, 7>;

// The working periods of a day record (u16 flag, u16 period count, u32 total, five u16
// starts, u16, five u32 durations, all times in tenths of a minute), whatever its flag
// says. Only the counted periods are read, at most five; a period past midnight ends at
// 24:00. A record too short for its periods gives what fits.
DayPattern ReadWorkingPeriods(ByteView record);

// The day record's working times, or std::nullopt when it is flagged "default" (or too
// short to say).
std::optional<DayPattern> ReadDayRecord(ByteView record);

// Seven day records in a row, Sunday first.
DefinedWeek ReadWeekRecords(ByteView records);

// The week a base calendar's "default" weekdays take: the project's default week from its
// Props stream, and Project's standard day for a weekday that item leaves at default or
// when the item is absent.
std::array<DayPattern, 7> ProjectDefaultWeek(const PropsStream& props, int format);

}  // namespace taskvane::project::mpp
