#include "ppt_report/next_week_slide.h"

#include <array>

#include "console/main_window_controls.h"
#include "platform/runtime/automation_error.h"
#include "ppt_report/merge_task_table.h"
#include "ppt_report/report_rows.h"
#include "ppt_report/report_tables.h"
#include "ppt_report/slide_captions.h"
#include "ppt_report/task_loop.h"
#include "ppt_report/weekly_report.h"

namespace taskvane {

namespace {

constexpr std::array<double, 4> kPeriodWidths{110, 270, 120, 120};
constexpr std::array<double, 5> kTaskWidths{110, 150, 200, 80, 80};
constexpr int kTaskColumns = static_cast<int>(kTaskWidths.size());

}  // namespace

void BuildNextWeekSlide(WeeklyReport& report, const std::string& /*path*/) {
  MainWindowControls& frmMain = report.frmMain;
  project::Project& schedule = report.Project();
  // The schedule is already open; the text only tells the user that slide 2 begins.
  report.Status("프로젝트 파일을 여는 중");
  report.SavedProjectDate = schedule.StatusDate();
  report.ReportStatusDate = frmMain.txtDate(4).Text;
  schedule.SetStatusDate(report.ReportStatusDate);

  report.Status("데이터를 저장하는 중");
  report.ReportSlide = &report.Presentation().Slides.Add(2, ppt::ppLayoutBlank);
  const std::array<std::string, 4> period_texts{
      "기간", frmMain.txtDate(3).Text + " ~ " + frmMain.txtDate(4).Text, "계획진척율", ""};
  AddPeriodTable(report, kPeriodWidths, period_texts);
  const std::array<std::string, 5> headers{"Level 1 (Phase)", "Level 2 (Task)",
                                           "Level 3 (Activity)", "완료예정일", "계획진척율"};
  AddTaskTableHeader(report, kTaskWidths, headers);

  const ProgressSums sums = RunTaskLoop(report, AddNextWeekRow);

  report.Status("Merge 중");
  MergeTaskTable(report, kTaskColumns);
  SetTaskRowHeights(report);
  WritePeriodRate(report, sums);
  CentreTaskHeader(report, 4);  // 5 was centred with the header
  schedule.SetStatusDate(report.SavedProjectDate);

  AddSlideCaptions(report, " - 다음 주");
}

}  // namespace taskvane
