#pragma once

// Reads every member of an opened schedule the way the exporters can: the application,
// the views, the project's dates and progress (also under another status date) and, for
// each task, every property, every field of the catalogue and the working time between
// its dates. Used on hostile or damaged input, where nothing of this may crash.

#include <vector>

#include "platform/project/field_catalogue.h"
#include "platform/project/project.h"
#include "platform/runtime/automation_error.h"

namespace taskvane::project::testing {

inline const std::vector<long>& CatalogueFieldIds() {
  static const std::vector<long> ids = [] {
    std::vector<long> found;
    for (long id = 188743680; id <= 188744800; ++id) {
      if (TaskFieldOf(id)) found.push_back(id);
    }
    return found;
  }();
  return ids;
}

inline void ReadEveryMember(Project& project) {
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
    for (long id : CatalogueFieldIds()) (void)task->GetField(id);
    try {
      (void)application.DateDifference(task->Start(), task->Finish());
    } catch (const AutomationError&) {
    }
  }
  project.SetStatusDate(saved);
}

}  // namespace taskvane::project::testing
