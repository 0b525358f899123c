#include "excel_export/gantt_formatting.h"

#include "console/main_window_controls.h"
#include "excel_export/gantt_sheet.h"
#include "excel_export/gantt_timeline.h"
#include "excel_export/range_format.h"
#include "platform/excel/constants.h"

namespace taskvane {
namespace {

constexpr const char* kKoreanDateFormat = "yyyy\"년\" mm\"월\" dd\"일\";@";

int ChosenFieldCount(const GanttSheet& gantt) {
  return gantt.conv.frmMain.lvwListingFields.Count();
}

// Steps 1 to 3: the groups the loop left open, each from its first row to the last data
// row.
void CloseOpenGroups(GanttSheet& gantt, int LastDataRow) {
  const GanttLoopState& loop = gantt.loop;
  const int a = loop.group_start_row[0];
  const int b = loop.group_start_row[1];
  const int c = loop.group_start_row[2];
  BordersWhiteRowLines(gantt.PointAt(a, StageColumn, LastDataRow, StageColumn));
  BordersThinBox(gantt.conv.CurrentRange);
  BordersWhiteRowLines(gantt.PointAt(b, TaskColumn, LastDataRow, TaskColumn));
  BordersThinBox(gantt.conv.CurrentRange);
  BordersThinBox(gantt.PointAt(c, ProcessColumn, LastDataRow, ProcessColumn));
  BordersThinBox(gantt.PointAt(c, ProcessColumn, LastDataRow, gantt.DateColumn));
}

// Steps 4 to 8.
void DrawBordersAndFontSize(GanttSheet& gantt, int LastDataRow) {
  gantt.Mark("14");
  for (int r = 4; r <= LastDataRow; ++r) {
    if (gantt.Cells(r, ProcessColumn).IndentLevel != 0) {
      BorderHairTop(gantt.PointAt(r, ProcessColumn, r, gantt.LastColumn));
    }
  }
  const excel::Range& timeline = gantt.PointAt(5, 4, LastDataRow, gantt.DateColumn - 1);
  BorderHairInsideVertical(timeline);
  BordersThinLeftRight(timeline);
  BordersThinTopBottom(timeline);
  const excel::Range& dates = gantt.PointAt(5, gantt.DateColumn, LastDataRow, gantt.LastColumn);
  BordersThinSidesInsideVertical(dates);
  BordersThinTopBottom(dates);
  if (gantt.timeline == GanttTimeline::Day) {
    for (int k = 1; k <= gantt.DayCount - 7; k += 7) {
      BordersThinLeftRight(gantt.PointAt(5, k + 3, LastDataRow, k + 9));
    }
  }
  gantt.Block(1, 1, LastDataRow, gantt.LastColumn).Font.Size = 8;
}

// Steps 9 to 11.
void WrapRowsAndMergeHeaders(GanttSheet& gantt, int LastDataRow) {
  gantt.Mark("15");
  for (int r = 5; r <= LastDataRow; ++r) {
    gantt.Cells(r, TaskColumn).WrapText = true;
    gantt.Cells(r, ProcessColumn).WrapText = true;
    gantt.Cells(r, 1).EntireRow().AutoFit();
  }
  excel::Worksheet& sheet = gantt.Sheet();
  sheet.Range("3:4").HorizontalAlignment = excel::xlCenter;
  sheet.Range("A3:A4").Merge();
  sheet.Range("B3:B4").Merge();
  sheet.Range("C3:C4").Merge();
  gantt.Block(3, gantt.DateColumn, 4, gantt.DateColumn).Merge();
  gantt.Block(3, gantt.DateColumn + 1, 4, gantt.DateColumn + 1).Merge();
  for (int j = 1; j <= ChosenFieldCount(gantt); ++j) {
    gantt.Block(3, gantt.DateColumn + 1 + j, 4, gantt.DateColumn + 1 + j).Merge();
  }
}

// Steps 12 to 16.
void FormatHeadersAndTitles(GanttSheet& gantt) {
  gantt.Mark("16");
  MainWindowControls& frmMain = gantt.conv.frmMain;
  excel::Worksheet& sheet = gantt.Sheet();
  for (int column : {gantt.DateColumn, gantt.DateColumn + 1}) {
    sheet.Columns(column).HorizontalAlignment = excel::xlCenter;
    sheet.Columns(column).AutoFit();
  }
  for (int j = 1; j <= ChosenFieldCount(gantt); ++j) {
    sheet.Columns(gantt.DateColumn + 1 + j).AutoFit();
  }
  FormatHeaderRange(gantt.PointAt(3, 1, 4, gantt.LastColumn));
  gantt.Cells(1, 1).Value = frmMain.txtTitleExcel.Text.get();
  FormatTitleRange(gantt.PointAt(1, 1, 1, gantt.LastColumn));
  excel::Range project_name = gantt.Cells(2, 1);
  project_name.Value = frmMain.txtPJTNameExcel.Text.get();
  project_name.Font.Bold = true;
  if (gantt.timeline == GanttTimeline::Day) {
    gantt.Block(3, 4, 3, gantt.DayCount + 3).NumberFormatLocal = std::string(kKoreanDateFormat);
    gantt.Block(4, 4, 4, gantt.DayCount + 3).NumberFormatLocal = std::string("@");
  }
}

}  // namespace

void FormatGanttSheet(GanttSheet& gantt) {
  gantt.Mark("13");
  gantt.conv.Status("엑셀 포맷 정리 중");
  const int LastDataRow = gantt.loop.next_row - 1;
  CloseOpenGroups(gantt, LastDataRow);
  DrawBordersAndFontSize(gantt, LastDataRow);
  WrapRowsAndMergeHeaders(gantt, LastDataRow);
  FormatHeadersAndTitles(gantt);
}

}  // namespace taskvane
