#include "excel_export/gantt_bars.h"

#include <algorithm>
#include <optional>
#include <string>

#include "console/main_window_controls.h"
#include "excel_export/gantt_geometry.h"
#include "excel_export/gantt_sheet.h"
#include "excel_export/gantt_task_rows.h"
#include "excel_export/gantt_timeline.h"
#include "excel_export/listing_fields.h"
#include "excel_export/row_texts.h"
#include "platform/excel/constants.h"
#include "platform/project/project.h"

namespace taskvane {
namespace {

constexpr long kStartFieldId = 188743715;
constexpr long kFinishFieldId = 188743716;

// The dates of one bar and their timeline indexes. An index is missing only on the day
// sheet, for a date that is not defined (it has no day).
struct BarDates {
  std::string Start, Finish, ActualStart, ActualFinish;
  std::optional<int> sIdx, fIdx, bsIdx, bfIdx, rIdx1, rIdx2;
};

// Decides whether the task gets a bar, setting the markers of the decision.
bool TaskGetsBar(GanttSheet& gantt, const GanttPlacement& placement) {
  gantt.Mark("11");
  switch (placement.level) {
    case GanttLevel::Stage:
      gantt.Mark("111");
      break;
    case GanttLevel::Task:
      gantt.Mark("112");
      break;
    case GanttLevel::Process:
      gantt.Mark("113");
      return true;
    case GanttLevel::Deeper:
      gantt.Mark("114");
      return true;
    case GanttLevel::Above:
      gantt.Mark("115");
      return false;
  }
  if (placement.own_row) return true;
  gantt.Mark("12");
  return false;
}

// The baseline pair that cmbBaseline names; with any other text the pair read last stays.
void ReadBaselinePair(GanttSheet& gantt, const project::Task& task) {
  const std::optional<int> n = BaselineNumber(gantt.conv.frmMain.cmbBaseline.Text.get());
  if (!n) return;
  if (*n == 0) {
    gantt.TaskBaselineStartDate = task.BaselineStart();
    gantt.TaskBaselineFinishDate = task.BaselineFinish();
  } else {
    gantt.TaskBaselineStartDate = task.BaselineNStart(*n);
    gantt.TaskBaselineFinishDate = task.BaselineNFinish(*n);
  }
}

int WeekIndex(const GanttSheet& gantt, const std::string& date_text) {
  return gantt.WeekLookup.Index(date_text, gantt.conv.frmMain.NotAvailableText);
}

std::optional<int> DayIndexOfDefined(const GanttSheet& gantt, const std::string& date_text) {
  if (date_text == gantt.conv.frmMain.NotAvailableText) return std::nullopt;
  return DayIndex(date_text, gantt.SheetStartDate);
}

void ComputeWeekIndexes(GanttSheet& gantt, BarDates& dates) {
  gantt.Mark("1204");
  dates.sIdx = WeekIndex(gantt, dates.Start);
  dates.fIdx = WeekIndex(gantt, dates.Finish);
  gantt.Mark("1205");
  dates.bsIdx = WeekIndex(gantt, gantt.TaskBaselineStartDate);
  dates.bfIdx = WeekIndex(gantt, gantt.TaskBaselineFinishDate);
  dates.rIdx1 = dates.sIdx;
  dates.rIdx2 = dates.fIdx;
}

void ComputeDayIndexes(GanttSheet& gantt, BarDates& dates) {
  dates.sIdx = DayIndexOfDefined(gantt, dates.Start);
  dates.fIdx = DayIndexOfDefined(gantt, dates.Finish);
  dates.bsIdx = DayIndexOfDefined(gantt, gantt.TaskBaselineStartDate);
  if (dates.bsIdx) dates.bsIdx = std::min(*dates.bsIdx, gantt.DayCount);
  dates.bfIdx = DayIndexOfDefined(gantt, gantt.TaskBaselineFinishDate);
  if (dates.bfIdx) dates.bfIdx = std::min(*dates.bfIdx, gantt.DayCount);
  const std::optional<int> actual_start = DayIndexOfDefined(gantt, dates.ActualStart);
  const std::optional<int> actual_finish = DayIndexOfDefined(gantt, dates.ActualFinish);
  dates.rIdx1 = actual_start ? actual_start : dates.sIdx;
  dates.rIdx2 = actual_finish ? actual_finish : dates.fIdx;
}

std::optional<TimelineSpan> SpanOf(const std::optional<int>& first,
                                   const std::optional<int>& last) {
  if (!first || !last) return std::nullopt;
  return ClipToTimeline(*first, *last);
}

// Fills the timeline cells of a span with the swatch pattern and colour, cell by cell.
void FillCells(GanttSheet& gantt, int row, const std::optional<TimelineSpan>& span) {
  if (!span) return;
  for (int k = span->first; k <= span->last; ++k) {
    excel::Range cell = gantt.Cells(row, k + kTimelineColumnOffset);
    cell.Interior.Pattern = gantt.swatches->CellPattern();
    cell.Interior.ColorIndex = gantt.swatches->CellColorIndex();
  }
}

void DrawProgressRectangle(GanttSheet& gantt, const project::Task& task, int row,
                           const std::optional<TimelineSpan>& span) {
  long colour = 0;
  double fraction = 0;
  if (task.PercentComplete() == 100) {
    colour = gantt.swatches->CompleteSchemeColor();
    fraction = 1;
  } else if (task.PercentComplete() > 0) {
    colour = gantt.swatches->InProgressSchemeColor();
    fraction = task.PercentComplete() * 0.01;
  } else {
    return;
  }
  if (!span) return;
  const double column_points =
      gantt.timeline == GanttTimeline::Week ? kWeekColumnPoints : kDayColumnPoints;
  const RectangleGeometry g = ProgressRectangleGeometry(*span, row, fraction, column_points);
  excel::Shape& shape =
      gantt.Sheet().Shapes.AddShape(excel::msoShapeRectangle, g.Left, g.Top, g.Width, g.Height);
  shape.Fill.ForeColor.SchemeColor = colour;
  shape.Fill.Visible = true;
  shape.Fill.Solid();
}

void WriteDateCells(GanttSheet& gantt, const project::Task& task, int row) {
  gantt.Cells(row, gantt.DateColumn).Value = task.GetField(kStartFieldId);
  gantt.Cells(row, gantt.DateColumn + 1).Value = task.GetField(kFinishFieldId);
}

void WriteFieldCells(GanttSheet& gantt, const project::Task& task, int row) {
  const forms::ListView& fields = gantt.conv.frmMain.lvwListingFields;
  for (int j = 1; j <= fields.Count(); ++j) {
    WriteRowText(gantt.conv, gantt.Cells(row, gantt.DateColumn + 1 + j),
                 task.GetField(ListingFieldId(fields.Item(j))));
  }
}

}  // namespace

void DrawTaskBar(GanttSheet& gantt, const project::Task& task, const GanttPlacement& placement) {
  if (!TaskGetsBar(gantt, placement)) return;
  const int row = *gantt.loop.bar_row;
  const std::string& NotAvailableText = gantt.conv.frmMain.NotAvailableText;
  const bool by_week = gantt.timeline == GanttTimeline::Week;

  BarDates dates;
  gantt.Mark("1201");
  dates.Start = task.Start();
  dates.Finish = task.Finish();
  if (!by_week) {
    dates.ActualStart = task.ActualStart();
    dates.ActualFinish = task.ActualFinish();
  }
  gantt.Mark("1203");
  ReadBaselinePair(gantt, task);
  if (by_week) {
    ComputeWeekIndexes(gantt, dates);
  } else {
    ComputeDayIndexes(gantt, dates);
  }

  gantt.Mark("1206");
  if (gantt.conv.frmMain.optRealAndPlan.Value) {
    gantt.Mark("1214");
    if (gantt.TaskBaselineStartDate == NotAvailableText ||
        gantt.TaskBaselineFinishDate == NotAvailableText) {
      gantt.Mark("1219");
      DrawProgressRectangle(gantt, task, row, SpanOf(dates.rIdx1, dates.rIdx2));
      gantt.Mark("1220");
      WriteDateCells(gantt, task, row);
      gantt.Mark("1221");
      WriteFieldCells(gantt, task, row);
    } else {
      gantt.Mark("1215");
      FillCells(gantt, row, SpanOf(dates.bsIdx, dates.bfIdx));
      gantt.Mark("1216");
      DrawProgressRectangle(gantt, task, row, SpanOf(dates.rIdx1, dates.rIdx2));
      gantt.Mark("1217");
      WriteDateCells(gantt, task, row);
      gantt.Mark("1218");
      WriteFieldCells(gantt, task, row);
    }
    return;
  }
  gantt.Mark("1207");
  if (dates.Start != NotAvailableText && dates.Finish != NotAvailableText) {
    gantt.Mark("1208");
    FillCells(gantt, row, SpanOf(dates.sIdx, dates.fIdx));
    gantt.Mark("1209");
    WriteDateCells(gantt, task, row);
    gantt.Mark("1210");
    WriteFieldCells(gantt, task, row);
  } else {
    // No span to fill: an undefined date has no place on the timeline.
    gantt.Mark("1211");
    gantt.Mark("1212");
    WriteDateCells(gantt, task, row);
    gantt.Mark("1213");
    WriteFieldCells(gantt, task, row);
  }
}

}  // namespace taskvane
