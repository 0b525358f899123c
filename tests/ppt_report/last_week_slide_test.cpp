// Slide 1: its tables, the task selection by level and period, the figures in the rows.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/ppt_report/report_fixture.h"

namespace taskvane::testing {
namespace {

using Grid = std::vector<std::vector<std::string>>;
using Row = std::vector<std::string>;

class LastWeekSlideTest : public WeeklyReportTest {};

void ExpectFramed(const ppt::Table& table, int row, int column) {
  for (int side : {ppt::ppBorderTop, ppt::ppBorderLeft, ppt::ppBorderBottom, ppt::ppBorderRight}) {
    EXPECT_EQ(table.GridBorderWeight(row, column, side), 1) << row << "," << column << " " << side;
  }
}

const ppt::Paragraph& Format(const ppt::Table& table, int row, int column) {
  return table.Cell(row, column).Body().paragraphs.front();
}

// Positions, widths and the caption strips are read back from the file in
// saved_presentation_test.cpp; here the formatting the file test does not see.
TEST_F(LastWeekSlideTest, TablesAndStatusTexts) {
  schedule.PercentComplete(45);
  Work("Build", 1, "2024-03-04", "2024-03-07", 1920).Work(1920).PercentComplete(45);
  Run();

  ASSERT_EQ(powerpoint->Presentations(1).Slides.Count, 2);
  ppt::Slide& slide = SlideAt(1);
  ASSERT_EQ(slide.Shapes.Count, 4);

  const ppt::Table& period = slide.Shapes(1).Table;
  EXPECT_EQ(CellTexts(period),
            (Grid{{"기간", "2024-03-04 ~ 2024-03-10", "계획진척율", "100%", "실적진척율", "45%"}}));
  for (int c = 1; c <= 6; ++c) {
    EXPECT_EQ(Format(period, 1, c).font_size, c == 4 ? 10 : 12) << c;
    EXPECT_EQ(Format(period, 1, c).alignment, ppt::ppAlignCenter);
    EXPECT_EQ(Format(period, 1, c).baseline_alignment, ppt::ppBaselineAlignCenter);
    ExpectFramed(period, 1, c);
  }

  const ppt::Table& tasks = slide.Shapes(2).Table;
  // One data row: the bare name, over columns 1 to 3 as a lone level-1 task.
  EXPECT_EQ(CellTexts(tasks), (Grid{{"Level 1 (Phase)", "Level 2 (Task)", "Level 3 (Activity)",
                                     "완료예정일", "계획진척율", "실적진척율"},
                                    {"Build", "~", "~", "03/07", "100%", "45%"}}));
  for (int c = 1; c <= 6; ++c) {
    for (int r = 1; r <= 2; ++r) {
      // A data row keeps what the table gives a row appended under the header.
      EXPECT_EQ(Format(tasks, r, c).font_size, 10);
      ExpectFramed(tasks, r, c);
      EXPECT_EQ(tasks.RowHeight(r), 20);
    }
    EXPECT_EQ(Format(tasks, 1, c).alignment, ppt::ppAlignCenter) << c;
    EXPECT_EQ(Format(tasks, 2, c).alignment, c >= 4 ? ppt::ppAlignCenter : ppt::ppAlignLeft) << c;
  }

  EXPECT_EQ(std::tie(slide.Shapes(3).Width, slide.Shapes(3).Height), std::make_tuple(720.0, 31.88));
  EXPECT_EQ(slide.Shapes(4).Height, 26.25);

  EXPECT_EQ(statuses,
            (std::vector<std::string>{
                "프로젝트 파일을 여는 중", "1번째 목록 확인 중", "데이터를 저장하는 중",
                "1번째 작업 저장 중", "Merge 중", "프로젝트 파일을 여는 중", "데이터를 저장하는 중",
                "1번째 작업 저장 중", "Merge 중", "파워포인트 파일을 저장하는 중", "준비"}));
  EXPECT_TRUE(std::filesystem::exists(output));
  EXPECT_TRUE(services.Lines("OPEN ").empty()) << "open after conversion is not ticked";
}

TEST_F(LastWeekSlideTest, OpensOutputFilePathWhenTicked) {
  Work("Build", 1, "2024-03-04", "2024-03-07");
  form.chkExecuteConvertlFile.Value = forms::vbChecked;
  form.OutputFilePath = (folder / "chosen.pptx").string();
  Run();
  EXPECT_EQ(services.Lines("OPEN "), (std::vector<std::string>{form.OutputFilePath}));
  EXPECT_EQ(statuses.back(), "준비");
}

TEST_F(LastWeekSlideTest, StartLevelTwoListsLevelsTwoToFourAndWeighsEveryLevel) {
  form.cmbStartOutline.SelectText("2");
  // Summary tasks carry work that must not count.
  Summary("Programme", 1, "2024-03-04", "2024-03-08").Work(99999);
  Summary("Design", 2, "2024-03-04", "2024-03-08").Work(99999);
  Work("Screens", 3, "2024-03-04", "2024-03-05").Work(960);  // done by Sunday
  Summary("Interfaces", 3, "2024-03-06", "2024-03-08").Work(99999);
  Summary("REST", 4, "2024-03-06", "2024-03-08").Work(99999);
  Work("Auth", 5, "2024-03-11", "2024-03-12").Work(960);        // not started
  Work("Standalone", 1, "2024-03-11", "2024-03-12").Work(960);  // not started
  Run();
  // Level 3 is L+1 (rows only for non-summaries), level 4 is L+2 (summaries too).
  const Grid grid = CellTexts(TaskTable());
  ASSERT_EQ(grid.size(), 3u);
  EXPECT_EQ(grid[1], (Row{"Design", "Screens", "~", "03/05", "100%", "0%"}));
  EXPECT_EQ(grid[2], (Row{"~", "Interfaces", "REST", "03/08", "100%", "0%"}));
  // Screens weighs 960 of 2880: Auth at level 5 and Standalone at level 1 count too.
  EXPECT_EQ(Text(PeriodTable(), 1, 4), "33.3%");
}

TEST_F(LastWeekSlideTest, PeriodFilterAtBothEndsOfTheWeek) {
  Work("Ends on the Sunday before", 1, "2024-02-26", "2024-03-03");
  Work("Ends on the first Monday", 1, "2024-02-26", "2024-03-04");
  Work("Starts on the first Monday", 1, "2024-03-04", "2024-03-20");
  Work("Starts on the last Sunday", 1, "2024-03-10", "2024-03-12");
  Work("Starts on the Monday after", 1, "2024-03-11", "2024-03-12");
  Run();
  const Grid grid = CellTexts(TaskTable());
  ASSERT_EQ(grid.size(), 4u);
  // Lone level-L rows: the name spans columns 1 to 3.
  EXPECT_EQ(grid[1], (Row{"Ends on the first Monday", "~", "~", "03/04", "100%", "0%"}));
  EXPECT_EQ(grid[2][0], "Starts on the first Monday");
  EXPECT_EQ(grid[3][0], "Starts on the last Sunday");
  EXPECT_EQ(TaskTable().Cell(2, 1).Area(), (ppt::CellArea{2, 1, 1, 3}));
}

TEST_F(LastWeekSlideTest, FinishThatReadsAsNoDateKeepsTheSlashOfColumn4) {
  // Starts on the first day, so it is listed; its finish does not begin with "20".
  Work("Far", 1, "2024-03-04", "2100-01-05");
  Run();
  const Grid grid = CellTexts(TaskTable());
  ASSERT_EQ(grid.size(), 2u);
  EXPECT_EQ(grid[1], (Row{"Far", "~", "~", "/", "100%", "0%"}));
}

TEST_F(LastWeekSlideTest, SummaryRowsSkippedAtTheTwoUpperLevelsOnly) {
  Summary("Phase", 1, "2024-03-04", "2024-03-08");
  Summary("Stage", 2, "2024-03-04", "2024-03-08");
  Summary("Package", 3, "2024-03-04", "2024-03-08");
  Work("Leaf", 4, "2024-03-04", "2024-03-08");  // below L+2: no row
  Work("Note", 3, "2024-03-04", "2024-03-05");
  Run();
  const Grid grid = CellTexts(TaskTable());
  ASSERT_EQ(grid.size(), 3u);
  EXPECT_EQ(grid[1],
            (Row{"Phase", "Stage", "Package\rNote", "03/08\r03/05", "100%\r100%", "0%\r0%"}));
}

TEST_F(LastWeekSlideTest, BaselineFiguresWhenChosenAndDefined) {
  // Planned for the week, slipped to the next: listed by its baseline only.
  Work("Slipped", 1, "2024-03-11", "2024-03-14", 1920)
      .Work(1920)
      .Baseline(0, "2024-03-04 08:00", "2024-03-06 17:00", 1440, 960);
  Work("Unplanned", 1, "2024-03-04", "2024-03-05", 960).Work(960);

  form.optUseBaseline.Value = true;
  Run();
  Grid grid = CellTexts(TaskTable());
  ASSERT_EQ(grid.size(), 3u);
  EXPECT_EQ(grid[1][0], "Slipped");
  EXPECT_EQ(grid[1][3], "03/06");
  EXPECT_EQ(grid[2][0], "Unplanned");
  // Baseline work 960 done and current work 960 done.
  EXPECT_EQ(Text(PeriodTable(), 1, 4), "100%");

  form.optUseCurrent.Value = true;
  output = (folder / "current.pptx").string();
  Run();
  grid = CellTexts(TaskTable());
  ASSERT_EQ(grid.size(), 2u);
  EXPECT_EQ(grid[1][0], "Unplanned");
  // Current work 1920 not started, 960 done.
  EXPECT_EQ(Text(PeriodTable(), 1, 4), "33.3%");
}

TEST_F(LastWeekSlideTest, NoWeightAtAllShowsADashOnBothSlidesAndStillSaves) {
  Summary("Phase", 1, "2024-03-04", "2024-03-08");
  Work("Milestone", 2, "2024-03-06", "2024-03-06", 0);
  Run();
  EXPECT_EQ(Text(PeriodTable(1), 1, 4), "-");
  EXPECT_EQ(Text(PeriodTable(2), 1, 4), "-");
  // Slide 2 finishes like slide 1: header centred, captions drawn.
  for (int c = 1; c <= 5; ++c) {
    EXPECT_EQ(Format(TaskTable(2), 1, c).alignment, ppt::ppAlignCenter) << c;
  }
  ASSERT_EQ(SlideAt(2).Shapes.Count, 4);
  EXPECT_EQ(SlideAt(2).Shapes(3).Body().Text(), "주간 보고 - 다음 주");
  EXPECT_TRUE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace taskvane::testing
