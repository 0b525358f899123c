#include "excel_export/gantt_task_rows.h"

#include <climits>
#include <string>

#include "console/main_window_controls.h"
#include "excel_export/gantt_bars.h"
#include "excel_export/gantt_sheet.h"
#include "excel_export/gantt_timeline.h"
#include "excel_export/range_format.h"
#include "excel_export/row_texts.h"
#include "platform/project/project.h"

namespace taskvane {
namespace {

// Closes the group open in name column `c` when it started above the next row: a thin
// frame over its rows from the name column to the last column, then the name cells joined
// by white row lines (columns A and B) inside a thin frame.
void CloseGroupBeforeNextRow(GanttSheet& gantt, int c) {
  GanttLoopState& loop = gantt.loop;
  const int g = loop.GroupStartRow(c);
  if (g == loop.next_row) return;
  BordersThinBox(gantt.PointAt(g, c, loop.next_row - 1, gantt.LastColumn));
  const excel::Range& names = gantt.PointAt(g, c, loop.next_row - 1, c);
  loop.GroupStartRow(c) = loop.next_row;
  if (c == ProcessColumn) {
    BordersThinBox(names);
  } else {
    BordersWhiteRowLines(names);
    BordersThinBox(names);
  }
}

void TakeOwnRow(GanttLoopState& loop) {
  loop.bar_row = loop.next_row;
  ++loop.next_row;
}

int StartLevel(const GanttSheet& gantt) {
  return static_cast<int>(
      WholeNumberOfText(gantt.conv.frmMain.cmbStartOutlineforExcel.Text, SHRT_MIN, SHRT_MAX));
}

}  // namespace

GanttPlacement PlaceTask(GanttSheet& gantt, const project::Task& task) {
  GanttLoopState& loop = gantt.loop;
  const int L = task.OutlineLevel();
  const int S = StartLevel(gantt);
  GanttPlacement placement;
  if (L == S || L == S + 1) {
    const int c = L == S ? StageColumn : TaskColumn;
    placement.level = L == S ? GanttLevel::Stage : GanttLevel::Task;
    WriteRowText(gantt.conv, gantt.Cells(loop.next_row, c), task.Name());
    CloseGroupBeforeNextRow(gantt, c);
    placement.own_row = !task.Subproject().empty() || !task.Summary();
    if (placement.own_row) TakeOwnRow(loop);
  } else if (L == S + 2) {
    placement.level = GanttLevel::Process;
    WriteRowText(gantt.conv, gantt.Cells(loop.next_row, ProcessColumn), task.Name());
    CloseGroupBeforeNextRow(gantt, ProcessColumn);
    placement.own_row = true;
    TakeOwnRow(loop);
  } else if (L > S + 2) {
    placement.level = GanttLevel::Deeper;
    WriteRowText(gantt.conv, gantt.Cells(loop.next_row, ProcessColumn), task.Name());
    if (loop.GroupStartRow(ProcessColumn) != loop.next_row) {
      gantt.Cells(loop.next_row, ProcessColumn).InsertIndent(2 * (L - S - 2));
    }
    placement.own_row = true;
    TakeOwnRow(loop);
  }
  return placement;
}

void WriteTaskRows(GanttSheet& gantt, int task_count) {
  ExcelConversion& conv = gantt.conv;
  gantt.Mark("10");
  for (int i = 1; i <= task_count; ++i) {
    conv.CurrentTask = conv.ProjectTasks->Item(i);
    conv.Status(std::to_string(i) + "번째 작업 저장 중");
    // The pre-scan stopped at any blank line, so every line here holds a task.
    if (conv.CurrentTask == nullptr) {
      throw AutomationError(91, "개체 변수 또는 With 블록 변수가 설정되어 있지 않습니다.");
    }
    const project::Task& task = *conv.CurrentTask;
    const GanttPlacement placement = PlaceTask(gantt, task);
    DrawTaskBar(gantt, task, placement);
  }
}

}  // namespace taskvane
