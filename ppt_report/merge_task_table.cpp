#include "ppt_report/merge_task_table.h"

#include <string>

#include "ppt_report/report_text.h"
#include "ppt_report/weekly_report.h"

namespace taskvane {

namespace {

// The cells of the task table as the passes see them. A cell covered by an earlier merge
// reads as the text of the merged cell it lies under: that is the text shown there.
class TaskCellTexts {
 public:
  explicit TaskCellTexts(ppt::Table& table) : table_(table) {}

  std::string Text(int row, int column) const {
    const ppt::CellArea area = table_.Cell(row, column).Area();
    return table_.Cell(area.row, area.column).Shape.TextFrame.TextRange.Text;
  }
  void SetText(int row, int column, const std::string& text) {
    table_.Cell(row, column).Shape.TextFrame.TextRange.Text = text;
  }
  void Merge(int row, int column, int to_row, int to_column) {
    table_.Cell(row, column).Merge(table_.Cell(to_row, to_column));
  }

 private:
  ppt::Table& table_;
};

// Pass A, top down on column 2: the rows of one level-L+1 task share one cell in each
// column from 2 to C.
void MergeLevel2Groups(TaskCellTexts& cells, int N, int C) {
  std::string K = cells.Text(2, 2);
  int S = 2;
  // The open group S..last keeps its name in its top cell.
  auto close_group = [&](int last) {
    cells.SetText(S, 2, TextAfterNthDot(K, 2));
    if (last != S) {
      for (int c = 2; c <= C; ++c) cells.Merge(S, c, last, c);
    }
  };
  for (int r = 3; r <= N; ++r) {
    if (cells.Text(r, 2) == K) {
      cells.SetText(r, 2, "");
      continue;
    }
    close_group(r - 1);
    if (r - 1 == S && cells.Text(S, 3).empty()) cells.Merge(S, 2, S, 3);
    K = cells.Text(r, 2);
    S = r;
  }
  close_group(N);
  if (cells.Text(N, 3).empty()) cells.Merge(N, 2, N, 3);
}

// Pass B, bottom up on column 1: the rows of one level-L task share one cell in column 1,
// whose text goes into the group's bottom cell before the merge.
void MergeLevel1Groups(TaskCellTexts& cells, int N) {
  std::string K = cells.Text(N, 1);
  int S = N;
  auto columns_2_and_3_empty = [&](int row) {
    return cells.Text(row, 2).empty() && cells.Text(row, 3).empty();
  };
  // The open group first..S keeps its name in its bottom cell.
  auto close_group = [&](int first) {
    cells.SetText(S, 1, TextAfterNthDot(K, 1));
    if (first != S) cells.Merge(first, 1, S, 1);
  };
  for (int r = N - 1; r >= 2; --r) {
    if (cells.Text(r, 1) == K) {
      cells.SetText(r, 1, "");
      continue;
    }
    close_group(r + 1);
    if (r + 1 == S && columns_2_and_3_empty(S)) cells.Merge(S, 1, S, 3);
    K = cells.Text(r, 1);
    S = r;
  }
  close_group(2);
  if (columns_2_and_3_empty(2)) cells.Merge(2, 1, 2, 3);
}

}  // namespace

void MergeTaskTable(WeeklyReport& report, int C) {
  const int N = report.ReportRow.TableRow;
  // A lone data row is one group in each pass, so it shows the bare names too.
  if (N < 2) return;
  TaskCellTexts cells(report.TaskCells());
  MergeLevel2Groups(cells, N, C);
  MergeLevel1Groups(cells, N);
}

}  // namespace taskvane
