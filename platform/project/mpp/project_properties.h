#pragma once

// The project-level values of a binary schedule: its dates, the length of a working day,
// the default finish time and how money is shown.

#include "platform/project/mpp/mpp_file.h"
#include "platform/project/mpp/props_stream.h"
#include "platform/project/schedule_data.h"
#include "platform/runtime/date.h"

namespace taskvane::project::mpp {

// Fills start, finish, status date, current date, minutes per day, default finish time and
// the currency format of `project` from the project's Props stream. A value the file does
// not hold, or holds out of range, takes what a Project XML file without it gives (status
// date not set, 480 minutes a day, 17:00, symbol before the amount, two decimals). Binary
// files do not store the current date: Project sets it to the day it opens the file, so it
// is `today` at the default start time.
void ReadProjectProperties(const MppFile& file, DaySerial today, ProjectData& project);
void ReadProjectProperties(const PropsStream& props, DaySerial today, ProjectData& project);

}  // namespace taskvane::project::mpp
