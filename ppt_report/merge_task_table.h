#pragma once

namespace taskvane {

struct WeeklyReport;

// Turns the numbered texts of columns 1 and 2 of TaskTable (data rows 2..TableRow) into
// group cells. Pass A, top down on column 2: a run of equal keys keeps the level-L+1 name
// in its top cell and is merged on its own in every column from 2 to C; a lone row whose
// column 3 is empty spans columns 2 and 3. Pass B, bottom up on column 1: a run keeps the
// level-L name in its bottom cell and is merged; a lone row whose columns 2 and 3 are empty
// spans columns 1 to 3. A table with no data rows stays as it is; a single data row is
// treated as a group of its own in both passes, as in a longer table.
void MergeTaskTable(WeeklyReport& report, int C);

}  // namespace taskvane
