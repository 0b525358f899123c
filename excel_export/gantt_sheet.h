#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "excel_export/excel_conversion.h"
#include "excel_export/gantt_swatches.h"
#include "excel_export/gantt_timeline.h"
#include "platform/excel/range.h"
#include "platform/excel/workbook.h"
#include "platform/excel/worksheet.h"
#include "platform/runtime/date.h"

namespace taskvane {

enum class GanttTimeline { Week, Day };

// Where the task loop stands: the row the next placed task uses, the row of the last task
// that took a row of its own (the row its bar goes into), and the first row of the outline
// group open in each name column A, B and C.
struct GanttLoopState {
  int next_row = 5;
  std::optional<int> bar_row;
  std::array<int, 3> group_start_row{5, 5, 5};

  int& GroupStartRow(int column) { return group_start_row.at(static_cast<size_t>(column - 1)); }
};

// The working values of one Gantt sheet, next to the conversion's shared ones.
struct GanttSheet {
  GanttSheet(ExcelConversion& conversion, GanttTimeline kind) : conv(conversion), timeline(kind) {}

  ExcelConversion& conv;
  const GanttTimeline timeline;

  // How the workbook is created: the workbook layer, or one of another version in tests.
  std::function<std::unique_ptr<excel::Workbook>(std::string_view)> CreateObject =
      excel::CreateObject;

  std::string ExcelVersion;
  // Days covered by the timeline: project start to finish on the week sheet, whole weeks
  // from SheetStartDate on the day sheet.
  int DayCount = 0;
  DaySerial ProjectStart = 0;
  DaySerial SheetStartDate = 0;
  int DateColumn = 4;
  int LastColumn = 5;

  // WeekColumnIndex over the conversion's WeekKeys, built when the week columns are.
  WeekColumnLookup WeekLookup;

  // The swatch tags, split before the task rows.
  std::optional<GanttSwatches> swatches;
  // The baseline pair the bar step read last; shown by the week sheet's error report.
  std::string TaskBaselineStartDate;
  std::string TaskBaselineFinishDate;

  GanttLoopState loop;

  // The week writer keeps the step it is in for its error report; the day writer keeps no
  // markers.
  void Mark(const char* marker) {
    if (timeline == GanttTimeline::Week) conv.ErrorPosition = marker;
  }

  excel::Worksheet& Sheet() { return *conv.Sheet; }
  excel::Range Cells(long row, long column) { return conv.Sheet->Cells(row, column); }
  excel::Range Block(long row1, long column1, long row2, long column2) {
    return conv.Sheet->Range(conv.Sheet->Cells(row1, column1), conv.Sheet->Cells(row2, column2));
  }
  // Points CurrentRange at a block, for the format operation that follows.
  const excel::Range& PointAt(long row1, long column1, long row2, long column2) {
    conv.CurrentRange = Block(row1, column1, row2, column2);
    return conv.CurrentRange;
  }
};

}  // namespace taskvane
