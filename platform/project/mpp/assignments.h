#pragma once

// The assignments of a binary schedule: which named resource works on which task line,
// with what units.

#include <cstdint>
#include <vector>

#include "platform/project/mpp/mpp_file.h"
#include "platform/project/mpp/resources.h"
#include "platform/project/schedule_data.h"

namespace taskvane::project::mpp {

// Adds each assignment of a named resource to the task line whose unique ID it names
// (`unique_ids[i]` is that of `lines[i]`; blank lines take none), in file order. Raises
// AutomationError 432 (without the path) when the assignment streams are missing or
// damaged.
void ReadAssignments(const MppFile& file, const ResourceNames& resources,
                     const std::vector<std::int64_t>& unique_ids, std::vector<TaskData>& lines);

}  // namespace taskvane::project::mpp
