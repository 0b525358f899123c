#pragma once

// What the benchmark programs share: the pieces of a Project XML schedule they write, and
// the peak memory they report.

#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
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

// The elements every task of the benchmarks' schedules starts with, after its <Task>: the
// ids, a name, the outline, the span from 08:00 to 17:00, and `hours` ("PT40H0M0S") as both
// duration and work.
inline void TaskCore(std::ostream& out, int id, int level, bool summary, DaySerial start,
                     DaySerial finish, const std::string& hours) {
  Element(out, "UID", id);
  Element(out, "ID", id);
  Element(out, "Name", "작업 " + std::to_string(id) + " 상세 설계 및 구현");
  Element(out, "OutlineLevel", level);
  Element(out, "Summary", summary ? 1 : 0);
  Element(out, "Start", Iso(start, 8));
  Element(out, "Finish", Iso(finish, 17));
  Element(out, "Duration", hours);
  Element(out, "DurationFormat", 7);
  Element(out, "Work", hours);
}

// The folder a benchmark writes into, emptied first: `keep` when one is given, else `name`
// under the temporary folder.
inline std::filesystem::path ScratchFolder(const std::string& keep, std::string_view name) {
  const std::filesystem::path folder =
      keep.empty() ? std::filesystem::temp_directory_path() / name : std::filesystem::path(keep);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

// The peak resident memory of this process so far.
inline double PeakRssMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

}  // namespace taskvane::bench
