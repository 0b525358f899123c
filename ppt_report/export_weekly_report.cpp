// The weekly report's driver: opens the schedule, checks its task lines, builds the
// last-week slide, hands the next-week slide to its builder, saves and opens the result.

#include "ppt_report/export_weekly_report.h"

#include <array>
#include <optional>
#include <string>

#include "console/main_window_controls.h"
#include "platform/runtime/automation_error.h"
#include "ppt_report/merge_task_table.h"
#include "ppt_report/next_week_slide.h"
#include "ppt_report/not_available_text.h"
#include "ppt_report/report_rows.h"
#include "ppt_report/report_tables.h"
#include "ppt_report/slide_captions.h"
#include "ppt_report/task_check.h"
#include "ppt_report/task_loop.h"
#include "ppt_report/weekly_report.h"

namespace taskvane {

namespace {

constexpr std::array<double, 6> kPeriodWidths{50, 190, 100, 90, 100, 90};
constexpr std::array<double, 6> kTaskWidths{100, 140, 170, 70, 70, 70};
constexpr int kTaskColumns = static_cast<int>(kTaskWidths.size());

constexpr const char* kSaveFailed = "파워포인트 파일을 저장하지 못했습니다.";

// What the user is told after saving a presentation whose next-week slide broke off:
// the task it stopped at, when it stopped in the task loop, and the reason.
std::string NextWeekSlideWarning(int task_number, const AutomationError& error) {
  std::string text = "다음 주 슬라이드를 완성하지 못한 채 저장했습니다.";
  // Appended piece by piece: GCC 12 warns falsely about a string sum starting with " ".
  if (task_number > 0) {
    text.append(" ")
        .append(std::to_string(task_number))
        .append("번째 작업에서 오류가 발생했습니다.");
  }
  return text.append("\n").append(error.Description);
}

// Slide 1, the last period: its two tables, the task loop, the merging and the period
// rate. The schedule's status date is the end of the period from here to the end.
void BuildLastWeekSlide(WeeklyReport& report) {
  MainWindowControls& frmMain = report.frmMain;
  project::Project& schedule = report.Project();

  const std::array<std::string, 6> period_texts{
      "기간",       frmMain.txtDate(1).Text + " ~ " + frmMain.txtDate(2).Text, "계획진척율", "",
      "실적진척율", std::to_string(schedule.PercentComplete()) + "%"};
  AddPeriodTable(report, kPeriodWidths, period_texts);
  const std::array<std::string, 6> headers{"Level 1 (Phase)",    "Level 2 (Task)",
                                           "Level 3 (Activity)", "완료예정일",
                                           "계획진척율",         "실적진척율"};
  AddTaskTableHeader(report, kTaskWidths, headers);

  const ProgressSums sums = RunTaskLoop(report, AddLastWeekRow);

  report.Status("Merge 중");
  MergeTaskTable(report, kTaskColumns);
  SetTaskRowHeights(report);
  WritePeriodRate(report, sums);
  CentreTaskHeader(report, kTaskColumns);
  schedule.SetStatusDate(report.SavedProjectDate);
}

}  // namespace

void ExportWeeklyReport(MainWindowControls& frmMain, const std::string& path) {
  WeeklyReport report(frmMain, path);
  ExportWeeklyReport(report);
}

void ExportWeeklyReport(WeeklyReport& report) {
  MainWindowControls& frmMain = report.frmMain;

  report.Status("프로젝트 파일을 여는 중");
  report.CurrentProject = report.OpenProjectFile(frmMain.txtMPPFilePathPPT.Text);
  report.ProjectTasks = &report.Project().Tasks();

  if (!CheckTaskLines(report)) return;

  report.SavedProjectDate = report.Project().StatusDate();
  report.ReportStatusDate = frmMain.txtDate(2).Text;
  report.Project().SetStatusDate(report.ReportStatusDate);

  frmMain.NotAvailableText = ReportNotAvailableText(report.Project());

  report.Status("데이터를 저장하는 중");
  report.PowerPointApp = report.CreateObject("PowerPoint.application");
  report.ReportPresentation = &report.PowerPointApp->Presentations.Add();
  // The title box names the document in the file's properties too.
  report.Presentation().Title = frmMain.txtTitlePPT.Text.get();
  report.ReportSlide = &report.Presentation().Slides.Add(1, ppt::ppLayoutBlank);

  BuildLastWeekSlide(report);

  // From the captions on, a failing statement is skipped and the next one runs; a failure
  // inside the next-week slide abandons the rest of that slide, which the user is told
  // once the presentation is saved.
  AddSlideCaptions(report, " - 지난 주");
  std::string next_week_warning;
  try {
    BuildNextWeekSlide(report, report.path);
  } catch (const AutomationError& error) {
    next_week_warning = NextWeekSlideWarning(report.CurrentTaskNumber, error);
  }

  IgnoreErrors([&] { report.Status("파워포인트 파일을 저장하는 중"); });
  std::optional<AutomationError> save_failure;
  try {
    report.Presentation().SaveAs(report.path, ppt::ppSaveAsPresentation, ppt::msoTriStateMixed);
  } catch (const AutomationError& error) {
    save_failure = error;
  }
  report.TaskTable = nullptr;
  report.PeriodTable = nullptr;
  report.ReportSlide = nullptr;
  report.ReportPresentation = nullptr;
  report.PowerPointApp.reset();
  report.CurrentTask = nullptr;
  report.ProjectTasks = nullptr;
  report.CurrentProject.reset();
  IgnoreErrors([&] { report.Status("준비"); });
  // A presentation that was not saved is a failure of the conversion: it goes to the
  // convert command, and there is no file to open.
  if (save_failure) {
    throw AutomationError(save_failure->Number, std::string(kSaveFailed) + "\n" + report.path +
                                                    "\n" + save_failure->Description);
  }
  if (!next_week_warning.empty()) {
    frmMain.Platform().MsgBox(next_week_warning, forms::vbExclamation, kAppTitle);
  }
  IgnoreErrors([&] {
    if (frmMain.chkExecuteConvertlFile.Value == forms::vbChecked) {
      frmMain.Platform().ShellOpen(frmMain.OutputFilePath);
    }
  });
}

}  // namespace taskvane
