#pragma once

namespace taskvane {

struct GanttSheet;
struct GanttPlacement;

namespace project {
class Task;
}

// The bar step for a task the loop has just placed. Tasks at level S or S + 1 that share
// their row, and tasks above level S, get nothing. Every other task gets, in its row:
// - plan and actual (optRealAndPlan): the timeline cells of the baseline chosen by
//   cmbBaseline filled with the swatch pattern and colour (when both baseline dates are
//   defined), and a progress rectangle over its own span when its percent complete is
//   above 0 (slot 3 colour at 100 %, slot 4 below, as wide as the complete share);
// - actual only: the timeline cells of its start-to-finish span filled (when both dates
//   are defined);
// and in both modes its start and finish as the schedule shows them and the chosen fields.
void DrawTaskBar(GanttSheet& gantt, const project::Task& task, const GanttPlacement& placement);

}  // namespace taskvane
