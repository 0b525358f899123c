#pragma once

// A calendar's data item: its weekdays, exceptions and work weeks as the calendar itself
// defines them, before anything is taken from its base calendar.

#include <cstddef>

#include "platform/project/calendar.h"
#include "platform/project/mpp/byte_view.h"

namespace taskvane::project::mpp {

// Limits that keep a damaged or hostile file from growing a calendar without bound.
inline constexpr std::size_t kMaxExceptionDays = 100000;  // per calendar, from patterns
inline constexpr std::size_t kMaxWorkWeeks = 1000;

// Decodes the data item of format `format` (9, 12 or 14). Format 9: u16 exception count,
// u16, seven day records, then exception records of 64 bytes. Formats 12 and 14: seven day
// records, the exception list, the work weeks. Raises AutomationError 432 when the item is
// too short to hold its seven weekdays.
CalendarLayer ReadCalendarData(ByteView item, int format);

}  // namespace taskvane::project::mpp
