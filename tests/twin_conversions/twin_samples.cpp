#include "tests/twin_conversions/twin_samples.h"

#include <filesystem>
#include <optional>

#include "platform/project/project.h"
#include "platform/runtime/date.h"
#include "tests/project/mpp_samples.h"
#include "tests/project/mpp_twins.h"

namespace taskvane::testing {
namespace fs = std::filesystem;

std::vector<TwinSample> TwinSamples() {
  std::vector<TwinSample> samples;
  for (const std::string& name : project::testing::MppSampleNames()) {
    const std::string mpp = project::testing::MppSamplePath(name);
    const fs::path twin = project::testing::XmlTwinOf(mpp);
    if (!twin.empty()) samples.push_back(TwinSample{name, mpp, twin.string()});
  }
  return samples;
}

ReportPeriods PeriodsFromFirstTask(const std::string& schedule) {
  const auto project = project::OpenProjectFile(schedule);
  std::optional<DaySerial> first = ParseDate(project->ProjectStart());
  bool any_task = false;
  const project::TaskCollection& tasks = project->Tasks();
  for (int i = 1; i <= tasks.Count(); ++i) {
    const project::Task* task = tasks.Item(i);
    const std::optional<DaySerial> start = task ? ParseDate(task->Start()) : std::nullopt;
    if (!start) continue;
    if (!any_task || *start < *first) first = start;
    any_task = true;
  }
  const DaySerial start = first.value_or(DateSerial(2000, 1, 3));
  ReportPeriods periods;
  static constexpr int kOffsets[] = {0, 6, 7, 13};
  for (int k = 0; k < 4; ++k) periods.dates[k] = FormatDate(start + kOffsets[k]);
  return periods;
}

}  // namespace taskvane::testing
