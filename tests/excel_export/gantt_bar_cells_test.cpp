#include <gtest/gtest.h>

#include "excel_export/gantt_timeline.h"
#include "tests/excel_export/gantt_fixture.h"

namespace taskvane::testing {
namespace {

using excel::CellValue;

class GanttBarTest : public GanttTest {
 protected:
  GanttBarTest() { frmMain.optRealAndPlan.Value = true; }

  long Shapes() { return sheet().Shapes.Count(); }
  const excel::Shape& Shape(long i) { return sheet().Shapes(i); }
  // Timeline columns of `row` that carry a fill pattern.
  std::vector<long> FilledColumns(long row) {
    std::vector<long> columns;
    for (long c = 1; c < gantt().DateColumn; ++c) {
      if (Pattern(row, c) != excel::xlNone) columns.push_back(c);
    }
    return columns;
  }
};

TEST_F(GanttBarTest, WeekRectangleExampleAndColoursByPercentComplete) {
  Project("2024-03-04", "2024-04-12");
  Task("A", 1, "2024-03-04", "2024-03-08");
  Task("B", 1, "2024-03-04", "2024-03-08").PercentComplete(40);
  Task("C", 1, "2024-03-18", "2024-04-05").PercentComplete(100);
  ASSERT_TRUE(Write(GanttTimeline::Week));
  ASSERT_EQ(Shapes(), 2);  // nothing for the task at 0 %

  const excel::Shape& in_progress = Shape(1);
  EXPECT_EQ(in_progress.Fill.ForeColor.SchemeColor, 14);  // slot 4 "25,14"
  EXPECT_DOUBLE_EQ(in_progress.Left(), 420.75);
  EXPECT_NEAR(in_progress.Width(), 36 * 0.4, 1e-4);

  const excel::Shape& done = Shape(2);
  EXPECT_EQ(done.Type(), excel::msoShapeRectangle);
  EXPECT_EQ(done.Fill.ForeColor.SchemeColor, 12);  // slot 3 "14,12"
  EXPECT_TRUE(done.Fill.Visible);
  EXPECT_DOUBLE_EQ(done.Left(), 492.75);
  EXPECT_DOUBLE_EQ(done.Width(), 108);
  EXPECT_DOUBLE_EQ(done.Height(), 7);
  // Drawn at 89.75 pt, 3.5 pt into row 7; it stays there when the rows are fitted later.
  EXPECT_EQ(done.Data().from.row, 7);
  EXPECT_DOUBLE_EQ(done.Data().from.row_offset, 3.5);
  EXPECT_DOUBLE_EQ(done.Top(), sheet().Model().RowTop(7) + 3.5);
}

TEST_F(GanttBarTest, DayRectangleExampleUsesTheActualStart) {
  Project("2024-03-03", "2024-03-16");
  Task("A", 1, "2024-03-03", "2024-03-05");
  Task("B", 1, "2024-03-05", "2024-03-11").ActualStart("2024-03-06 08:00").PercentComplete(50);
  ASSERT_TRUE(Write(GanttTimeline::Day));
  ASSERT_EQ(Shapes(), 1);
  EXPECT_DOUBLE_EQ(Shape(1).Left(), 477);
  EXPECT_DOUBLE_EQ(Shape(1).Width(), 56.25);
  EXPECT_EQ(Shape(1).Data().from.row, 6);
  EXPECT_DOUBLE_EQ(Shape(1).Data().from.row_offset, 3.5);
}

TEST_F(GanttBarTest, DayRectangleAtDayHundredStartsAtItsColumn) {
  const DaySerial sunday = DateSerial(2024, 1, 7);
  Project(FormatDate(sunday), FormatDate(sunday + 125));
  Task("A", 1, FormatDate(sunday + 99), FormatDate(sunday + 104)).PercentComplete(100);
  ASSERT_TRUE(Write(GanttTimeline::Day));
  ASSERT_EQ(Shapes(), 1);
  const double column_left = sheet().Model().ColumnLeft(100 + kTimelineColumnOffset);
  EXPECT_NEAR(Shape(1).Left(), column_left, 0.01);
  EXPECT_NEAR(Shape(1).Left() + Shape(1).Width(),
              sheet().Model().ColumnLeft(106 + kTimelineColumnOffset), 0.01);  // days 100 to 105
}

TEST_F(GanttBarTest, BaselineCellsTakeTheSwatchPatternAndColour) {
  frmMain.picColorSet(1).Tag = "10,-4162";
  frmMain.picColorSet(2).Tag = "17,3";
  Project("2024-03-04", "2024-04-12");
  Task("A", 1, "2024-03-18", "2024-03-29")
      .Duration(10 * 480)
      .Baseline(0, "2024-03-11 08:00", "2024-03-22 17:00");
  ChooseField(188743709, "기간");
  ASSERT_TRUE(Write(GanttTimeline::Week));
  EXPECT_EQ(FilledColumns(5), (std::vector<long>{5, 6}));
  EXPECT_EQ(Pattern(5, 5), -4162);
  EXPECT_EQ(sheet().Cells(5, 6).Interior.ColorIndex, 3);
  EXPECT_EQ(Shapes(), 0);  // 0 %: no rectangle
  // Date and field cells are written all the same.
  EXPECT_EQ(At(5, gantt().DateColumn), CellValue::Date(DateSerial(2024, 3, 18)));
  EXPECT_EQ(At(5, gantt().DateColumn + 1), CellValue::Date(DateSerial(2024, 3, 29)));
  EXPECT_EQ(At(5, gantt().DateColumn + 2), "10일");
}

TEST_F(GanttBarTest, MissingBaselineFillsNothingButDrawsAndWrites) {
  Project("2024-03-04", "2024-04-12");
  Task("A", 1, "2024-03-18", "2024-03-29").PercentComplete(30);
  Task("B", 1, "2024-03-18", "2024-03-29").Baseline(0, "2024-03-11 08:00", "");
  for (GanttTimeline kind : {GanttTimeline::Week, GanttTimeline::Day}) {
    ASSERT_TRUE(Write(kind));
    EXPECT_TRUE(FilledColumns(5).empty());
    EXPECT_TRUE(FilledColumns(6).empty());
    EXPECT_EQ(Shapes(), 1);
    EXPECT_EQ(At(6, gantt().DateColumn), CellValue::Date(DateSerial(2024, 3, 18)));
  }
}

TEST_F(GanttBarTest, BaselineListChoosesAmongElevenBaselines) {
  Project("2024-01-08", "2024-03-29");  // twelve weeks from a Monday
  project::TaskBuilder& task = Task("A", 1, "2024-01-08", "2024-01-12");
  for (int n = 0; n <= 10; ++n) {
    // Baseline n lies in week n + 1.
    const DaySerial monday = DateSerial(2024, 1, 8) + 7 * n;
    task.Baseline(n, FormatDate(monday) + " 08:00", FormatDate(monday + 4) + " 17:00");
  }
  for (int n = 0; n <= 10; ++n) {
    const std::string entry = n == 0 ? "초기계획" : "초기계획" + std::to_string(n);
    ASSERT_TRUE(frmMain.cmbBaseline.SelectText(entry));
    ASSERT_TRUE(Write(GanttTimeline::Week));
    EXPECT_EQ(FilledColumns(5), std::vector<long>{n + 1 + kTimelineColumnOffset}) << entry;
  }
}

TEST_F(GanttBarTest, ActualOnlyFillsTheTaskSpanAndDrawsNothing) {
  frmMain.optRealOnly.Value = true;
  Project("2024-03-04", "2024-04-12");
  Task("A", 1, "2024-03-13", "2024-03-26").PercentComplete(50);
  schedule.AddTask("Undated", 1).Finish("2024-03-26 17:00").PercentComplete(100);
  for (GanttTimeline kind : {GanttTimeline::Week, GanttTimeline::Day}) {
    ASSERT_TRUE(Write(kind));
    EXPECT_EQ(Shapes(), 0);
    const std::vector<long> filled = FilledColumns(5);
    if (kind == GanttTimeline::Week) {
      EXPECT_EQ(filled, (std::vector<long>{5, 6, 7}));
    } else {
      ASSERT_EQ(filled.size(), 14u);  // 13 to 26 March; the sheet starts on Sunday 3 March
      EXPECT_EQ(filled.front(), 11 + kTimelineColumnOffset);
    }
    // A task without a start: no cells, but its dates as the schedule shows them.
    EXPECT_TRUE(FilledColumns(6).empty());
    EXPECT_EQ(At(6, gantt().DateColumn), kNA);
    EXPECT_EQ(At(6, gantt().DateColumn + 1), CellValue::Date(DateSerial(2024, 3, 26)));
  }
}

TEST_F(GanttBarTest, SpansLeavingTheTimeline) {
  Project("2024-03-04", "2024-04-12");
  // Baseline from before the first column: cut at column D.
  Task("A", 1, "2024-03-04", "2024-03-08").Baseline(0, "2024-02-19 08:00", "2024-03-12 17:00");
  // Baseline wholly before the first column: nothing.
  Task("B", 1, "2024-03-04", "2024-03-08").Baseline(0, "2024-02-12 08:00", "2024-02-16 17:00");
  // Baseline after the sheet's end: the day sheet stops at its last column.
  Task("C", 1, "2024-04-08", "2024-04-12").Baseline(0, "2024-04-08 08:00", "2024-05-03 17:00");
  ASSERT_TRUE(Write(GanttTimeline::Week));
  EXPECT_EQ(FilledColumns(5), (std::vector<long>{4, 5}));
  EXPECT_TRUE(FilledColumns(6).empty());
  ASSERT_TRUE(Write(GanttTimeline::Day));
  EXPECT_EQ(FilledColumns(5).front(), 4);
  EXPECT_TRUE(FilledColumns(6).empty());
  EXPECT_EQ(FilledColumns(7).back(), gantt().DayCount + kTimelineColumnOffset);
  EXPECT_EQ(FilledColumns(7).front(), DayIndex("2024-04-08", gantt().SheetStartDate) + 3);
}

}  // namespace
}  // namespace taskvane::testing
