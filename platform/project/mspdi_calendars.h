#pragma once

// The project's calendar from the Calendars element of a Project XML document.

#include <optional>

#include "platform/project/schedule_data.h"
#include "platform/project/xml_fragment.h"

namespace taskvane::project {

// The calendar whose UID is `calendar_uid`, else the one named "Standard", else the
// first; with its base calendars merged in. The Standard calendar when there is none.
// Exceptions come from the Exceptions list (recurring ones expanded) when the calendar
// has one, else from its old-style exception days (WeekDay with DayType 0).
CalendarData ReadProjectCalendar(const XmlElement& calendars,
                                 std::optional<long long> calendar_uid);

}  // namespace taskvane::project
