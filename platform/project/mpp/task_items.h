#pragma once

// Which fixed items of the task streams are task lines: tasks and blank lines, with the
// unique ID, the stored ID and (in formats 12 and 14) the position that orders them.
// Placeholders and deleted items are left out.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/project/mpp/field_map.h"
#include "platform/project/mpp/fixed_block.h"

namespace taskvane::project::mpp {

struct TaskItem {
  std::size_t index = 0;  // of the fixed item, and of its Fixed2 item
  bool blank = false;
  std::int64_t unique_id = 0;
  std::int64_t stored_id = 0;
  std::optional<double> position;  // formats 12 and 14: the line's place, when known
};

// The task lines among `items` (the FixedMeta/FixedData items; `items2` the parallel
// Fixed2 items, empty in format 9), in the order of their items, as `map` places their
// unique ID, ID and position. When two live items share a unique ID the later one counts.
// Raises AutomationError 432 when the map does not place the unique ID in the fixed data,
// and when there are more lines than a schedule may hold.
std::vector<TaskItem> ReadTaskItems(const FieldMap& map, const std::vector<FixedItem>& items,
                                    const std::vector<FixedItem>& items2, int format);

}  // namespace taskvane::project::mpp
