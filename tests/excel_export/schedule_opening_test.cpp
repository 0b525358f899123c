#include "excel_export/schedule_opening.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/excel_export/excel_export_fixture.h"

namespace taskvane::testing {
namespace {

using ScheduleOpeningTest = ExcelExportTest;
using Strings = std::vector<std::string>;

TEST_F(ScheduleOpeningTest, NotAvailableTextByVersionAndViews) {
  struct Case {
    const char* version;
    Strings views;
    const char* expected;
  };
  const Strings korean = {"달력", "Gantt 차트", "작업 시트"};
  const Strings english = {"Calendar", "Gantt Chart", "Task Sheet", "Resource Sheet"};
  const std::vector<Case> cases = {
      {"10.0", korean, "미정"},
      {"10.0", english, "미정"},
      {"11.0", korean, "미정"},
      {"11.0", english, "미정"},
      {"12.0", korean, "사용할 수 없음"},
      {"12.0", english, "사용할 수 없음"},  // no view is looked at
      {"13.0", korean, "사용할 수 없음"},
      {"13.0", english, "NA"},
      {"14.0", korean, "지정 안 함"},
      {"14.0", english, "지정 안 함"},
      {"15.0", {}, "NA"},
      {"15.0", {"Calendar", "작업 배정 현황"}, "사용할 수 없음"},
      {"16.0", {"리소스 시트"}, "사용할 수 없음"},
      {"11.00", english, "NA"},  // versions compare exactly
      {"12", korean, "사용할 수 없음"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.version) + " with " + std::to_string(c.views.size()) + " views");
    schedule.Version(c.version).Views(c.views);
    auto conv = Conversion();
    frmMain.NotAvailableText = "stale";
    OpenSchedule(*conv);
    DetectNotAvailableText(*conv);
    EXPECT_EQ(frmMain.NotAvailableText, c.expected);
  }
}

TEST_F(ScheduleOpeningTest, DateOnlyTextCountsCharacters) {
  EXPECT_EQ(DateOnlyText("2024-03-04 08:00"), "2024-03-04");
  EXPECT_EQ(DateOnlyText("2024-3-4"), "2024-3-4");
  EXPECT_EQ(DateOnlyText(""), "");
  EXPECT_EQ(DateOnlyText("사용할 수 없음"), "사용할 수 없음");
  EXPECT_EQ(DateOnlyText("가나다라마바사아자차카"), "가나다라마바사아자차");
  EXPECT_EQ(ProjectDateText("2024-3-4"), "2024-03-04");
  EXPECT_EQ(ProjectDateText("NA"), "NA");
}

TEST_F(ScheduleOpeningTest, PreScanReadsProjectDatesAndShowsEveryTask) {
  schedule.ProjectStart("2024-03-06 08:00").ProjectFinish("2024-04-02 17:00");
  AddTasksAtLevels({1, 2, 2});
  auto conv = Conversion();
  OpenSchedule(*conv);
  const int n = TakeProjectTasks(*conv);
  std::vector<int> seen;
  PreScanOptions options;
  options.read_project_dates = true;
  options.each_task = [&](int i) { seen.push_back(i); };
  EXPECT_TRUE(PreScanTasks(*conv, n, options));
  EXPECT_EQ(statuses, (Strings{"프로젝트를 여는 중", "목록 확인 중", "1번째 목록 확인 중",
                               "2번째 목록 확인 중", "3번째 목록 확인 중"}));
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(conv->ProjectStartDate, "2024-03-06");
  EXPECT_EQ(conv->ProjectFinishDate, "2024-04-02");
  EXPECT_TRUE(services.Messages().empty());
}

TEST_F(ScheduleOpeningTest, EmptyScheduleReadsNoDates) {
  schedule.ProjectStart("2024-03-06 08:00").ProjectFinish("2024-04-02 17:00");
  auto conv = Conversion();
  OpenSchedule(*conv);
  PreScanOptions options;
  options.read_project_dates = true;
  EXPECT_TRUE(PreScanTasks(*conv, TakeProjectTasks(*conv), options));
  EXPECT_EQ(conv->ProjectStartDate, "");
  EXPECT_EQ(statuses.back(), "목록 확인 중");
}

// A blank line k is found while line k - 1 is scanned; a blank first line while the first
// is. Either way: the message, "준비", and the scan stops.
TEST_F(ScheduleOpeningTest, BlankLineStopsTheScan) {
  struct Case {
    std::vector<int> lines;  // 0 = blank line
    Strings statuses_after_opening;
  };
  const std::vector<Case> cases = {
      {{1, 0, 1, 1, 1}, {"1번째 목록 확인 중", "준비"}},
      {{0, 1, 1}, {"1번째 목록 확인 중", "준비"}},
      {{1, 1, 1, 0}, {"1번째 목록 확인 중", "2번째 목록 확인 중", "3번째 목록 확인 중", "준비"}},
      {{0}, {"1번째 목록 확인 중", "준비"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.lines));
    project::ProjectBuilder fresh;
    for (int level : c.lines) {
      if (level == 0) {
        fresh.AddBlankLine();
      } else {
        fresh.AddTask("T", level);
      }
    }
    std::shared_ptr<project::Project> document = fresh.Build();
    ExcelConversion conv(frmMain, Output("out.xlsx"));
    conv.OpenProjectFile = [document](const std::string&) { return document; };
    statuses.clear();
    services.Log.clear();
    int scanned = 0;
    OpenSchedule(conv);
    PreScanOptions options;
    options.each_task = [&](int) { ++scanned; };
    EXPECT_FALSE(PreScanTasks(conv, TakeProjectTasks(conv), options));
    Strings expected = {"프로젝트를 여는 중", "목록 확인 중"};
    expected.insert(expected.end(), c.statuses_after_opening.begin(),
                    c.statuses_after_opening.end());
    EXPECT_EQ(statuses, expected);
    EXPECT_EQ(services.Messages(), Strings{"Taskvane | OK | 프로젝트 내에 빈 작업이 존재합니다."});
    EXPECT_EQ(scanned, static_cast<int>(c.statuses_after_opening.size()) - 2);
  }
}

}  // namespace
}  // namespace taskvane::testing
