#include "platform/project/project_builder.h"

#include <algorithm>

namespace taskvane::project {
namespace {

std::optional<DateTime> DateOrNothing(std::string_view text) {
  if (text.empty()) return std::nullopt;
  auto value = ParseDateTime(text);
  if (!value) {
    throw AutomationError(kErrTypeMismatch,
                          "날짜 형식이 올바르지 않습니다: \"" + std::string(text) + "\"");
  }
  return value;
}

}  // namespace

TaskBuilder& TaskBuilder::Summary(bool value) {
  task_.summary = value;
  return *this;
}
TaskBuilder& TaskBuilder::Estimated(bool value) {
  task_.estimated = value;
  return *this;
}
TaskBuilder& TaskBuilder::Subproject(std::string path) {
  task_.subproject = std::move(path);
  return *this;
}
TaskBuilder& TaskBuilder::PercentComplete(int value) {
  task_.percent_complete = value;
  return *this;
}
TaskBuilder& TaskBuilder::PercentWorkComplete(int value) {
  task_.percent_work_complete = value;
  return *this;
}
TaskBuilder& TaskBuilder::PhysicalPercentComplete(int value) {
  task_.physical_percent_complete = value;
  return *this;
}
TaskBuilder& TaskBuilder::Start(std::string_view date) {
  task_.start = DateOrNothing(date);
  return *this;
}
TaskBuilder& TaskBuilder::Finish(std::string_view date) {
  task_.finish = DateOrNothing(date);
  return *this;
}
TaskBuilder& TaskBuilder::ActualStart(std::string_view date) {
  task_.actual_start = DateOrNothing(date);
  return *this;
}
TaskBuilder& TaskBuilder::ActualFinish(std::string_view date) {
  task_.actual_finish = DateOrNothing(date);
  return *this;
}
TaskBuilder& TaskBuilder::Stop(std::string_view date) {
  task_.stop = DateOrNothing(date);
  return *this;
}
TaskBuilder& TaskBuilder::Duration(double minutes) {
  task_.duration = minutes;
  return *this;
}
TaskBuilder& TaskBuilder::RemainingDuration(double minutes) {
  task_.remaining_duration = minutes;
  return *this;
}
TaskBuilder& TaskBuilder::ActualDuration(double minutes) {
  task_.actual_duration = minutes;
  return *this;
}
TaskBuilder& TaskBuilder::Work(double minutes) {
  task_.work = minutes;
  return *this;
}
TaskBuilder& TaskBuilder::Cost(double amount) {
  task_.cost = amount;
  return *this;
}
TaskBuilder& TaskBuilder::ActualCost(double amount) {
  task_.actual_cost = amount;
  return *this;
}

TaskBuilder& TaskBuilder::Baseline(int number, std::string_view start, std::string_view finish,
                                   double duration, double work, double cost) {
  std::erase_if(task_.baselines, [number](const BaselineData& b) { return b.number == number; });
  task_.baselines.push_back(
      {number, DateOrNothing(start), DateOrNothing(finish), duration, work, cost});
  return *this;
}

TaskBuilder& TaskBuilder::Field(long field_id, std::string value) {
  std::erase_if(task_.custom_fields,
                [field_id](const CustomFieldValue& f) { return f.field_id == field_id; });
  task_.custom_fields.push_back({field_id, std::move(value)});
  return *this;
}

TaskBuilder& TaskBuilder::Resource(std::string_view name, double units) {
  auto it = std::find(resource_names_.begin(), resource_names_.end(), name);
  const auto index = static_cast<int>(it - resource_names_.begin());
  if (it == resource_names_.end()) resource_names_.emplace_back(name);
  task_.assignments.push_back({index, units});
  return *this;
}

ProjectBuilder::ProjectBuilder() {
  data_.version = std::string(kApplicationVersion);
  data_.views = DefaultViewNames();
}

ProjectBuilder& ProjectBuilder::Version(std::string version) {
  data_.version = std::move(version);
  return *this;
}
ProjectBuilder& ProjectBuilder::Views(std::vector<std::string> names) {
  data_.views = std::move(names);
  return *this;
}
ProjectBuilder& ProjectBuilder::ProjectStart(std::string_view date) {
  data_.start = DateOrNothing(date);
  return *this;
}
ProjectBuilder& ProjectBuilder::ProjectFinish(std::string_view date) {
  data_.finish = DateOrNothing(date);
  return *this;
}
ProjectBuilder& ProjectBuilder::StatusDate(std::string_view date) {
  data_.status_date = DateOrNothing(date);
  return *this;
}
ProjectBuilder& ProjectBuilder::CurrentDate(std::string_view date) {
  data_.current_date = DateOrNothing(date);
  return *this;
}
ProjectBuilder& ProjectBuilder::PercentComplete(int value) {
  data_.percent_complete = value;
  return *this;
}
ProjectBuilder& ProjectBuilder::MinutesPerDay(int minutes) {
  data_.minutes_per_day = minutes;
  return *this;
}
ProjectBuilder& ProjectBuilder::Currency(std::string symbol, int position, int digits) {
  data_.currency = {std::move(symbol), position, digits};
  return *this;
}
ProjectBuilder& ProjectBuilder::Calendar(CalendarData calendar) {
  data_.calendar = std::move(calendar);
  return *this;
}

TaskBuilder& ProjectBuilder::AddTask(std::string name, int outline_level) {
  TaskData& task = tasks_.emplace_back();
  task.name = std::move(name);
  task.outline_level = outline_level;
  return builders_.emplace_back(task, data_.resource_names);
}

ProjectBuilder& ProjectBuilder::AddBlankLine() {
  TaskData& task = tasks_.emplace_back();
  task.blank = true;
  task.outline_level = 0;
  return *this;
}

std::shared_ptr<Project> ProjectBuilder::Build() const {
  auto data = std::make_unique<ProjectData>(data_);
  data->tasks.assign(tasks_.begin(), tasks_.end());
  return std::make_shared<Project>(std::move(data));
}

}  // namespace taskvane::project
