#include <gtest/gtest.h>

#include <filesystem>

#include "excel_export/gantt.h"
#include "tests/excel_export/gantt_fixture.h"
#include "tests/support/sample_schedules.h"

namespace taskvane::testing {
namespace {

// Real schedules through the public entry points, read back by openpyxl.
class GanttSamplesTest : public GanttTest {
 protected:
  WorkbookFacts Convert(const std::string& schedule, bool by_week, const std::string& name) {
    frmMain.txtMPPFilePathExcel.Text = schedule;
    frmMain.OutputFilePath = Output(name);
    if (by_week) {
      ExportGanttByWeek(frmMain, frmMain.OutputFilePath);
    } else {
      ExportGanttByDay(frmMain, frmMain.OutputFilePath);
    }
    EXPECT_TRUE(services.Messages().empty()) << services.Messages().front();
    EXPECT_TRUE(std::filesystem::exists(Output(name)));
    return ReadGanttBack(Output(name));
  }
  static std::string Data(const std::string& file) {
    return std::string(TASKVANE_TEST_DATA_DIR) + "/" + file;
  }
};

TEST_F(GanttSamplesTest, OutlineWithProgressPlanAndActualByWeek) {
  frmMain.optRealAndPlan.Value = true;
  frmMain.cmbBaseline.SelectText("초기계획1");
  ChooseField(188743709, "기간");
  ChooseField(188743712, "완료율");
  const WorkbookFacts week = Convert(Data("project_outline_progress.xml"), true, "week.xlsx");
  EXPECT_EQ(week["cell.A5"], "s:1. 분석");
  EXPECT_EQ(week["cell.B5"], "s:1.1 요구사항");
  EXPECT_EQ(week["cell.C5"], "s:요구사항 정의");
  EXPECT_EQ(week["cell.C6"], "s:화면 설계");
  EXPECT_EQ(week["cell.B7"], "s:설계 검토");
  EXPECT_EQ(week["cell.A8"], "s:2. 개발");
  EXPECT_EQ(week["cell.B8"], "s:구현");
  EXPECT_EQ(week["cell.C9"], "s:단위 시험");
  EXPECT_EQ(week["cell.I3"], "s:시작 날짜");
  EXPECT_EQ(week["cell.I6"], "d:2024-03-07");
  EXPECT_EQ(week["cell.K6"], "s:5일");
  EXPECT_EQ(week["cell.L6"], "n:0.4");
  // Baseline1 exists for "화면 설계" only: 6 to 14 March, weeks 1 and 2.
  EXPECT_EQ(week["fill.D6"], "lightUp/64/9");
  EXPECT_EQ(week["fill.E6"], "lightUp/64/9");
  EXPECT_EQ(week["fill.D5"], "<none>");
  // Rectangles of the tasks at 100 % and 40 %, on their week columns.
  EXPECT_EQ(week["shapes"], "2");
  EXPECT_EQ(week["shape1.from"], "4,0,5,3.5");
  EXPECT_EQ(week["shape1.to"], "5,0,5,10.5");
  EXPECT_EQ(week["shape2.from"], "4,0,6,3.5");
  EXPECT_EQ(week["shape2.to"], "4,28.8,6,10.5");  // 40 % of two weeks of 36 pt
}

TEST_F(GanttSamplesTest, OutlineWithProgressActualOnlyByDay) {
  const WorkbookFacts day = Convert(Data("project_outline_progress.xml"), false, "day.xlsx");
  EXPECT_EQ(day["shapes"], "0");
  // 4 to 6 March on a sheet from Sunday 3 March: columns E to G.
  EXPECT_EQ(day["fill.D5"], "<none>");
  EXPECT_EQ(day["fill.E5"], "lightUp/64/9");
  EXPECT_EQ(day["fill.G5"], "lightUp/64/9");
  EXPECT_EQ(day["fill.H5"], "<none>");
  EXPECT_EQ(day["cell.D3"], "d:2024-03-03");
  EXPECT_EQ(day["cell.D4"], "n:3");
}

// A schedule saved by another program, from outline level 2 by day with the actual-only
// chart, then from level 1 by week with the plan-and-actual chart.
TEST_F(GanttSamplesTest, ScheduleOfAnotherWriterBothWays) {
  TV_REQUIRE_SAMPLE(sample, "sample1.xml");
  frmMain.cmbStartOutlineforExcel.SelectText("2");
  const WorkbookFacts day = Convert(sample, false, "day.xlsx");
  EXPECT_EQ(day["cell.A5"], "s:Second Task");
  EXPECT_EQ(day["cell.D3"], "d:2003-01-05");
  EXPECT_EQ(day["fill.F5"], "lightUp/64/9");  // 7 January, day 3

  frmMain.cmbStartOutlineforExcel.SelectText("1");
  frmMain.optRealAndPlan.Value = true;
  const WorkbookFacts week = Convert(sample, true, "week.xlsx");
  EXPECT_EQ(week["cell.A5"], "s:First Task");
  EXPECT_EQ(week["cell.B5"], "s:Second Task");
  EXPECT_EQ(week["cell.D4"], "d:2003-01-07");
  EXPECT_EQ(week["fill.D5"], "<none>");  // no baselines
  EXPECT_EQ(week["shapes"], "0");        // nothing in progress
}

}  // namespace
}  // namespace taskvane::testing
