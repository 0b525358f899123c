#pragma once

// The named resources of a binary schedule, in ID order, for the resource names of the
// tasks they are assigned to.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/project/mpp/mpp_file.h"

namespace taskvane::project::mpp {

struct ResourceNames {
  std::vector<std::string> names;  // ProjectData::resource_names
  std::unordered_map<std::int64_t, int> index_of_unique_id;
};

// A resource without a name (such as the hidden resource 0) gets no entry. Raises
// AutomationError 432 (without the path) when the resource streams are missing or damaged.
ResourceNames ReadResourceNames(const MppFile& file);

}  // namespace taskvane::project::mpp
