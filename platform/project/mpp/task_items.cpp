#include "platform/project/mpp/task_items.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "platform/project/mpp/damaged_file.h"
#include "platform/project/task_lines.h"

namespace taskvane::project::mpp {
namespace {

// Field indexes of the values that identify and place a task.
constexpr std::uint16_t kUniqueIdField = 86;
constexpr std::uint16_t kIdField = 23;
constexpr std::uint16_t kPositionField = 1145;

// The first three items of the task streams hold no task.
constexpr std::size_t kPlaceholderItems = 3;
constexpr std::uint8_t kDeletedFlag = 0x02;
constexpr std::uint8_t kBlankFlag = 0x04;

// A blank line is a short item: its unique ID and ID as u32 each, padded to 16 bytes
// after format 9.
std::size_t BlankItemBytes(int format) {
  return format == 9 ? 8 : 16;
}

std::optional<std::int64_t> Integer(std::optional<ByteView> bytes) {
  if (!bytes) return std::nullopt;
  return bytes->I32(0);
}

}  // namespace

std::vector<TaskItem> ReadTaskItems(const FieldMap& map, const std::vector<FixedItem>& items,
                                    const std::vector<FixedItem>& items2, int format) {
  const std::optional<FieldLocation> unique_id = map.Find(kTaskClass, kUniqueIdField);
  if (!unique_id || unique_id->kind != FieldLocation::Kind::kFixed) {
    ThrowDamaged("작업 고유 ID 위치 없음");
  }
  const std::optional<FieldLocation> id = map.Find(kTaskClass, kIdField);
  const std::optional<FieldLocation> position =
      format == 9 ? std::nullopt : map.Find(kTaskClass, kPositionField);

  std::vector<TaskItem> tasks;
  std::unordered_set<std::int64_t> seen;
  // From the last item back, so that the later of two items with one unique ID counts.
  for (std::size_t i = items.size(); i-- > kPlaceholderItems;) {
    const FixedItem& item = items[i];
    if ((item.flags() & kDeletedFlag) != 0 || item.data.empty()) continue;
    TaskItem task;
    task.index = i;
    if ((item.flags() & kBlankFlag) != 0 && item.data.size() == BlankItemBytes(format)) {
      task.blank = true;
      task.unique_id = *item.data.I32(0);
      task.stored_id = *item.data.I32(4);
    } else {
      // Only fixed values identify a task; the var block is not needed for them.
      const ByteView data2 = i < items2.size() ? items2[i].data : ByteView();
      const ItemFields fields(map, kTaskClass, item.data, data2, nullptr, 0);
      const std::optional<std::int64_t> read_unique_id = Integer(fields.Value(*unique_id));
      if (!read_unique_id) continue;
      task.unique_id = *read_unique_id;
      if (id) task.stored_id = Integer(fields.Value(*id)).value_or(0);
      if (position) {
        // Positions count from 1; a task item without its parallel item has none.
        const std::optional<double> place = fields.Value(*position).value_or(ByteView()).F64(0);
        if (place && !(std::isfinite(*place) && *place >= 1)) ThrowDamaged("작업 위치 값 오류");
        task.position = place;
      }
    }
    if (!seen.insert(task.unique_id).second) continue;
    // One line more than the limit: the project summary task.
    if (tasks.size() > kMaxTasks) throw AutomationError(kErrFileOpen, std::string(kTooManyTasks));
    tasks.push_back(task);
  }
  std::reverse(tasks.begin(), tasks.end());
  return tasks;
}

}  // namespace taskvane::project::mpp
