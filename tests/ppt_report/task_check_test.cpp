// The driver's checks and bookkeeping: refused schedules, the not-available rule, the
// schedule's status date, failures that reach the convert command.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "console/exporters.h"
#include "console/frm_main.h"
#include "ppt_report/export_weekly_report.h"
#include "tests/ppt_report/report_fixture.h"

namespace taskvane::testing {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kBlankTaskBox = "Taskvane | OK | 프로젝트 내에 빈 작업이 존재합니다.";
constexpr const char* kSubprojectBox = "Taskvane | OK | 프로젝트 내에 서브프로젝트가 존재합니다.";

class TaskCheckTest : public WeeklyReportTest {
 protected:
  void ExpectRefused(const char* message) {
    EXPECT_EQ(services.Messages(), (Lines{message}));
    EXPECT_EQ(statuses.back(), "준비");
    EXPECT_EQ(powerpoint, nullptr) << "nothing is created";
    EXPECT_FALSE(std::filesystem::exists(output));
  }
};

TEST_F(TaskCheckTest, BlankFirstLineStopsBeforeTheLineCheck) {
  schedule.AddBlankLine();
  Work("Build", 1, "2024-03-04", "2024-03-05");
  Run();
  ExpectRefused(kBlankTaskBox);
  EXPECT_EQ(statuses, (Lines{"프로젝트 파일을 여는 중", "준비"}));
}

TEST_F(TaskCheckTest, BlankLaterLineIsFoundFromTheTaskBeforeIt) {
  Work("Build", 1, "2024-03-04", "2024-03-05");
  Work("Test", 1, "2024-03-04", "2024-03-05");
  schedule.AddBlankLine();
  Work("Ship", 1, "2024-03-04", "2024-03-05");
  Run();
  ExpectRefused(kBlankTaskBox);
  EXPECT_EQ(statuses,
            (Lines{"프로젝트 파일을 여는 중", "1번째 목록 확인 중", "2번째 목록 확인 중", "준비"}));
}

TEST_F(TaskCheckTest, SubprojectAnywhereIncludingTheLastTask) {
  Work("Build", 1, "2024-03-04", "2024-03-05");
  Work("Inserted", 1, "2024-03-04", "2024-03-05").Subproject("/plans/vendor.mpp");
  Run();
  ExpectRefused(kSubprojectBox);
  EXPECT_EQ(statuses[statuses.size() - 2], "2번째 목록 확인 중");
}

TEST_F(TaskCheckTest, BlankLineAfterASubprojectGivesOnlyTheBlankTaskMessage) {
  Work("Inserted", 1, "2024-03-04", "2024-03-05").Subproject("/plans/vendor.mpp");
  schedule.AddBlankLine();
  Run();
  ExpectRefused(kBlankTaskBox);
}

TEST_F(TaskCheckTest, NotAvailableTextByVersionAndViewNames) {
  struct Case {
    const char* version;
    std::vector<std::string> views;
    const char* expected;
  };
  const Case cases[] = {
      {"11.0", {"Gantt 차트"}, "미정"},
      {"11.0", {}, "미정"},
      {"12.0", {"Gantt Chart", "Task Sheet"}, "NA"},
      {"14.0", {"Calendar", "리소스 배정 현황"}, "사용할 수 없음"},
      {"16.0", {"작업 시트"}, "사용할 수 없음"},
  };
  int run = 0;
  for (const Case& c : cases) {
    schedule.Version(c.version).Views(c.views);
    form.NotAvailableText = "";
    output = (folder / ("report-" + std::to_string(++run) + ".pptx")).string();
    Run();
    EXPECT_EQ(form.NotAvailableText, c.expected) << c.version;
  }
}

TEST_F(TaskCheckTest, StatusDateIsEachSlidesPeriodEndAndRestoredAfterward) {
  schedule.StatusDate("2024-02-29 12:00");
  Work("Build", 1, "2024-03-04", "2024-03-05");
  Run();
  EXPECT_EQ(status_dates_at_merge, (Lines{"2024-03-10 17:00", "2024-03-17 17:00"}));
  EXPECT_EQ(document->StatusDate(), "2024-02-29 12:00");

  // A schedule without a status date gets none back.
  schedule.StatusDate("");
  status_dates_at_merge.clear();
  output = (folder / "second.pptx").string();
  Run();
  EXPECT_EQ(status_dates_at_merge.size(), 2u);
  EXPECT_EQ(document->StatusDate(), "사용할 수 없음");
}

TEST_F(TaskCheckTest, FailuresBeforeTheCaptionsReachTheCallerAndSaveNothing) {
  Work("Build", 1, "2024-03-04", "2024-03-05");
  form.cmbStartOutline.ListIndex = -1;  // no start level: its text is no number
  try {
    Run();
    FAIL() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number, kErrTypeMismatch);
  }
  EXPECT_FALSE(std::filesystem::exists(output));
  EXPECT_NE(statuses.back(), "준비");
  EXPECT_TRUE(services.Lines("OPEN ").empty());
}

