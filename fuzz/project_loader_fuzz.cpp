// Feeds arbitrary bytes to the schedule loader and reads every member of what loads.
// Loading may fail only with AutomationError; nothing may crash, hang or leak.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/project/field_catalogue.h"
#include "platform/project/mspdi_loader.h"
#include "platform/project/project.h"
#include "platform/project/schedule_data.h"

namespace {

using taskvane::AutomationError;
using namespace taskvane::project;

std::vector<long> CatalogueIds() {
  std::vector<long> ids;
  for (long id = 188743680; id <= 188744800; ++id) {
    if (TaskFieldOf(id)) ids.push_back(id);
  }
  return ids;
}

void ReadEverything(Project& project) {
  static const std::vector<long> kIds = CatalogueIds();
  const Application& application = project.Application();
  (void)application.Version();
  for (int i = 1; i <= project.ProjectViews().Count(); ++i) {
    (void)project.ProjectViews().Item(i).Name();
  }
  const std::string start = project.ProjectStart();
  const std::string finish = project.ProjectFinish();
  try {
    (void)application.DateDifference(start, finish);
  } catch (const AutomationError&) {
  }
  const std::string saved = project.StatusDate();
  project.SetStatusDate("2010-06-15");
  (void)project.PercentComplete();
  const TaskCollection& tasks = project.Tasks();
  for (int i = 1; i <= tasks.Count(); ++i) {
    const Task* task = tasks.Item(i);
    if (task == nullptr) continue;
    (void)task->Name();
    (void)task->OutlineLevel();
    (void)task->Summary();
    (void)task->Subproject();
    (void)task->PercentComplete();
    (void)task->ActualStart();
    (void)task->ActualFinish();
    (void)task->BaselineStart();
    (void)task->BaselineFinish();
    for (int n = 1; n <= 10; ++n) {
      (void)task->BaselineNStart(n);
      (void)task->BaselineNFinish(n);
    }
    (void)task->Duration();
    (void)task->BaselineDuration();
    (void)task->Work();
    (void)task->BaselineWork();
    for (long id : kIds) (void)task->GetField(id);
    try {
      (void)application.DateDifference(task->Start(), task->Finish());
    } catch (const AutomationError&) {
    }
  }
  project.SetStatusDate(saved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<char> buffer(data, data + size);
  try {
    auto document =
        std::make_unique<ProjectData>(LoadMspdi(buffer.data(), buffer.size(), "fuzz.xml"));
    Project project(std::move(document));
    ReadEverything(project);
  } catch (const AutomationError&) {
  }
  return 0;
}
