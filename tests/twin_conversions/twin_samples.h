#pragma once

// The binary schedules of the shared samples that have an XML twin saved by the same
// Project version ("X-project2010-mpp9.mpp", "-mpp12.mpp" and "-mpp14.mpp" beside
// "X-project2010-mspdi.xml"), and the report periods chosen for each.

#include <ostream>
#include <string>
#include <vector>

#include "tests/twin_conversions/frm_main_conversions.h"

namespace taskvane::testing {

struct TwinSample {
  // Relative to the samples' mpp folder: "task-text/task-text-project2013-mpp9.mpp".
  std::string name;
  std::string mpp;  // full paths
  std::string twin;
};

// What gtest prints for a sample: its name.
inline void PrintTo(const TwinSample& sample, std::ostream* out) {
  *out << sample.name;
}

// Every binary sample with a twin, ordered by name; empty without the samples.
std::vector<TwinSample> TwinSamples();

// The report's periods for a schedule: the week from the earliest start of its tasks (that
// day to 6 days later) and the week after it; the project start for a schedule without
// tasks. The samples set no status date, and several start their project weeks before or
// after their tasks, so the periods follow the tasks.
ReportPeriods PeriodsFromFirstTask(const std::string& schedule);

}  // namespace taskvane::testing
