#pragma once

// The ID order of the task lines of a binary schedule.

#include <cstddef>
#include <vector>

#include "platform/project/mpp/task_items.h"

namespace taskvane::project::mpp {

// Indexes into `lines` (the task lines without the project summary task) in ID order.
// Format 9 stores correct IDs: the lines follow them. Formats 12 and 14 may keep stale IDs
// after rows were deleted, so tasks follow their position; blank lines and tasks without
// a position keep their stored ID and are put where that ID places them.
std::vector<std::size_t> IdOrder(const std::vector<TaskItem>& lines, int format);

}  // namespace taskvane::project::mpp
