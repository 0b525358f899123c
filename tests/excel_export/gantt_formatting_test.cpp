#include <gtest/gtest.h>

#include "tests/excel_export/gantt_fixture.h"

namespace taskvane::testing {
namespace {

using excel::Area;
using excel::xlCenter;
using excel::xlColorIndexAutomatic;
using excel::xlContinuous;
using excel::xlEdgeBottom;
using excel::xlEdgeLeft;
using excel::xlEdgeRight;
using excel::xlEdgeTop;
using excel::xlHairline;
using excel::xlNone;
using excel::xlThin;

class GanttFormattingTest : public GanttTest {
 protected:
  bool Merged(const Area& area) {
    const auto& merges = sheet().Model().Merges();
    return std::find(merges.begin(), merges.end(), area) != merges.end();
  }
  long Weight(long row, long column, long index) {
    return sheet().Cells(row, column).Borders(index).Weight;
  }
};

TEST_F(GanttFormattingTest, HeadersTitleAndProjectName) {
  Project("2024-03-04", "2024-03-22");
  Task("A", 1, "2024-03-04", "2024-03-08");
  ChooseField(188743709, "기간");
  ChooseField(188743712, "완료율");
  ASSERT_TRUE(Write(GanttTimeline::Week));
  const long D = gantt().DateColumn;  // 7
  const long last = gantt().LastColumn;
  ASSERT_EQ(last, 10);
  for (long c : {1L, 2L, 3L, D, D + 1, D + 2, D + 3}) {
    EXPECT_TRUE(Merged(Area{3, c, 4, c})) << c;
  }
  EXPECT_FALSE(Merged(Area{3, 4, 4, 4}));  // week columns keep their two header cells
  EXPECT_TRUE(Merged(Area{1, 1, 1, last}));
  EXPECT_EQ(At(1, 1), "전체 일정표");
  EXPECT_EQ(sheet().Cells(1, 1).Font.Size, 14);
  EXPECT_TRUE(sheet().Cells(2, 1).Font.Bold);
  EXPECT_EQ(sheet().Cells(5, 3).Font.Size, 8);
  EXPECT_EQ(sheet().Cells(4, last).Interior.ColorIndex, 36);  // the header look
  EXPECT_EQ(sheet().Cells(5, D).HorizontalAlignment, xlCenter);
  EXPECT_TRUE(sheet().Cells(5, 3).WrapText);
}

TEST_F(GanttFormattingTest, TimelineAndDateBlockBorders) {
  Project("2024-03-04", "2024-03-22");
  Task("A", 1, "2024-03-04", "2024-03-08");
  Task("B", 1, "2024-03-04", "2024-03-08");
  ASSERT_TRUE(Write(GanttTimeline::Week));
  // Hairlines between the week columns, a thin frame around the timeline.
  EXPECT_EQ(Weight(5, 4, xlEdgeRight), xlHairline);
  EXPECT_EQ(Weight(5, 4, xlEdgeLeft), xlThin);
  EXPECT_EQ(Weight(6, 6, xlEdgeRight), xlThin);
  EXPECT_EQ(Weight(5, 5, xlEdgeTop), xlThin);
  EXPECT_EQ(Weight(6, 5, xlEdgeBottom), xlThin);
  // Thin lines between the date and field columns.
  EXPECT_EQ(Weight(5, gantt().DateColumn, xlEdgeRight), xlThin);
}

TEST_F(GanttFormattingTest, IndentedRowsGetAHairlineOnTop) {
  Project("2024-03-04", "2024-03-22");
  schedule.AddTask("L1", 1).Summary();
  schedule.AddTask("L2", 2).Summary();
  schedule.AddTask("L3", 3).Summary().Start("2024-03-04 08:00").Finish("2024-03-08 17:00");
  Task("L4", 4, "2024-03-04", "2024-03-08");
  ASSERT_TRUE(Write(GanttTimeline::Week));
  ASSERT_EQ(sheet().Cells(6, 3).IndentLevel, 2);
  EXPECT_EQ(Weight(6, 3, xlEdgeTop), xlHairline);
  EXPECT_EQ(Weight(6, gantt().LastColumn, xlEdgeTop), xlHairline);
  EXPECT_EQ(EdgeColour(6, 2, xlEdgeTop), 2);  // column B keeps its white row line
}

TEST_F(GanttFormattingTest, DaySheetSeparatesWeeksAndShowsDates) {
  Project("2024-03-06", "2024-03-14");
  Task("A", 1, "2024-03-06", "2024-03-14");
  ASSERT_TRUE(Write(GanttTimeline::Day));
  // Days 1 to 7 framed thin; inside each week hairlines.
  EXPECT_EQ(Weight(5, 10, xlEdgeRight), xlThin);
  EXPECT_EQ(Weight(5, 9, xlEdgeRight), xlHairline);
  EXPECT_EQ(Weight(5, 16, xlEdgeRight), xlHairline);
  EXPECT_EQ(Weight(5, 17, xlEdgeRight), xlThin);  // the timeline's own right edge
  EXPECT_EQ(sheet().Cells(3, 11).NumberFormatLocal.get(), "yyyy\"년\" mm\"월\" dd\"일\";@");
  EXPECT_EQ(sheet().Cells(4, 11).NumberFormatLocal.get(), "@");
}

TEST_F(GanttFormattingTest, OpenGroupsAreClosedAtTheEnd) {
  Project("2024-03-04", "2024-03-22");
  schedule.AddTask("P", 1).Summary();
  schedule.AddTask("Q", 2).Summary();
  Task("T1", 3, "2024-03-04", "2024-03-08");
  Task("T2", 3, "2024-03-04", "2024-03-08");
  ASSERT_TRUE(Write(GanttTimeline::Week));
  // Columns A and B: one framed cell area with white row lines.
  EXPECT_EQ(EdgeColour(5, 1, xlEdgeBottom), 2);
  EXPECT_EQ(EdgeColour(6, 1, xlEdgeBottom), xlColorIndexAutomatic);
  EXPECT_EQ(Edge(6, 1, xlEdgeBottom), xlContinuous);
  EXPECT_EQ(EdgeColour(5, 2, xlEdgeBottom), 2);
  // Column C's last group, framed from C to the date column.
  EXPECT_EQ(Edge(6, 3, xlEdgeBottom), xlContinuous);
  EXPECT_EQ(Edge(6, 3, xlEdgeTop), xlContinuous);
}

TEST_F(GanttFormattingTest, NoRowsWrittenLeavesLastDataRowAtFour) {
  frmMain.cmbStartOutlineforExcel.SelectText("2");
  Project("2024-03-04", "2024-03-22");
  Task("A", 1, "2024-03-04", "2024-03-08");
  Task("B", 1, "2024-03-11", "2024-03-15");
  ASSERT_TRUE(Write(GanttTimeline::Week));
  EXPECT_EQ(gantt().loop.next_row, 5);
  EXPECT_TRUE(At(5, 1).IsEmpty());
  // The closing blocks reach from row 5 back to row 4.
  EXPECT_EQ(Edge(5, 1, xlEdgeBottom), xlContinuous);
  EXPECT_TRUE(Merged(Area{3, 1, 4, 1}));
  EXPECT_EQ(sheet().Shapes.Count(), 0);
}

}  // namespace
}  // namespace taskvane::testing
