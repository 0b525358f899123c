// Slide 2: the next period's tables, its own filter and status date, its own sums.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/ppt_report/report_fixture.h"

namespace taskvane::testing {
namespace {

using Grid = std::vector<std::vector<std::string>>;
using Row = std::vector<std::string>;

class NextWeekSlideTest : public WeeklyReportTest {};

TEST_F(NextWeekSlideTest, TablesOfFourAndFiveColumnsWithTheNextPeriodsRows) {
  Work("Done last week", 1, "2024-03-04", "2024-03-05").Work(960);
  Summary("Phase", 1, "2024-03-11", "2024-03-20");
  Work("Mon to Thu", 2, "2024-03-11", "2024-03-14", 1920).Work(960);
  // At Sunday 03-17: Wednesday to Friday done, of Wednesday to Tuesday.
  Work("Wed to Wed", 2, "2024-03-13", "2024-03-20", 2400).Work(960);
  form.txtDate(3).Text = "2024-03-11";
  form.txtDate(4).Text = "2024-03-17";
  Run();

  ppt::Slide& slide = SlideAt(2);
  ASSERT_EQ(slide.Shapes.Count, 4);
  const ppt::Table& period = PeriodTable(2);
  EXPECT_EQ(CellTexts(period), (Grid{{"기간", "2024-03-11 ~ 2024-03-17", "계획진척율", "86.7%"}}));
  for (int c = 1; c <= 4; ++c) {
    const ppt::Paragraph& format = period.Cell(1, c).Body().paragraphs.front();
    EXPECT_EQ(format.font_size, c == 4 ? 10 : 12);
    EXPECT_EQ(format.alignment, ppt::ppAlignCenter);
    EXPECT_EQ(format.baseline_alignment, ppt::ppBaselineAlignCenter);
    EXPECT_EQ(period.GridBorderWeight(1, c, ppt::ppBorderBottom), 1);
    EXPECT_EQ(period.GridBorderWeight(1, c, ppt::ppBorderLeft), 1);
  }

  const ppt::Table& tasks = TaskTable(2);
  const Grid grid = CellTexts(tasks);
  ASSERT_EQ(grid.size(), 3u);
  EXPECT_EQ(grid[0], (Row{"Level 1 (Phase)", "Level 2 (Task)", "Level 3 (Activity)", "완료예정일",
                          "계획진척율"}));
  EXPECT_EQ(grid[1], (Row{"Phase", "Mon to Thu", "~", "03/14", "100%"}));
  EXPECT_EQ(grid[2], (Row{"~", "Wed to Wed", "~", "03/20", "60%"}));
  for (int c = 1; c <= 5; ++c) {
    EXPECT_EQ(tasks.Cell(1, c).Body().paragraphs.front().alignment, ppt::ppAlignCenter) << c;
    EXPECT_EQ(tasks.GridBorderWeight(1, c, ppt::ppBorderTop), 1);
  }
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(tasks.RowHeight(r), 20);

  EXPECT_EQ(slide.Shapes(3).Body().Text(), "주간 보고 - 다음 주");
}

TEST_F(NextWeekSlideTest, NoTaskInTheNextPeriodStillRatesTheWholeSchedule) {
  Work("Done", 1, "2024-03-04", "2024-03-05").Work(960);
  Work("Half by the 17th", 1, "2024-03-04", "2024-03-19", 5760).Work(0);  // weighs 5760
  form.txtDate(3).Text = "2024-03-25";
  form.txtDate(4).Text = "2024-03-31";
  Run();
  const ppt::Table& tasks = TaskTable(2);
  ASSERT_EQ(tasks.RowCount(), 1);
  EXPECT_EQ(tasks.RowHeight(1), 20);
  EXPECT_FALSE(tasks.Cell(1, 2).IsCovered());
  // Both are finished by 03-31.
  EXPECT_EQ(Text(PeriodTable(2), 1, 4), "100%");
  EXPECT_EQ(Text(PeriodTable(2), 1, 2), "2024-03-25 ~ 2024-03-31");
  // Slide 1 at 03-10: 960 done, 5760 at 5 of 11 working days (0.45).
  EXPECT_EQ(Text(PeriodTable(1), 1, 4), "52.9%");
}

TEST_F(NextWeekSlideTest, FailureInTheNextWeekSlideStillSavesTheFirst) {
  Work("Build", 1, "2024-03-04", "2024-03-07");
  form.txtDate(4).Text = "다음 주 일요일";  // no date: the schedule refuses it as status date
  Run();
  EXPECT_EQ(powerpoint->Presentations(1).Slides.Count, 1);
  EXPECT_TRUE(std::filesystem::exists(output));
  EXPECT_EQ(statuses.back(), "준비");
  // It stopped before the task loop, so no task is named.
  EXPECT_EQ(services.Messages(),
            (Row{"Taskvane | OK | 다음 주 슬라이드를 완성하지 못한 채 저장했습니다.\n날짜 형식이 "
                 "올바르지 않습니다: \"다음 주 일요일\""}));
}

// A long task without a finish that starts between the two status dates: slide 1 rates it
// 0, slide 2 cannot and stops at it. The report is saved; then one message names the task,
// and the result is opened after it.
TEST_F(NextWeekSlideTest, SlideAbandonedInTheTaskLoopIsNamedAfterTheSave) {
  Work("Build", 1, "2024-03-04", "2024-03-07");
  Work("Test", 1, "2024-03-11", "2024-03-12");
  schedule.AddTask("Open end", 1).Start("2024-03-12 08:00").Duration(2400);
  Work("Ship", 1, "2024-03-14", "2024-03-15");
  form.chkExecuteConvertlFile.Value = forms::vbChecked;
  Run();
  ASSERT_TRUE(std::filesystem::exists(output));
  const std::vector<std::string> log = services.Log;
  const std::vector<std::string> expected{
      "MSGBOX Taskvane | OK | 다음 주 슬라이드를 완성하지 못한 채 저장했습니다. 3번째 작업에서 "
      "오류가 발생했습니다.\n날짜 형식이 올바르지 않습니다: \"사용할 수 없음\"",
      "OPEN " + form.OutputFilePath};
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(log.end() - 2, log.end()), expected);
  // Slide 2 holds the rows written before the failing task, unmerged and without captions.
  EXPECT_EQ(CellTexts(TaskTable(2)).size(), 2u);
  EXPECT_EQ(SlideAt(2).Shapes.Count, 2);
  // Slide 1 is whole.
  EXPECT_EQ(SlideAt(1).Shapes.Count, 4);
}

}  // namespace
}  // namespace taskvane::testing
