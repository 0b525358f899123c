#pragma once

// Schedule documents made in code, for tests: any version, views, tasks and calendar.
//
//   ProjectBuilder b;
//   b.Version("12.0").Views({"Gantt 차트"}).ProjectStart("2024-03-04 08:00");
//   b.AddTask("Phase", 1).Summary().Start("2024-03-04 08:00").Finish("2024-03-08 17:00");
//   b.AddTask("Design", 2).Duration(960).PercentComplete(50).Baseline(0, "2024-03-04 08:00",
//                                                                     "2024-03-05 17:00");
//   b.AddBlankLine();
//   std::shared_ptr<Project> doc = b.Build();
//
// Date arguments are texts "yyyy-mm-dd" or "yyyy-mm-dd HH:MM"; an empty text leaves the
// date undefined. A text that is not a date raises AutomationError 13.

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/project/project.h"
#include "platform/project/schedule_data.h"

namespace taskvane::project {

// One task being built; every setter returns the same builder so calls chain. Valid until
// the ProjectBuilder that made it is destroyed.
class TaskBuilder {
 public:
  TaskBuilder(TaskData& task, std::vector<std::string>& resource_names)
      : task_(task), resource_names_(resource_names) {}

  TaskBuilder& Summary(bool value = true);
  TaskBuilder& Estimated(bool value = true);
  TaskBuilder& Subproject(std::string path);
  TaskBuilder& PercentComplete(int value);
  TaskBuilder& PercentWorkComplete(int value);
  TaskBuilder& PhysicalPercentComplete(int value);
  TaskBuilder& Start(std::string_view date);
  TaskBuilder& Finish(std::string_view date);
  TaskBuilder& ActualStart(std::string_view date);
  TaskBuilder& ActualFinish(std::string_view date);
  TaskBuilder& Stop(std::string_view date);
  TaskBuilder& Duration(double minutes);
  TaskBuilder& RemainingDuration(double minutes);
  TaskBuilder& ActualDuration(double minutes);
  TaskBuilder& Work(double minutes);
  TaskBuilder& Cost(double amount);
  TaskBuilder& ActualCost(double amount);
  // Baseline `number` (0 = "Baseline", 1..10); replaces an earlier one of that number.
  TaskBuilder& Baseline(int number, std::string_view start, std::string_view finish,
                        double duration = 0, double work = 0, double cost = 0);
  // A custom field as the file would hold it (number text, text, cost in hundredths).
  TaskBuilder& Field(long field_id, std::string value);
  // Assigns the resource of that name (added to the schedule's resources when new).
  TaskBuilder& Resource(std::string_view name, double units = 1);

 private:
  TaskData& task_;
  std::vector<std::string>& resource_names_;
};

class ProjectBuilder {
 public:
  // Starts as Project itself reports: version "16.0" and the application's views.
  ProjectBuilder();
  ProjectBuilder(const ProjectBuilder&) = delete;
  ProjectBuilder& operator=(const ProjectBuilder&) = delete;
  ProjectBuilder& Version(std::string version);
  ProjectBuilder& Views(std::vector<std::string> names);
  ProjectBuilder& ProjectStart(std::string_view date);
  ProjectBuilder& ProjectFinish(std::string_view date);
  ProjectBuilder& StatusDate(std::string_view date);
  ProjectBuilder& CurrentDate(std::string_view date);
  ProjectBuilder& PercentComplete(int value);
  ProjectBuilder& MinutesPerDay(int minutes);
  ProjectBuilder& Currency(std::string symbol, int position, int digits);
  ProjectBuilder& Calendar(CalendarData calendar);

  // Appends the next task line (ID = number of lines so far + 1).
  TaskBuilder& AddTask(std::string name, int outline_level);
  // Appends a blank task line.
  ProjectBuilder& AddBlankLine();

  // The document; the builder may be used again afterwards.
  std::shared_ptr<Project> Build() const;

 private:
  ProjectData data_;
  std::deque<TaskData> tasks_;
  std::deque<TaskBuilder> builders_;
};

}  // namespace taskvane::project
