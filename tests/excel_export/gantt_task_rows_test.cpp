#include <gtest/gtest.h>

#include "excel_export/gantt_task_rows.h"
#include "tests/excel_export/gantt_fixture.h"

namespace taskvane::testing {
namespace {

using excel::xlColorIndexAutomatic;
using excel::xlContinuous;
using excel::xlEdgeBottom;
using excel::xlEdgeLeft;
using excel::xlEdgeRight;
using excel::xlEdgeTop;
using excel::xlNone;

constexpr int kLast = 8;  // LastColumn of the sheets below

// Places the tasks of the built schedule one by one on an empty sheet, so that each
// step's rows and borders can be looked at.
class GanttPlacementTest : public GanttTest {
 protected:
  void Start() {
    GanttSheet& g = Gantt(GanttTimeline::Week);
    document_ = schedule.Build();
    conv().Workbook = g.CreateObject("Excel.Sheet");
    conv().Sheet = &conv().Workbook->Sheets(1);
    g.DateColumn = kLast - 1;
    g.LastColumn = kLast;
  }
  GanttPlacement Place(int id) { return PlaceTask(gantt(), *document_->Tasks().Item(id)); }
  int NextRow() { return gantt().loop.next_row; }

  // The schedule of the outline example: P1, P2, T1, T2, Q1, Q2, T3.
  void OutlineExample() {
    schedule.AddTask("P1", 1).Summary();
    schedule.AddTask("P2", 2).Summary();
    schedule.AddTask("T1", 3);
    schedule.AddTask("T2", 3);
    schedule.AddTask("Q1", 1).Summary();
    schedule.AddTask("Q2", 2).Summary();
    schedule.AddTask("T3", 3);
  }
  bool Framed(long row1, long column1, long row2, long column2) {
    return Edge(row1, column1, xlEdgeTop) == xlContinuous &&
           Edge(row2, column2, xlEdgeBottom) == xlContinuous &&
           Edge(row1, column1, xlEdgeLeft) == xlContinuous &&
           Edge(row2, column2, xlEdgeRight) == xlContinuous;
  }

