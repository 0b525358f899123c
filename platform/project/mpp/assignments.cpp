#include "platform/project/mpp/assignments.h"

#include <unordered_map>
#include <unordered_set>

#include "platform/project/mpp/damaged_file.h"
#include "platform/project/mpp/item_blocks.h"
#include "platform/project/mpp/mpp_values.h"

namespace taskvane::project::mpp {
namespace {

enum : std::uint16_t { kUniqueIdField = 0, kTaskField = 1, kResourceField = 2, kUnitsField = 7 };
// Units are kept as percent times 100: 10,000 is 100 %.
constexpr double kUnitsScale = 10000;
// Units beyond this are damaged values; the assignment then counts as full time.
constexpr double kMaxUnits = 1e6;

std::optional<std::int32_t> Integer(const ItemFields& fields,
                                    const std::optional<FieldLocation>& location) {
  if (!location) return std::nullopt;
  return fields.Value(*location).value_or(ByteView()).I32(0);
}

}  // namespace

void ReadAssignments(const MppFile& file, const ResourceNames& resources,
                     const std::vector<std::int64_t>& unique_ids, std::vector<TaskData>& lines) {
  const ItemBlocks blocks(file, kAssignmentKind);
  const FieldMap& map = blocks.map();
  const std::optional<FieldLocation> unique_id = map.Find(kAssignmentClass, kUniqueIdField);
  const std::optional<FieldLocation> task = map.Find(kAssignmentClass, kTaskField);
  const std::optional<FieldLocation> resource = map.Find(kAssignmentClass, kResourceField);
  const std::optional<FieldLocation> units = map.Find(kAssignmentClass, kUnitsField);
  if (!unique_id || !task || !resource) return;

  std::unordered_map<std::int64_t, std::size_t> line_of_task;
  line_of_task.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size() && i < unique_ids.size(); ++i) {
    if (!lines[i].blank) line_of_task.emplace(unique_ids[i], i);
  }

  // Each meta item points at one record of the map's full length; a meta item whose first
  // byte is not 0 stands for a removed assignment.
  const std::size_t record_bytes = map.Extent(0);
  const ByteView data = blocks.fixed_data();
  std::unordered_set<std::int64_t> seen;
  for (const FixedItem& item : blocks.items()) {
    if (item.meta.U8(0).value_or(1) != 0 || !data.Contains(item.data_offset(), record_bytes)) {
      continue;
    }
    const ByteView record = data.Sub(item.data_offset(), record_bytes);
    const ItemFields fields(map, kAssignmentClass, record, ByteView(), nullptr, 0);
    const std::optional<std::int32_t> assignment = Integer(fields, unique_id);
    if (!assignment || !seen.insert(*assignment).second) continue;
    const std::optional<std::int32_t> task_unique_id = Integer(fields, task);
    const std::optional<std::int32_t> resource_unique_id = Integer(fields, resource);
    if (!task_unique_id || !resource_unique_id) continue;
    // No assignment of the project's own line to no one: a record of zeros is wiped data.
    if (*assignment == 0 && *task_unique_id == 0 && *resource_unique_id == 0) {
      ThrowDamaged("할당 기록 오류");
    }
    auto line = line_of_task.find(*task_unique_id);
    auto named = resources.index_of_unique_id.find(*resource_unique_id);
    if (line == line_of_task.end() || named == resources.index_of_unique_id.end()) continue;
    double share = 1;
    if (units) {
      const std::optional<double> stored = Number(fields.Value(*units).value_or(ByteView()));
      if (stored && *stored >= 0 && *stored / kUnitsScale <= kMaxUnits)
        share = *stored / kUnitsScale;
    }
    lines[line->second].assignments.push_back({named->second, share});
  }
}

}  // namespace taskvane::project::mpp
