#include "excel_export/schedule_opening.h"

#include "console/main_window_controls.h"
#include "excel_export/excel_conversion.h"
#include "platform/project/project.h"
#include "platform/runtime/date.h"

namespace taskvane {

void OpenSchedule(ExcelConversion& conv) {
  conv.Status("프로젝트를 여는 중");
  conv.CurrentProject = conv.OpenProjectFile(conv.frmMain.txtMPPFilePathExcel.Text);
}

void DetectNotAvailableText(ExcelConversion& conv) {
  std::string& NotAvailableText = conv.frmMain.NotAvailableText;
  NotAvailableText = "NA";
  const std::string version = conv.CurrentProject->Application().Version();
  if (version == "11.0" || version == "10.0") {
    NotAvailableText = "미정";
  } else if (version == "14.0") {
    NotAvailableText = "지정 안 함";
  } else if (version == "12.0") {
    NotAvailableText = "사용할 수 없음";
  } else {
    const project::ViewCollection& ProjectViews = conv.CurrentProject->ProjectViews();
    for (int i = 1; i <= ProjectViews.Count(); ++i) {
      const std::string& name = ProjectViews.Item(i).Name();
      if (name.find("시트") != std::string::npos || name.find("배정") != std::string::npos ||
          name.find("차트") != std::string::npos) {
        NotAvailableText = "사용할 수 없음";
        break;
      }
    }
  }
}

int TakeProjectTasks(ExcelConversion& conv) {
  conv.Status("목록 확인 중");
  conv.ProjectTasks = &conv.CurrentProject->Tasks();
  return conv.ProjectTasks->Count();
}

namespace {

bool StopAtBlankLine(ExcelConversion& conv) {
  conv.frmMain.Platform().MsgBox("프로젝트 내에 빈 작업이 존재합니다.", forms::vbOKOnly, kAppTitle);
  conv.Status("준비");
  return false;
}

}  // namespace

bool PreScanTasks(ExcelConversion& conv, int n, const PreScanOptions& options) {
  const project::TaskCollection& tasks = *conv.ProjectTasks;
  for (int i = 1; i <= n; ++i) {
    conv.Status(std::to_string(i) + "번째 목록 확인 중");
    if (i == 1) {
      // A blank first line has no line before it to be found from; it stops the
      // conversion here, like any later one.
      if (tasks.Item(1) == nullptr) return StopAtBlankLine(conv);
      if (options.read_project_dates) {
        conv.ProjectStartDate = ProjectDateText(DateOnlyText(conv.CurrentProject->ProjectStart()));
        conv.ProjectFinishDate =
            ProjectDateText(DateOnlyText(conv.CurrentProject->ProjectFinish()));
        if (options.project_dates_read) options.project_dates_read();
      }
    }
    if (i < n && tasks.Item(i + 1) == nullptr) return StopAtBlankLine(conv);
    if (options.each_task) options.each_task(i);
  }
  return true;
}

std::string DateOnlyText(std::string_view text) {
  // Characters, not bytes: the not-available text of a Korean schedule is Hangul.
  constexpr int kDateLength = 10;
  size_t end = 0;
  for (int characters = 0; end < text.size() && characters < kDateLength; ++characters) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return std::string(text.substr(0, end));
}

std::string ProjectDateText(std::string_view date_text) {
  const std::optional<DaySerial> day = ParseDate(date_text);
  return day ? FormatDate(*day) : std::string(date_text);
}

}  // namespace taskvane