 private:
  std::shared_ptr<project::Project> document_;
};

TEST_F(GanttPlacementTest, OutlineExampleFromLevelOne) {
  OutlineExample();
  Start();
  EXPECT_FALSE(Place(1).own_row);  // P1 shares its row with its first child
  EXPECT_FALSE(Place(2).own_row);
  EXPECT_TRUE(Place(3).own_row);
  EXPECT_EQ(NextRow(), 6);
  EXPECT_EQ(Edge(5, 3, xlEdgeTop), xlNone);  // nothing closed yet

  Place(4);  // T2 closes the column-C group of row 5
  EXPECT_TRUE(Framed(5, 3, 5, kLast));
  EXPECT_EQ(Edge(5, 1, xlEdgeTop), xlNone);  // columns A and B stay open
  EXPECT_EQ(Edge(5, 2, xlEdgeBottom), xlNone);
  EXPECT_EQ(NextRow(), 7);

  Place(5);  // Q1 closes the column-A group of rows 5 and 6
  EXPECT_TRUE(Framed(5, 1, 6, kLast));
  EXPECT_TRUE(Framed(5, 1, 6, 1));
  EXPECT_EQ(Edge(5, 1, xlEdgeBottom), xlContinuous);  // the joined rows' white line
  EXPECT_EQ(EdgeColour(5, 1, xlEdgeBottom), 2);
  EXPECT_EQ(EdgeColour(6, 1, xlEdgeBottom), xlColorIndexAutomatic);
  EXPECT_EQ(Edge(5, 2, xlEdgeTop), xlContinuous);  // the frame of A5:H6 runs past B
  EXPECT_EQ(Edge(5, 2, xlEdgeBottom), xlNone);     // but column B is not joined yet

  Place(6);  // Q2 closes the column-B group
  EXPECT_TRUE(Framed(5, 2, 6, 2));
  EXPECT_EQ(EdgeColour(5, 2, xlEdgeBottom), 2);
  Place(7);  // T3 closes the column-C group of row 6
  EXPECT_TRUE(Framed(6, 3, 6, 3));
  EXPECT_EQ(NextRow(), 8);

  EXPECT_EQ(At(5, 1), "P1");
  EXPECT_EQ(At(5, 2), "P2");
  EXPECT_EQ(At(5, 3), "T1");
  EXPECT_EQ(At(6, 3), "T2");
  EXPECT_EQ(At(7, 1), "Q1");
  EXPECT_EQ(At(7, 2), "Q2");
  EXPECT_EQ(At(7, 3), "T3");
  EXPECT_TRUE(At(6, 1).IsEmpty());
  EXPECT_EQ(gantt().loop.group_start_row, (std::array<int, 3>{7, 7, 7}));
}

TEST_F(GanttPlacementTest, OutlineExampleFromLevelTwo) {
  frmMain.cmbStartOutlineforExcel.SelectText("2");
  OutlineExample();
  Start();
  const GanttPlacement p1 = Place(1);
  EXPECT_EQ(p1.level, GanttLevel::Above);
  EXPECT_EQ(NextRow(), 5);
  for (int id = 2; id <= 7; ++id) Place(id);
  EXPECT_EQ(At(5, 1), "P2");
  EXPECT_EQ(At(5, 2), "T1");
  EXPECT_EQ(At(6, 2), "T2");
  EXPECT_EQ(At(7, 1), "Q2");
  EXPECT_EQ(At(7, 2), "T3");
  for (int row = 5; row <= 7; ++row) EXPECT_TRUE(At(row, 3).IsEmpty());
  EXPECT_TRUE(Framed(5, 1, 6, 1));
  EXPECT_TRUE(Framed(5, 2, 5, 2));
  EXPECT_EQ(NextRow(), 8);
}

TEST_F(GanttPlacementTest, TopLevelTaskAndInsertedProjectTakeTheirOwnRows) {
  schedule.AddTask("Phase", 1).Summary();
  schedule.AddTask("Step", 2);
  schedule.AddTask("Milestone", 1);  // not a summary: own row, only column A
  schedule.AddTask("Inserted", 1).Summary().Subproject("/plans/sub.xml");
  schedule.AddTask("Its first task", 2);
  Start();
  Place(1);
  Place(2);
  EXPECT_EQ(Place(3).own_row, true);
  EXPECT_EQ(At(6, 1), "Milestone");
  EXPECT_EQ(gantt().loop.group_start_row[1], 5);  // the column-B group is left open
  EXPECT_EQ(Place(4).own_row, true);
  Place(5);
  EXPECT_EQ(At(7, 1), "Inserted");
  EXPECT_EQ(At(8, 2), "Its first task");
  EXPECT_EQ(*gantt().loop.bar_row, 8);
}

TEST_F(GanttPlacementTest, DeeperLevelsAreIndentedInColumnC) {
  for (int level = 1; level <= 6; ++level) {
    schedule.AddTask("L" + std::to_string(level), level).Summary(level < 6);
  }
  Start();
  for (int id = 1; id <= 6; ++id) Place(id);
  EXPECT_EQ(At(5, 3), "L3");
  EXPECT_EQ(sheet().Cells(5, 3).IndentLevel, 0);
  EXPECT_EQ(At(6, 3), "L4");
  EXPECT_EQ(sheet().Cells(6, 3).IndentLevel, 2);
  EXPECT_EQ(sheet().Cells(7, 3).IndentLevel, 4);
  EXPECT_EQ(At(8, 3), "L6");
  EXPECT_EQ(sheet().Cells(8, 3).IndentLevel, 6);
  EXPECT_EQ(NextRow(), 9);
}

}  // namespace
}  // namespace taskvane::testing
