#include "platform/project/mpp/task_order.h"

#include <algorithm>
#include <numeric>

#include "platform/project/mpp/damaged_file.h"

namespace taskvane::project::mpp {

std::vector<std::size_t> IdOrder(const std::vector<TaskItem>& lines, int format) {
  auto by_stored_id = [&](std::size_t a, std::size_t b) {
    return lines[a].stored_id < lines[b].stored_id;
  };
  std::vector<std::size_t> order(lines.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  if (format == 9) {
    std::stable_sort(order.begin(), order.end(), by_stored_id);
    return order;
  }

  std::vector<std::size_t> placed, by_id;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    (lines[i].position ? placed : by_id).push_back(i);
  }
  std::stable_sort(placed.begin(), placed.end(), [&](std::size_t a, std::size_t b) {
    return *lines[a].position < *lines[b].position;
  });
  // Each task has a place of its own.
  for (std::size_t k = 1; k < placed.size(); ++k) {
    if (*lines[placed[k]].position == *lines[placed[k - 1]].position) {
      ThrowDamaged("작업 위치 값 중복");
    }
  }
  std::stable_sort(by_id.begin(), by_id.end(), by_stored_id);
  // Line k (from 0) has ID k + 1: a line placed by its ID comes as soon as the lines
  // before it leave that ID free; what remains comes at the end.
  order.clear();
  std::size_t next_placed = 0, next_by_id = 0;
  while (order.size() < lines.size()) {
    const bool id_due =
        next_by_id < by_id.size() &&
        (next_placed == placed.size() ||
         lines[by_id[next_by_id]].stored_id <= static_cast<std::int64_t>(order.size()) + 1);
    order.push_back(id_due ? by_id[next_by_id++] : placed[next_placed++]);
  }
  return order;
}

}  // namespace taskvane::project::mpp
