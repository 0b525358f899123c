#include "ppt_report/weekly_report.h"

#include <charconv>

#include "console/main_window_controls.h"
#include "platform/runtime/automation_error.h"

namespace taskvane {

namespace {

constexpr long kErrObjectNotSet = 91;

template <class T>
T& Referenced(T* object) {
  if (object == nullptr) {
    throw AutomationError(kErrObjectNotSet, "개체 변수가 설정되지 않았습니다.");
  }
  return *object;
}

}  // namespace

WeeklyReport::WeeklyReport(MainWindowControls& form, std::string output_path)
    : frmMain(form), path(std::move(output_path)) {}

void WeeklyReport::Status(const std::string& text) {
  frmMain.stbMain.PanelText = text;
}

int WeeklyReport::StartLevel() const {
  const std::string& text = frmMain.cmbStartOutline.Text;
  int level = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), level);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
    throw AutomationError(kErrTypeMismatch, "형식이 일치하지 않습니다: 개요 수준 \"" + text + "\"");
  }
  return level;
}

project::Project& WeeklyReport::Project() const {
  return Referenced(CurrentProject.get());
}

const project::TaskCollection& WeeklyReport::Tasks() const {
  return Referenced(ProjectTasks);
}

const project::Task& WeeklyReport::Task() const {
  return Referenced(CurrentTask);
}

ppt::Presentation& WeeklyReport::Presentation() const {
  return Referenced(ReportPresentation);
}

ppt::Slide& WeeklyReport::Slide() const {
  return Referenced(ReportSlide);
}

ppt::Table& WeeklyReport::PeriodCells() const {
  return Referenced(PeriodTable).Table;
}

ppt::Table& WeeklyReport::TaskCells() const {
  return Referenced(TaskTable).Table;
}

}  // namespace taskvane
