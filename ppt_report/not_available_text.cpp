#include "ppt_report/not_available_text.h"

#include "platform/project/project.h"

namespace taskvane {

std::string ReportNotAvailableText(const project::Project& schedule) {
  std::string text = "NA";
  if (schedule.Application().Version() == "11.0") return "미정";
  const project::ViewCollection& views = schedule.ProjectViews();
  for (int i = 1; i <= views.Count(); ++i) {
    const std::string& name = views.Item(i).Name();
    if (name.find("차트") != std::string::npos || name.find("배정") != std::string::npos ||
        name.find("시트") != std::string::npos) {
      text = "사용할 수 없음";
      break;
    }
  }
  return text;
}

}  // namespace taskvane
