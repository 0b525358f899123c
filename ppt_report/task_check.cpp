#include "ppt_report/task_check.h"

#include <string>

#include "console/main_window_controls.h"
#include "ppt_report/weekly_report.h"

namespace taskvane {

namespace {

constexpr const char* kBlankTask = "프로젝트 내에 빈 작업이 존재합니다.";
constexpr const char* kSubproject = "프로젝트 내에 서브프로젝트가 존재합니다.";

bool Refuse(WeeklyReport& report, const char* message) {
  report.frmMain.Platform().MsgBox(message, forms::vbOKOnly, kAppTitle);
  report.Status("준비");
  return false;
}

}  // namespace

bool CheckTaskLines(WeeklyReport& report) {
  const project::TaskCollection& tasks = report.Tasks();
  if (tasks.Count() > 0 && tasks.Item(1) == nullptr) return Refuse(report, kBlankTask);
  for (int i = 1; i <= tasks.Count(); ++i) {
    report.Status(std::to_string(i) + "번째 목록 확인 중");
    // The next line's blank test comes before this task's subproject test.
    if (i < tasks.Count() && tasks.Item(i + 1) == nullptr) return Refuse(report, kBlankTask);
    if (!tasks.Item(i)->Subproject().empty()) return Refuse(report, kSubproject);
  }
  return true;
}

}  // namespace taskvane
