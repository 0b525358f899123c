#pragma once

// What the benchmark programs share: the pieces of a Project XML schedule they write, and
// the peak memory they report.

#include <sys/resource.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/runtime/date.h"

namespace taskvane::bench {

// A date and time as Project writes it: 2024-01-08T08:00:00.
inline std::string Iso(DaySerial day, int hour) {
  char time[16];
  std::snprintf(time, sizeof time, "T%02d:00:00", hour);
  return FormatDate(day) + time;
}

// The next working day (Monday to Friday) on or after `day`.
inline DaySerial Workday(DaySerial day) {
  while (Weekday(day) == 1 || Weekday(day) == 7) ++day;
  return day;
}

// One element of a task, at a task's indentation.
inline void Element(std::ostream& out, std::string_view name, const auto& value) {
  out << "\t\t\t<" << name << '>' << value << "</" << name << ">\n";
}

// The peak resident memory of this process so far.
inline double PeakRssMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

}  // namespace taskvane::bench
