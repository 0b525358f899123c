#pragma once

namespace taskvane {

struct GanttSheet;

// The sheet's frame before the task rows: headers in rows 3 and 4, the timeline columns,
// the date and field headers, and the widths and heights.

// Cells A3, B3 and C3: "단계", "태스크", "공정".
void WriteNameHeaders(GanttSheet& gantt);

// DayCount from the project dates, counted as soon as the pre-scan has read them at the
// first task (it stays 0 when there is no task). The day sheet widens the dates to whole
// weeks, Sunday to Saturday, first. Dates that are no dates raise a type mismatch (13).
void CountTimelineDays(GanttSheet& gantt);

// One column per week: "<w>주" in row 3, the week's first day (m/d) in row 4, the week key
// in WeekKeys. Sets WeekCount and DateColumn.
void WriteWeekColumns(GanttSheet& gantt);

// One column per day: each week's Sunday date merged over its seven row-3 cells, the day
// of the month in row 4. Sets DateColumn.
void WriteDayColumns(GanttSheet& gantt);

// "시작 날짜", "완료 날짜" and the captions of the chosen fields in row 3. Sets LastColumn.
void WriteDateAndFieldHeaders(GanttSheet& gantt);

// Column widths by ExcelVersion, row 1 at 18.75 pt and size 14, rows 2 to the last row a
// task can take at 13.5 pt and size 8; then the swatch tags are split for the bars.
void SetWidthsAndHeights(GanttSheet& gantt, int task_count);

}  // namespace taskvane
