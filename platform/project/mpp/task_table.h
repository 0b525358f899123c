#pragma once

// The task lines of a binary schedule in ID order, with their summary flags and inserted
// projects, and the project summary task apart.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/project/mpp/mpp_file.h"
#include "platform/project/schedule_data.h"

namespace taskvane::project::mpp {

struct TaskTable {
  std::optional<TaskData> project_summary;  // the task with unique ID 0
  std::vector<TaskData> lines;              // IDs 1..n in order; blank lines included
  std::vector<std::int64_t> unique_ids;     // of each line
};

// Raises AutomationError 432 (without the path) when the task streams are missing or
// damaged.
TaskTable ReadTaskTable(const MppFile& file);

}  // namespace taskvane::project::mpp
