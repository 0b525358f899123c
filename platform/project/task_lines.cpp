#include "platform/project/task_lines.h"

#include <string>

#include "platform/project/file_open_error.h"

namespace taskvane::project {

double BelievableMinutes(double minutes) {
  return minutes >= 0 && minutes <= kMaxMinutes ? minutes : 0;
}

double BelievableAmount(double amount) {
  return amount >= -kMaxAmount && amount <= kMaxAmount ? amount : 0;
}

void CheckOutlineLevels(const std::vector<TaskData>& tasks, std::string_view path) {
  int previous = 0;
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    const TaskData& task = tasks[i];
    if (task.blank) continue;
    if (task.outline_level < 1 || task.outline_level > previous + 1) {
      throw FileOpenError(path, "작업 " + std::to_string(i + 1) + "의 개요 수준(" +
                                    std::to_string(task.outline_level) + ")이 올바르지 않습니다.");
    }
    previous = task.outline_level;
  }
}

}  // namespace taskvane::project
