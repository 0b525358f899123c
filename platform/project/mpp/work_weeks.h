#pragma once

// Work weeks of a calendar's data item (formats 12 and 14): stretches of days over which
// some weekdays have working times of their own.

#include <vector>

#include "platform/project/mpp/byte_view.h"
#include "platform/project/schedule_data.h"

namespace taskvane::project::mpp {

// The work weeks in `area`, the bytes after a calendar's exception list: a u32, then per
// work week seven day records (Sunday first; a weekday flagged default is left to the
// calendar's week), u16 first day, u16 last day, 8 bytes, a u32 name length and the name
// padded to four bytes. The area is taken only when its records fill it exactly; anything
// else (a record cut short, bytes left over) gives no work weeks. At most `max_weeks`.
std::vector<WorkWeek> ReadWorkWeeks(ByteView area, std::size_t max_weeks);

}  // namespace taskvane::project::mpp
