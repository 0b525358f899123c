#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace taskvane {

struct ExcelConversion;

// The steps every Excel writer runs before it touches a workbook: open the schedule named
// by txtMPPFilePathExcel, decide the text that schedule shows for an undefined date, take
// the task collection and scan it once. A writer that keeps step markers sets them between
// the calls:
//
//   OpenSchedule(conv);                       // "프로젝트를 여는 중"
//   DetectNotAvailableText(conv);             // Gantt writers only
//   int n = TakeProjectTasks(conv);           // "목록 확인 중"
//   if (!PreScanTasks(conv, n, PreScanOptions{.read_project_dates = true})) return;
//
// Automation errors (no schedule, an unreadable file, a failing member) propagate to the
// writer's error handler.

// Status text "프로젝트를 여는 중"; CurrentProject = conv.OpenProjectFile(txtMPPFilePathExcel).
void OpenSchedule(ExcelConversion& conv);

// Sets frmMain.NotAvailableText from CurrentProject: "NA" first; then by the application
// version, compared exactly: "10.0" and "11.0" give "미정", "14.0" "지정 안 함", "12.0"
// "사용할 수 없음"; any other version looks at the views in order, and the first whose name
// contains "시트", "배정" or "차트" gives "사용할 수 없음".
void DetectNotAvailableText(ExcelConversion& conv);

// Status text "목록 확인 중"; ProjectTasks = CurrentProject.Tasks. Returns the task count.
int TakeProjectTasks(ExcelConversion& conv);

struct PreScanOptions {
  // Read ProjectStartDate and ProjectFinishDate while the first task is scanned (Gantt).
  bool read_project_dates = false;
  // Runs right after the project dates are read, before the blank-line test of the second
  // line (the Gantt sheets count their timeline days here).
  std::function<void()> project_dates_read;
  // Runs for each scanned task i after its blank-line test (the outline list's deepest
  // level, say).
  std::function<void(int i)> each_task;
};

// The pre-scan of tasks 1..n. Each task shows "<i>번째 목록 확인 중". A blank line stops the
// conversion: it is found while the line before it is scanned (a blank first line while the
// first is); the writer then shows "프로젝트 내에 빈 작업이 존재합니다.", sets "준비" and
// must end without a workbook. Returns false after such a stop.
bool PreScanTasks(ExcelConversion& conv, int n, const PreScanOptions& options = {});

// The first 10 characters of a text; a shorter text comes back whole.
std::string DateOnlyText(std::string_view text);

// A project date text as "yyyy-mm-dd"; a text that is no date (the not-available text)
// comes back as it is.
std::string ProjectDateText(std::string_view date_text);

}  // namespace taskvane