// The real report behind the convert command: what escapes it is shown with its number and
// description, and the settings are not written.
class ReportExporters : public Exporters {
 public:
  void ExportExcel(MainWindowControls&, const std::string&) override {}
  void ExportWeeklyReport(MainWindowControls& frmMain, const std::string& path) override {
    taskvane::ExportWeeklyReport(frmMain, path);
  }
};

TEST_F(TaskCheckTest, ScheduleThatDoesNotOpenIsReportedByTheConvertCommand) {
  const std::string mpp = (folder / "plan.mpp").string();
  std::ofstream(mpp) << "binary";
  ReportExporters exporters;
  frmMain window(services, exporters, BuildVariant::Lite);
  window.Form_Load();
  window.mnuConvertPPT_Click();
  window.txtMPPFilePathPPT.Text = mpp;
  window.txtConvertFilePathPPT.Text = output;
  for (int k = 1; k <= 4; ++k) window.txtDate(k).Text = form.txtDate(k).Text;
  services.Log.clear();
  window.cmdSave_Click();
  const std::vector<std::string> messages = services.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].starts_with("Taskvane | OK | 432 - ")) << messages[0];
  EXPECT_NE(messages[0].find(mpp), std::string::npos) << "names the file";
  EXPECT_TRUE(services.Lines("SETTING ").empty());
  EXPECT_FALSE(std::filesystem::exists(output));
}

// Output paths where no presentation can be saved: a folder and a dangling link. The
// report releases what it made, shows "준비", opens nothing, leaves nothing behind, and
// hands the failure with the path and the reason to its caller.
TEST_F(TaskCheckTest, FailedSaveReachesTheCallerAndOpensNothing) {
  Work("Build", 1, "2024-03-04", "2024-03-05");
  form.chkExecuteConvertlFile.Value = forms::vbChecked;
  const std::string dangling = (folder / "gone.pptx").string();
  std::filesystem::create_symlink(folder / "nowhere" / "gone.pptx", dangling);
  for (const std::string& target : {(folder / "sub.pptx").string(), dangling}) {
    std::filesystem::create_directories(folder / "sub.pptx");
    const auto before = std::distance(std::filesystem::directory_iterator(folder),
                                      std::filesystem::directory_iterator());
    output = target;
    statuses.clear();
    try {
      Run();
      ADD_FAILURE() << "no error for " << target;
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.Number, ppt::kErrPowerPointRefused);
      EXPECT_TRUE(error.Description.starts_with("파워포인트 파일을 저장하지 못했습니다.\n" +
                                                target + "\n'" + target + "' "))
          << error.Description;
    }
    EXPECT_EQ(statuses.back(), "준비");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              before)
        << "nothing left behind";
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder / "sub.pptx"));
  EXPECT_TRUE(std::filesystem::is_symlink(dangling));
  EXPECT_TRUE(services.Lines("OPEN ").empty());
  EXPECT_TRUE(services.Messages().empty()) << "the caller shows the failure";
}

// Through the convert command: one message with the report's number, the text, the path and
// the reason; the settings are not written, as after any failure that escapes the report.
TEST_F(TaskCheckTest, FailedSaveIsShownByTheConvertCommandWithoutSavingSettings) {
  ReportExporters exporters;
  frmMain window(services, exporters, BuildVariant::Lite);
  window.Form_Load();
  window.mnuConvertPPT_Click();
  window.txtMPPFilePathPPT.Text = TASKVANE_TEST_DATA_DIR "/weekly_report_schedule.xml";
  const std::string dangling = (folder / "report.pptx").string();
  std::filesystem::create_symlink(folder / "nowhere" / "report.pptx", dangling);
  window.txtConvertFilePathPPT.Text = dangling;
  for (int k = 1; k <= 4; ++k) window.txtDate(k).Text = form.txtDate(k).Text;
  window.chkExecuteConvertlFile.Value = forms::vbChecked;
  services.Log.clear();
  window.cmdSave_Click();
  const std::vector<std::string> messages = services.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(
      messages[0].starts_with("Taskvane | OK | " + std::to_string(ppt::kErrPowerPointRefused) +
                              " - 파워포인트 파일을 저장하지 못했습니다.\n" + dangling + "\n"))
      << messages[0];
  EXPECT_TRUE(services.Lines("SETTING ").empty());
  EXPECT_TRUE(services.Lines("OPEN ").empty());
  EXPECT_EQ(window.stbMain.PanelText.get(), "준비");
  EXPECT_TRUE(std::filesystem::is_symlink(dangling));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace taskvane::testing
