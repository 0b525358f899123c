#include "excel_export/gantt_layout.h"

#include <algorithm>
#include <string>

#include "console/main_window_controls.h"
#include "excel_export/gantt_sheet.h"
#include "excel_export/gantt_timeline.h"

namespace taskvane {
namespace {

constexpr const char* kMonthDayFormat = "m\"/\"d";
constexpr const char* kKoreanDateFormat = "yyyy\"년\" mm\"월\" dd\"일\";@";
constexpr int kSaturday = 7;
constexpr int kSunday = 1;

}  // namespace

void WriteNameHeaders(GanttSheet& gantt) {
  gantt.Cells(3, StageColumn).Value = "단계";
  gantt.Cells(3, TaskColumn).Value = "태스크";
  gantt.Cells(3, ProcessColumn).Value = "공정";
}

void CountTimelineDays(GanttSheet& gantt) {
  const ExcelConversion& conv = gantt.conv;
  gantt.DayCount = 0;
  if (conv.ProjectStartDate.empty() && conv.ProjectFinishDate.empty()) return;
  const DaySerial start = DateOfText(conv.ProjectStartDate);
  const DaySerial finish = DateOfText(conv.ProjectFinishDate);
  gantt.ProjectStart = start;
  if (gantt.timeline == GanttTimeline::Week) {
    gantt.DayCount = std::max(0, static_cast<int>(finish - start) + 1);
    return;
  }
  const DaySheetBounds bounds = DaySheetBoundsFor(start, finish);
  gantt.SheetStartDate = bounds.SheetStartDate;
  gantt.DayCount = std::max(0, bounds.DayCount);
}

void WriteWeekColumns(GanttSheet& gantt) {
  ExcelConversion& conv = gantt.conv;
  gantt.Mark("05");
  const std::vector<DaySerial> starts = WeekColumnStarts(gantt.ProjectStart, gantt.DayCount);
  conv.WeekCount = static_cast<int>(starts.size());
  gantt.Mark("06");
  gantt.DateColumn = conv.WeekCount + 4;
  conv.WeekKeys.assign(starts.size(), std::string());
  for (int w = 1; w <= conv.WeekCount; ++w) {
    const DaySerial d = starts[static_cast<size_t>(w - 1)];
    const int column = w + kTimelineColumnOffset;
    gantt.Cells(3, column).Value = std::to_string(w) + "주";
    excel::Range date_cell = gantt.Cells(4, column);
    date_cell.Value = FormatDate(d);
    date_cell.NumberFormatLocal = std::string(kMonthDayFormat);
    conv.WeekKeys[static_cast<size_t>(w - 1)] = WeekKey(d);
  }
  gantt.WeekLookup = WeekColumnLookup(conv.WeekKeys, conv.WeekCount);
}

void WriteDayColumns(GanttSheet& gantt) {
  for (int i = 1; i <= gantt.DayCount; ++i) {
    const DaySerial d = gantt.SheetStartDate + i - 1;
    const int c = i + kTimelineColumnOffset;
    const int weekday = Weekday(d);
    if (i == 1 || weekday == kSunday) {
      excel::Range week_cell = gantt.Cells(3, c);
      week_cell.Value = FormatDate(d);
      week_cell.NumberFormatLocal = std::string(kKoreanDateFormat);
    }
    if (i > 1 && weekday == kSaturday) gantt.Block(3, c - 6, 3, c).Merge();
    excel::Range day_cell = gantt.Cells(4, c);
    day_cell.Value = KoreanWeekdayLetter(WeekdayName(d));
    day_cell.Value = std::to_string(ToCivil(d).day);
  }
  gantt.DateColumn = gantt.DayCount + 4;
}

void WriteDateAndFieldHeaders(GanttSheet& gantt) {
  gantt.Mark("07");
  const forms::ListView& fields = gantt.conv.frmMain.lvwListingFields;
  gantt.Cells(3, gantt.DateColumn).Value = "시작 날짜";
  gantt.Cells(3, gantt.DateColumn + 1).Value = "완료 날짜";
  for (int j = 1; j <= fields.Count(); ++j) {
    gantt.Cells(3, gantt.DateColumn + 1 + j).Value = fields.Item(j).Text;
  }
  gantt.LastColumn = gantt.DateColumn + 1 + fields.Count();
}

void SetWidthsAndHeights(GanttSheet& gantt, int task_count) {
  gantt.Mark("09");
  excel::Worksheet& sheet = gantt.Sheet();
  const GanttColumnWidths widths = gantt.timeline == GanttTimeline::Week
                                       ? WeekSheetColumnWidths(gantt.ExcelVersion)
                                       : DaySheetColumnWidths(gantt.ExcelVersion);
  sheet.Columns.ColumnWidth = widths.all_columns;
  sheet.Columns(StageColumn).ColumnWidth = widths.stage;
  sheet.Columns(TaskColumn).ColumnWidth = widths.task;
  sheet.Columns(ProcessColumn).ColumnWidth = widths.process;
  sheet.Rows(1).RowHeight = 18.75;
  gantt.Block(1, 1, 1, gantt.LastColumn).Font.Size = 14;
  // The rectangles are placed counting 13.5 pt for every row from row 2 on, so the block
  // reaches the last row a task can take (four header rows and one row per task), not
  // just the task count: rows beyond it would keep the taller default height and put
  // the bars of the last rows into the rows above them.
  excel::Range body = gantt.Block(2, 1, task_count + 4, gantt.LastColumn);
  body.Font.Size = 8;
  body.RowHeight = 13.5;
  const auto& picColorSet = gantt.conv.frmMain.picColorSet;
  gantt.swatches.emplace(std::array<std::string, 4>{picColorSet(1).Tag, picColorSet(2).Tag,
                                                    picColorSet(3).Tag, picColorSet(4).Tag});
}

}  // namespace taskvane
