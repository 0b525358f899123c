// The grouping of the task table: which cells merge and what text they keep.
#include <gtest/gtest.h>

#include "tests/ppt_report/report_fixture.h"

namespace taskvane::testing {
namespace {

using Grid = std::vector<std::vector<std::string>>;
using Row = std::vector<std::string>;
using Area = ppt::CellArea;

class MergeTaskTableTest : public WeeklyReportTest {
 protected:
  // Rows 2.. of the names columns 1 to 3 of a slide's task table ("~" for covered cells).
  Grid NameColumns(int slide = 1) const {
    Grid rows;
    const Grid all = CellTexts(TaskTable(slide));
    for (std::size_t r = 1; r < all.size(); ++r) rows.push_back({all[r][0], all[r][1], all[r][2]});
    return rows;
  }
  Area AreaOf(int row, int column, int slide = 1) const {
    return TaskTable(slide).Cell(row, column).Area();
  }
};

TEST_F(MergeTaskTableTest, NoDataRowsLeavesTheHeader) {
  Work("Later", 1, "2024-04-01", "2024-04-02");
  Run();
  const Grid grid = CellTexts(TaskTable());
  ASSERT_EQ(grid.size(), 1u);
  EXPECT_EQ(grid[0], (Row{"Level 1 (Phase)", "Level 2 (Task)", "Level 3 (Activity)", "완료예정일",
                          "계획진척율", "실적진척율"}));
}

// A single data row shows its names without the numbering and spans the columns a lone
// row of a longer table would: a level-1 task columns 1 to 3 (slide 1), a level-2 task
// without sub-tasks columns 2 and 3 (slide 2).
TEST_F(MergeTaskTableTest, LoneDataRowShowsTheBareNames) {
  Work("Kickoff", 1, "2024-03-04", "2024-03-05");
  Summary("P", 1, "2024-03-11", "2024-03-15");
  Work("Q", 2, "2024-03-11", "2024-03-15");
  Run();
  EXPECT_EQ(NameColumns(1), (Grid{{"Kickoff", "~", "~"}}));
  EXPECT_EQ(AreaOf(2, 1, 1), (Area{2, 1, 1, 3}));
  EXPECT_EQ(NameColumns(2), (Grid{{"P", "Q", "~"}}));
  EXPECT_EQ(AreaOf(2, 1, 2), (Area{2, 1, 1, 1}));
  EXPECT_EQ(AreaOf(2, 2, 2), (Area{2, 2, 1, 2}));
}

TEST_F(MergeTaskTableTest, LoneLevel3RowKeepsItsThreeCells) {
  Summary("P1", 1, "2024-03-04", "2024-03-08");
  Summary("S1", 2, "2024-03-04", "2024-03-08");
  Work("a.1", 3, "2024-03-04", "2024-03-08");
  Run();
  EXPECT_EQ(NameColumns(), (Grid{{"P1", "S1", "a.1"}}));
  for (int c = 1; c <= 6; ++c) EXPECT_EQ(AreaOf(2, c), (Area{2, c, 1, 1})) << c;
}

TEST_F(MergeTaskTableTest, ThreeLevel3RowsThenALoneLevel2Row) {
  Summary("P1", 1, "2024-03-04", "2024-03-08");
  Summary("S1", 2, "2024-03-04", "2024-03-07");
  Work("a", 3, "2024-03-04", "2024-03-05");
  Work("b", 3, "2024-03-05", "2024-03-06");
  Work("c", 3, "2024-03-06", "2024-03-07").PercentComplete(30);
  Work("S2", 2, "2024-03-07", "2024-03-08");
  Run();
  EXPECT_EQ(NameColumns(),
            (Grid{{"P1", "S1", "a\rb\rc"}, {"~", "~", "~"}, {"~", "~", "~"}, {"~", "S2", "~"}}));
  // Each column of the group is merged on its own, over the same three rows.
  EXPECT_EQ(AreaOf(2, 1), (Area{2, 1, 4, 1}));
  for (int c = 2; c <= 6; ++c) EXPECT_EQ(AreaOf(2, c), (Area{2, c, 3, 1})) << c;
  EXPECT_EQ(Text(TaskTable(), 2, 4), "03/05\r03/06\r03/07");
  EXPECT_EQ(Text(TaskTable(), 2, 6), "0%\r0%\r30%");
  // The lone level-2 row spans columns 2 and 3.
  EXPECT_EQ(AreaOf(5, 2), (Area{5, 2, 1, 2}));
  EXPECT_EQ(AreaOf(5, 4), (Area{5, 4, 1, 1}));
}

TEST_F(MergeTaskTableTest, GroupAtTheEndKeepsItsLevel3ColumnAndDottedNamesStayWhole) {
  Summary("v1.2 Release", 1, "2024-03-04", "2024-03-08");
  Summary("API v2.0", 2, "2024-03-04", "2024-03-08");
  Work("Draft 1.1", 3, "2024-03-04", "2024-03-05");
  Work("Draft 1.2", 3, "2024-03-06", "2024-03-08");
  Run();
  EXPECT_EQ(NameColumns(),
            (Grid{{"v1.2 Release", "API v2.0", "Draft 1.1\rDraft 1.2"}, {"~", "~", "~"}}));
  EXPECT_EQ(AreaOf(2, 1), (Area{2, 1, 2, 1}));
  EXPECT_EQ(AreaOf(2, 2), (Area{2, 2, 2, 1}));
  EXPECT_EQ(AreaOf(2, 3), (Area{2, 3, 2, 1}));
}

TEST_F(MergeTaskTableTest, LoneLevel1RowsAtTheTopAndInTheMiddle) {
  Work("Kickoff", 1, "2024-03-04", "2024-03-04", 480);
  Summary("P", 1, "2024-03-04", "2024-03-08");
  Work("x", 2, "2024-03-04", "2024-03-05");
  Work("y", 2, "2024-03-06", "2024-03-07");
  Work("Review", 1, "2024-03-08", "2024-03-08", 480);
  Summary("Q", 1, "2024-03-04", "2024-03-08");
  Work("z", 2, "2024-03-04", "2024-03-08");
  Run();
  EXPECT_EQ(NameColumns(), (Grid{{"Kickoff", "~", "~"},
                                 {"P", "x", "~"},
                                 {"~", "y", "~"},
                                 {"Review", "~", "~"},
                                 {"Q", "z", "~"}}));
  EXPECT_EQ(AreaOf(2, 1), (Area{2, 1, 1, 3}));
  EXPECT_EQ(AreaOf(3, 1), (Area{3, 1, 2, 1}));
  EXPECT_EQ(AreaOf(3, 2), (Area{3, 2, 1, 2}));
  EXPECT_EQ(AreaOf(5, 1), (Area{5, 1, 1, 3}));
  EXPECT_EQ(AreaOf(6, 1), (Area{6, 1, 1, 1}));
  EXPECT_EQ(AreaOf(6, 2), (Area{6, 2, 1, 2}));
}

TEST_F(MergeTaskTableTest, EqualNamesFormSeparateGroups) {
  Summary("P1", 1, "2024-03-04", "2024-03-08");
  Summary("Same", 2, "2024-03-04", "2024-03-05");
  Work("a", 3, "2024-03-04", "2024-03-05");
  Work("Same", 2, "2024-03-06", "2024-03-07");
  Summary("P2", 1, "2024-03-04", "2024-03-08");
  Summary("Same", 2, "2024-03-04", "2024-03-08");
  Work("b", 3, "2024-03-04", "2024-03-08");
  Run();
  EXPECT_EQ(NameColumns(), (Grid{{"P1", "Same", "a"}, {"~", "Same", "~"}, {"P2", "Same", "b"}}));
  EXPECT_EQ(AreaOf(2, 2), (Area{2, 2, 1, 1}));
  EXPECT_EQ(AreaOf(3, 2), (Area{3, 2, 1, 2}));
  EXPECT_EQ(AreaOf(2, 1), (Area{2, 1, 2, 1}));
}

}  // namespace
}  // namespace taskvane::testing
