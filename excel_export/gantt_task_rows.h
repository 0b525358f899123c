#pragma once

namespace taskvane {

struct GanttSheet;

namespace project {
class Task;
}

// How the loop placed a task, which the bar step reads: the task's level against the
// start level S, and whether it took a row of its own.
enum class GanttLevel { Stage, Task, Process, Deeper, Above };

struct GanttPlacement {
  GanttLevel level = GanttLevel::Above;
  bool own_row = false;
};

// The placement of one task by its outline level L against the start level S: level S
// goes to column A, S + 1 to B, S + 2 and deeper to C (deeper ones indented by
// 2 x (L - S - 2)), levels above S get no row. Writing into column A, B or C first closes
// the group open in that column when it started above the next row. A summary at level S
// or S + 1 (not an inserted project) shares the row of its first child.
GanttPlacement PlaceTask(GanttSheet& gantt, const project::Task& task);

// The task loop over every task of the schedule: status text, placement, bar step.
void WriteTaskRows(GanttSheet& gantt, int task_count);

}  // namespace taskvane
