#pragma once

// The project's calendar from a binary schedule.

#include <optional>
#include <string_view>

#include "platform/project/mpp/mpp_file.h"
#include "platform/project/schedule_data.h"

namespace taskvane::project::mpp {

// The base calendar the project's Props name as the project calendar, else the base
// calendar named "Standard", else the first base calendar; the Standard calendar when the
// file has no base calendar. Weekdays, exceptions (recurring ones expanded, overlaps
// settled) and work weeks merged as a day's working time needs them. Raises
// AutomationError 432 (without the path) when the calendar streams are missing or damaged.
CalendarData ReadProjectCalendar(const MppFile& file);

// The base calendar named exactly `name`, resolved like the project calendar; std::nullopt
// when the file has none of that name.
std::optional<CalendarData> ReadBaseCalendar(const MppFile& file, std::string_view name);

}  // namespace taskvane::project::mpp
