#include <gtest/gtest.h>

#include <filesystem>

#include "excel_export/gantt.h"
#include "tests/excel_export/gantt_fixture.h"

namespace taskvane::testing {
namespace {

class GanttWriterTest : public GanttTest {
 protected:
  bool Saved(const std::string& file_name = "gantt.xlsx") const {
    return std::filesystem::exists(Output(file_name));
  }
};

TEST_F(GanttWriterTest, StatusTextsInOrder) {
  Project("2024-03-04", "2024-03-22");
  schedule.AddTask("P", 1).Summary();
  Task("T", 2, "2024-03-04", "2024-03-08");
  frmMain.chkExecuteConvertlFile.Value = 1;
  Run(GanttTimeline::Week);
  EXPECT_EQ(statuses,
            (std::vector<std::string>{"프로젝트를 여는 중", "목록 확인 중", "1번째 목록 확인 중",
                                      "2번째 목록 확인 중", "저장 중", "1번째 작업 저장 중",
                                      "2번째 작업 저장 중", "엑셀 포맷 정리 중", "준비"}));
  EXPECT_TRUE(Saved());
  EXPECT_TRUE(services.Messages().empty());
  EXPECT_EQ(services.Lines("OPEN "), std::vector<std::string>{Output("gantt.xlsx")});
}

TEST_F(GanttWriterTest, WeekReportOfAnErrorInTheLoopShowsMarkerAndBaseline) {
  frmMain.optRealAndPlan.Value = true;
  frmMain.picColorSet(1).Tag = "16,빗금";
  Project("2024-03-04", "2024-03-22");
  Task("A", 1, "2024-03-04", "2024-03-08").Baseline(0, "2024-03-04 08:00", "2024-03-07 17:00");
  Run(GanttTimeline::Week);
  EXPECT_EQ(services.Messages(),
            std::vector<std::string>{
                "Taskvane | OK | 13 - 형식이 일치하지 않습니다. - Error Position : 1215 - "
                "TaskBaselineStartDate : 2024-03-04 08:00 - TaskBaselineFinishDate : 2024-03-07 "
                "17:00 - UndefiledText : 사용할 수 없음 - Application Version : 12.0"});
  EXPECT_FALSE(Saved());
  EXPECT_EQ(statuses.back(), "1번째 작업 저장 중");
}

TEST_F(GanttWriterTest, WeekReportWhenTheScheduleNeverOpened) {
  frmMain.txtMPPFilePathExcel.Text = Output("missing.xml");
  GanttSheet& g = Gantt(GanttTimeline::Week);
  conv().OpenProjectFile = project::OpenProjectFile;
  RunGanttWriter(g);
  ASSERT_EQ(services.Messages().size(), 1u);
  const std::string message = services.Messages()[0];
  EXPECT_TRUE(message.starts_with("Taskvane | OK | 432 - ")) << message;
  EXPECT_NE(message.find(" - Error Position : 01 - TaskBaselineStartDate :  - "
                         "TaskBaselineFinishDate :  - UndefiledText : "),
            std::string::npos);
  EXPECT_TRUE(message.ends_with(" - Application Version : ")) << message;
  EXPECT_EQ(statuses.back(), "프로젝트를 여는 중");
}

// The timeline days are counted while the first task is scanned: a schedule without
// project dates fails there, before the blank line after the second task is reached.
TEST_F(GanttWriterTest, TimelineDaysAreCountedAtTheFirstTask) {
  schedule.AddTask("A", 1);
  schedule.AddTask("B", 1);
  schedule.AddBlankLine();
  schedule.AddTask("C", 1);
  Run(GanttTimeline::Week);
  ASSERT_EQ(services.Messages().size(), 1u);
  EXPECT_TRUE(services.Messages()[0].starts_with(
      "Taskvane | OK | 13 - 형식이 일치하지 않습니다. - Error Position : 03 - "))
      << services.Messages()[0];
  EXPECT_EQ(statuses.back(), "1번째 목록 확인 중");

  services.Log.clear();
  Run(GanttTimeline::Day);
  EXPECT_EQ(services.Messages(),
            std::vector<std::string>{"Taskvane | OK | 13-형식이 일치하지 않습니다."});
  EXPECT_EQ(statuses.back(), "1번째 목록 확인 중");
  EXPECT_FALSE(Saved());
}

TEST_F(GanttWriterTest, DayReportIsNumberAndDescription) {
  Project("2024-03-04", "2024-03-22");
  Task("A", 1, "2024-03-04", "2024-03-08");
  frmMain.picColorSet(2).Tag = "40";
  Run(GanttTimeline::Day);
  EXPECT_EQ(services.Messages(),
            std::vector<std::string>{"Taskvane | OK | 9-첨자 사용이 잘못되었습니다."});
  EXPECT_FALSE(Saved());
}

TEST_F(GanttWriterTest, RefusedZoomWarnsAndSavesTheSheet) {
  frmMain.cmbZoom.AddItem("500");
  frmMain.cmbZoom.SelectText("500");
  Project("2024-03-04", "2024-03-22");
  Task("A", 1, "2024-03-04", "2024-03-08");
  Run(GanttTimeline::Week);
  ASSERT_EQ(services.Messages().size(), 1u);
  EXPECT_NE(services.Messages()[0].find("인쇄 미리보기에 오류가 있습니다."), std::string::npos);
  ASSERT_TRUE(Saved());
  const WorkbookFacts facts = ReadGanttBack(Output("gantt.xlsx"));
  EXPECT_EQ(facts["page.orientation"], "landscape");
  EXPECT_EQ(facts["page.print_title_rows"], "None");
  EXPECT_EQ(facts["cell.A5"], "s:A");
  EXPECT_EQ(statuses.back(), "준비");
}

TEST_F(GanttWriterTest, EmptyScheduleGivesAnEmptySheet) {
  Run(GanttTimeline::Week);
  EXPECT_TRUE(services.Messages().empty());
  EXPECT_TRUE(Saved());
}

// The saved workbook as an independent reader sees it: cells, bar fills, merges, widths,
// title rows and the rectangles' cells.
TEST_F(GanttWriterTest, SavedWorkbookReadsBack) {
  frmMain.optRealAndPlan.Value = true;
  Project("2024-03-04", "2024-04-12");
  schedule.AddTask("Phase", 1).Summary();
  Task("Design", 2, "2024-03-18", "2024-04-05")
      .PercentComplete(100)
      .Duration(15 * 480)
      .Baseline(0, "2024-03-11 08:00", "2024-03-29 17:00");
  ChooseField(188743709, "기간");
  Run(GanttTimeline::Week, "week.xlsx");
  ASSERT_TRUE(services.Messages().empty()) << services.Messages()[0];
  const WorkbookFacts week = ReadGanttBack(Output("week.xlsx"));
  EXPECT_EQ(week["cell.A1"], "s:전체 일정표");
  EXPECT_EQ(week["cell.D3"], "s:1주");
  EXPECT_EQ(week["cell.D4"], "d:2024-03-04");
  EXPECT_EQ(week["cell.I3"], "s:6주");
  EXPECT_EQ(week["cell.J3"], "s:시작 날짜");
  EXPECT_EQ(week["cell.L3"], "s:기간");
  EXPECT_EQ(week["cell.A5"], "s:Phase");
  EXPECT_EQ(week["cell.B5"], "s:Design");
  EXPECT_EQ(week["cell.J5"], "d:2024-03-18");
  EXPECT_EQ(week["cell.K5"], "d:2024-04-05");
  EXPECT_EQ(week["cell.L5"], "s:15일");
  // The pattern of slot 1 in automatic colour over the cell colour of slot 2: colour
  // index 2 (white) is the file's indexed colour 9.
  EXPECT_EQ(week["fill.E5"], "lightUp/64/9");
  EXPECT_EQ(week["fill.G5"], "lightUp/64/9");
  EXPECT_EQ(week["fill.H5"], "<none>");
  EXPECT_EQ(week["width.D"], "6");  // 5.38 characters plus the padding: 48 px
  EXPECT_EQ(week["page.print_title_rows"], "$1:$4");
  EXPECT_NE(std::find(week.merges.begin(), week.merges.end(), "A1:L1"), week.merges.end());
  EXPECT_NE(std::find(week.merges.begin(), week.merges.end(), "J3:J4"), week.merges.end());
  EXPECT_EQ(week["shapes"], "1");
  EXPECT_EQ(week["shape1.geometry"], "rect");
  EXPECT_EQ(week["shape1.from"], "6,0,5,3.5");      // week 3 (column F), 3.5 pt into row 5
  EXPECT_EQ(week["shape1.to"].substr(0, 2), "9,");  // ends where week 6 begins

  Run(GanttTimeline::Day, "day.xlsx");
  const WorkbookFacts day = ReadGanttBack(Output("day.xlsx"));
  EXPECT_EQ(day["cell.D3"], "d:2024-03-03");
  EXPECT_NE(std::find(day.merges.begin(), day.merges.end(), "D3:J3"), day.merges.end());
  EXPECT_EQ(day["width.D"], "3.125");           // 2.5 characters: 25 px, 18.75 pt
  EXPECT_EQ(day["shape1.from"], "19,0,5,3.5");  // 18 March, day 16
}

// Both Gantt writers cut a name or a field text longer than a cell holds and write every
// row; the saved sheet keeps its title and every task, and one message names the rows.
TEST_F(GanttWriterTest, TextsLongerThanACellHoldsAreCutAndNamedAfterSaving) {
  Project("2024-03-04", "2024-03-22");
  ChooseField(188743731, "텍스트1");
  Task(std::string(40000, 'n'), 1, "2024-03-04", "2024-03-08");                            // row 5
  Task("Build", 1, "2024-03-11", "2024-03-15").Field(188743731, std::string(32768, 't'));  // 6
  Task("Ship", 1, "2024-03-18", "2024-03-22");
  for (const GanttTimeline kind : {GanttTimeline::Week, GanttTimeline::Day}) {
    services.Log.clear();
    const std::string file = kind == GanttTimeline::Week ? "week.xlsx" : "day.xlsx";
    Run(kind, file);
    EXPECT_EQ(services.Messages(),
              std::vector<std::string>{"Taskvane | OK | 셀에 넣을 수 있는 32767자보다 긴 "
                                       "텍스트를 잘라서 저장했습니다.\n행: 5, 6"})
        << file;
    const WorkbookFacts book = ReadGanttBack(Output(file));
    EXPECT_EQ(book["cell.A1"], "s:전체 일정표");
    EXPECT_EQ(book["cell.A5"], "s:" + std::string(32767, 'n'));
    EXPECT_EQ(book["cell.A7"], "s:Ship");
    // The field column follows the two date columns, after the timeline.
    bool field_cut = false;
    for (const auto& [key, value] : book.facts) {
      field_cut = field_cut || (key.ends_with("6") && value == "s:" + std::string(32767, 't'));
    }
    EXPECT_TRUE(field_cut) << file;
  }
}

}  // namespace
}  // namespace taskvane::testing
