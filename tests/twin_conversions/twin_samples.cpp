#include "tests/twin_conversions/twin_samples.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "platform/project/project.h"
#include "platform/runtime/date.h"

namespace taskvane::testing {
namespace fs = std::filesystem;

std::string MppSamplesFolder() {
  const fs::path folder = fs::path(TASKVANE_SAMPLES_DIR) / "mpp";
  return fs::is_directory(folder) ? folder.string() : std::string();
}

std::vector<std::string> MppSampleFiles() {
  std::vector<std::string> files;
  const std::string folder = MppSamplesFolder();
  if (folder.empty()) return files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == ".mpp") {
      files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<TwinSample> TwinSamples() {
  std::vector<TwinSample> samples;
  const std::string folder = MppSamplesFolder();
  for (const std::string& mpp : MppSampleFiles()) {
    std::string stem = fs::path(mpp).filename().string();
    std::string twin;
    for (const char* suffix : {"-mpp9.mpp", "-mpp12.mpp", "-mpp14.mpp"}) {
      if (stem.ends_with(suffix)) {
        twin =
            (fs::path(mpp).parent_path() /
             (stem.substr(0, stem.size() - std::char_traits<char>::length(suffix)) + "-mspdi.xml"))
                .string();
      }
    }
    if (twin.empty() || !fs::is_regular_file(twin)) continue;
    samples.push_back(TwinSample{fs::relative(mpp, folder).string(), mpp, twin});
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
