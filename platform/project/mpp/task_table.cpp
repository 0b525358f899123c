#include "platform/project/mpp/task_table.h"

#include <unordered_map>

#include "platform/project/mpp/item_blocks.h"
#include "platform/project/mpp/subprojects.h"
#include "platform/project/mpp/task_fields.h"
#include "platform/project/mpp/task_items.h"
#include "platform/project/mpp/task_order.h"

namespace taskvane::project::mpp {
namespace {

// A task is a summary when the next task below it is one level deeper, and an inserted
// project always is. Blank lines are stepped over.
void MarkSummaries(std::vector<TaskData>& lines) {
  int next_level = 0;
  for (std::size_t i = lines.size(); i-- > 0;) {
    TaskData& line = lines[i];
    if (line.blank) continue;
    line.summary = next_level > line.outline_level || !line.subproject.empty();
    next_level = line.outline_level;
  }
}

}  // namespace

TaskTable ReadTaskTable(const MppFile& file) {
  const ItemBlocks blocks(file, kTaskKind);
  const std::vector<TaskItem> items =
      ReadTaskItems(blocks.map(), blocks.items(), blocks.items2(), file.Format());
  const TaskFieldReader reader(blocks, file.Format(), file.ApplicationMajor());

  std::unordered_map<std::int64_t, std::string> subproject_of;
  if (const std::optional<ByteView> linked = file.ProjectProps().Find(kLinkedFilesKey)) {
    for (InsertedProject& project : ReadInsertedProjects(*linked, file.Format())) {
      subproject_of.emplace(project.task_unique_id, std::move(project.path));
    }
  }

  TaskTable table;
  std::vector<TaskItem> lines;
  lines.reserve(items.size());
  for (const TaskItem& item : items) {
    if (item.unique_id == 0 && !item.blank) {
      table.project_summary = reader.Read(item.index, item.unique_id);
    } else {
      lines.push_back(item);
    }
  }

  table.lines.reserve(lines.size());
  table.unique_ids.reserve(lines.size());
  for (std::size_t i : IdOrder(lines, file.Format())) {
    const TaskItem& item = lines[i];
    table.unique_ids.push_back(item.unique_id);
    if (item.blank) {
      table.lines.emplace_back().blank = true;
      continue;
    }
    TaskData task = reader.Read(item.index, item.unique_id);
    if (auto found = subproject_of.find(item.unique_id); found != subproject_of.end()) {
      task.subproject = found->second;
    }
    table.lines.push_back(std::move(task));
  }
  MarkSummaries(table.lines);
  return table;
}

}  // namespace taskvane::project::mpp
