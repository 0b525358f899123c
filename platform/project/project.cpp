#include "platform/project/project.h"

#include <algorithm>
#include <cmath>

#include "platform/project/calendar.h"
#include "platform/project/field_catalogue.h"
#include "platform/project/field_format.h"
#include "platform/project/mspdi_values.h"
#include "platform/project/schedule_data.h"
#include "platform/project/task_status.h"
#include "platform/runtime/date.h"

namespace taskvane::project {
namespace {

const std::string kNotAvailable{kNotAvailableText};

std::string DateTimeText(const std::optional<DateTime>& value) {
  return value ? FormatDateTime(*value) : kNotAvailable;
}

std::string DateText(const std::optional<DateTime>& value) {
  return value ? FormatDate(value->day) : kNotAvailable;
}

const BaselineData* FindBaseline(const TaskData& task, int number) {
  for (const BaselineData& baseline : task.baselines) {
    if (baseline.number == number) return &baseline;
  }
  return nullptr;
}

const BaselineData& BaselineOrEmpty(const TaskData& task, int number) {
  static const BaselineData kNotSet;
  const BaselineData* baseline = FindBaseline(task, number);
  return baseline ? *baseline : kNotSet;
}

int CheckedBaselineNumber(int n) {
  if (n < 1 || n > 10) {
    throw AutomationError(kErrInvalidArgument,
                          "초기 계획 번호는 1에서 10 사이여야 합니다: " + std::to_string(n));
  }
  return n;
}

std::string ResourceNamesText(const ProjectData& project, const TaskData& task) {
  std::string text;
  for (const AssignmentData& assignment : task.assignments) {
    if (assignment.resource < 0 ||
        assignment.resource >= static_cast<int>(project.resource_names.size())) {
      continue;
    }
    if (!text.empty()) text += ",";
    text += project.resource_names[assignment.resource];
    const double percent = std::round(assignment.units * 100);
    if (percent != 100) {
      text += '[';
      text += FormatDecimal(percent, 0, false, false);
      text += "%]";
    }
  }
  return text;
}

const std::string* CustomValue(const TaskData& task, long field_id) {
  for (const CustomFieldValue& field : task.custom_fields) {
    if (field.field_id == field_id) return &field.value;
  }
  return nullptr;
}

// Parses a DateTime from a date text given by a caller; AutomationError 13 otherwise.
DateTime DateArgument(std::string_view text) {
  auto value = ParseDateTime(text);
  if (!value) {
    throw AutomationError(kErrTypeMismatch,
                          "날짜 형식이 올바르지 않습니다: \"" + std::string(text) + "\"");
  }
  return *value;
}

}  // namespace

const std::vector<std::string>& DefaultViewNames() {
  static const std::vector<std::string> kNames{
      "Gantt 차트",  "추적 Gantt",       "작업 사용 현황", "작업 시트",
      "리소스 시트", "리소스 사용 현황", "달력",           "네트워크 다이어그램"};
  return kNames;
}

// Application

const std::string& Application::Version() const {
  return data_.version;
}

long Application::DateDifference(std::string_view start_text, std::string_view finish_text) const {
  const long long minutes =
      calendar_.WorkingMinutes(DateArgument(start_text), DateArgument(finish_text));
  return static_cast<long>(minutes);
}

// Views

ViewCollection::ViewCollection(const std::vector<std::string>& names) {
  views_.reserve(names.size());
  for (const std::string& name : names) views_.push_back(View(name));
}

const View& ViewCollection::Item(int index) const {
  if (index < 1 || index > Count()) {
    throw AutomationError(kErrSubscript, "첨자 사용이 잘못되었습니다.");
  }
  return views_[index - 1];
}

// Task

const std::string& Task::Name() const {
  return data_->name;
}
int Task::OutlineLevel() const {
  return data_->outline_level;
}
bool Task::Summary() const {
  return data_->summary;
}
const std::string& Task::Subproject() const {
  return data_->subproject;
}
int Task::PercentComplete() const {
  return data_->percent_complete;
}
std::string Task::Start() const {
  return DateTimeText(data_->start);
}
std::string Task::Finish() const {
  return DateTimeText(data_->finish);
}
std::string Task::ActualStart() const {
  return DateTimeText(data_->actual_start);
}
std::string Task::ActualFinish() const {
  return DateTimeText(data_->actual_finish);
}
std::string Task::BaselineStart() const {
  return DateTimeText(BaselineOrEmpty(*data_, 0).start);
}
std::string Task::BaselineFinish() const {
  return DateTimeText(BaselineOrEmpty(*data_, 0).finish);
}
std::string Task::BaselineNStart(int n) const {
  return DateTimeText(BaselineOrEmpty(*data_, CheckedBaselineNumber(n)).start);
}
std::string Task::BaselineNFinish(int n) const {
  return DateTimeText(BaselineOrEmpty(*data_, CheckedBaselineNumber(n)).finish);
}
double Task::Duration() const {
  return data_->duration;
}
double Task::BaselineDuration() const {
  return BaselineOrEmpty(*data_, 0).duration;
}
double Task::Work() const {
  return data_->work;
}
double Task::BaselineWork() const {
  return BaselineOrEmpty(*data_, 0).work;
}

std::string Task::GetField(long field_id) const {
  const std::optional<TaskField> field = TaskFieldOf(field_id);
  if (!field) {
    throw AutomationError(kErrInvalidArgument,
                          "알 수 없는 작업 필드입니다: " + std::to_string(field_id));
  }
  const ProjectData& project = *project_;
  const TaskData& task = *data_;
  const int per_day = project.minutes_per_day;
  switch (*field) {
    case TaskField::kStart:
      return DateText(task.start);
    case TaskField::kFinish:
      return DateText(task.finish);
    case TaskField::kDuration:
      return FormatDays(task.duration, per_day, task.estimated);
    case TaskField::kRemainingDuration:
      return FormatDays(task.remaining_duration, per_day, false);
    case TaskField::kPercentComplete:
      return FormatPercent(task.percent_complete);
    case TaskField::kResourceNames:
      return ResourceNamesText(project, task);
    case TaskField::kCost:
      return FormatCost(task.cost, project.currency);
    case TaskField::kStatus:
      return StatusText(StatusOf(project, *calendar_, task));
    case TaskField::kBaselineDuration:
      return FormatDays(BaselineOrEmpty(task, 0).duration, per_day, false);
    case TaskField::kBaselineCost:
      return FormatCost(BaselineOrEmpty(task, 0).cost, project.currency);
    case TaskField::kBaselineStart:
      return DateText(BaselineOrEmpty(task, 0).start);
    case TaskField::kBaselineFinish:
      return DateText(BaselineOrEmpty(task, 0).finish);
    case TaskField::kBaselineWork:
      return FormatHours(BaselineOrEmpty(task, 0).work);
    case TaskField::kActualDuration:
      return FormatDays(task.actual_duration, per_day, false);
    case TaskField::kActualCost:
      return FormatCost(task.actual_cost, project.currency);
    case TaskField::kActualStart:
      return DateText(task.actual_start);
    case TaskField::kActualFinish:
      return DateText(task.actual_finish);
    case TaskField::kPhysicalPercentComplete:
      return FormatPercent(task.physical_percent_complete);
    case TaskField::kWorkPercentComplete:
      return FormatPercent(task.percent_work_complete);
    case TaskField::kText: {
      const std::string* value = CustomValue(task, field_id);
      return value ? *value : std::string();
    }
    case TaskField::kNumber:
    case TaskField::kCustomCost: {
      const std::string* value = CustomValue(task, field_id);
      // Kept as the file wrote it; a value that is not a number shows as zero.
      const double number = value ? ReadNumber(*value).value_or(0) : 0;
      if (*field == TaskField::kNumber) return FormatNumberField(number);
      return FormatCost(number / 100, project.currency);
    }
  }
  return std::string();
}

// Tasks

TaskCollection::TaskCollection(const ProjectData& data, const WorkingTimeCalendar& calendar) {
  tasks_.reserve(data.tasks.size());
  for (const TaskData& task : data.tasks) {
    if (!task.blank) tasks_.push_back(Task(data, calendar, task));
  }
  lines_.reserve(data.tasks.size());
  size_t next = 0;
  for (const TaskData& task : data.tasks) {
    lines_.push_back(task.blank ? nullptr : &tasks_[next++]);
  }
}

const Task* TaskCollection::Item(int index) const {
  if (index < 1 || index > Count()) {
    throw AutomationError(kErrSubscript, "첨자 사용이 잘못되었습니다.");
  }
  return lines_[index - 1];
}

// Project

Project::Project(std::unique_ptr<ProjectData> data)
    : data_(std::move(data)),
      calendar_(std::make_unique<WorkingTimeCalendar>(data_->calendar)),
      application_(*data_, *calendar_),
      views_(data_->views),
      tasks_(*data_, *calendar_) {}

Project::~Project() = default;

std::string Project::StatusDate() const {
  return DateTimeText(data_->status_date);
}

void Project::SetStatusDate(const std::string& text) {
  if (text == kNotAvailableText) {
    data_->status_date.reset();
    return;
  }
  DateTime value = DateArgument(text);
  // A date alone means the end of that working day, as Project takes it.
  const bool has_time = text.find(':') != std::string::npos;
  if (!has_time) value.minute = data_->default_finish_minute;
  data_->status_date = value;
}

int Project::PercentComplete() const {
  return data_->percent_complete;
}
std::string Project::ProjectStart() const {
  return DateTimeText(data_->start);
}
std::string Project::ProjectFinish() const {
  return DateTimeText(data_->finish);
}

}  // namespace taskvane::project
