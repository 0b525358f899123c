#pragma once

// The schedule document: what the exporters ask of Microsoft Project, answered from a
// schedule saved in Project's XML interchange format (MSPDI).
//
//   std::shared_ptr<project::Project> CurrentProject = project::OpenProjectFile(path);
//   const project::TaskCollection* ProjectTasks = &CurrentProject->Tasks();
//   for (int i = 1; i <= ProjectTasks->Count(); ++i) {
//     const project::Task* CurrentTask = ProjectTasks->Item(i);
//     if (CurrentTask == nullptr) { ... blank task line ... }
//     CurrentTask->Start();            // "2024-03-04 08:00" or "사용할 수 없음"
//     CurrentTask->GetField(188743715);  // "2024-03-04"
//   }
//   CurrentProject->Application().DateDifference("2024-03-04", "2024-03-06");  // 960
//
// Objects handed out by a Project (its application, views, task collection and tasks) live
// as long as the Project; hold the shared_ptr while using them. The document is read-only
// except for the status date, which may be changed for the life of the document and is
// never saved. Failures raise AutomationError (platform/runtime/automation_error.h).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/automation_error.h"

namespace taskvane::project {

struct ProjectData;
struct TaskData;
class Project;
class WorkingTimeCalendar;

// The text this application shows for an undefined date.
inline constexpr std::string_view kNotAvailableText = "사용할 수 없음";
// The version the application reports for every schedule it opens.
inline constexpr std::string_view kApplicationVersion = "16.0";
// The application's views, in the order ProjectViews lists them.
const std::vector<std::string>& DefaultViewNames();

// Number of the error raised for an argument the application refuses (an unknown field
// identifier, a baseline number outside 1..10).
inline constexpr long kErrInvalidArgument = 1101;

// Opens a schedule saved by Project, chosen by the file's content: a binary .mpp file of
// Project 2000 or later, or Project XML (UTF-8 or UTF-16, with or without a byte-order
// mark). A missing, unreadable, oversized, malformed, damaged or non-Project file, a
// Project 98 or older file and a file that needs a password to be opened raise
// AutomationError 432 (kErrFileOpen) with a Korean description that names the file and the
// reason.
std::shared_ptr<Project> OpenProjectFile(const std::string& path);

// Project's application object, as reached from a document.
class Application {
 public:
  // "16.0" for files opened here; whatever a builder chose for documents made in code.
  const std::string& Version() const;

  // Working time in minutes between two date texts ("yyyy-mm-dd" or "yyyy-mm-dd HH:MM";
  // a date alone means 00:00) on the project's calendar. Equal dates give 0; a finish
  // before the start gives the negative of the reverse difference. A text that is not a
  // date (the not-available text included) raises AutomationError 13.
  long DateDifference(std::string_view start_text, std::string_view finish_text) const;

 private:
  friend class Project;
  Application(const ProjectData& data, const WorkingTimeCalendar& calendar)
      : data_(data), calendar_(calendar) {}
  const ProjectData& data_;
  const WorkingTimeCalendar& calendar_;
};

class View {
 public:
  const std::string& Name() const { return name_; }

 private:
  friend class ViewCollection;
  explicit View(std::string name) : name_(std::move(name)) {}
  std::string name_;
};

// ProjectViews: Item(i) for i = 1 .. Count(); other i raise AutomationError 9.
class ViewCollection {
 public:
  int Count() const { return static_cast<int>(views_.size()); }
  const View& Item(int index) const;

 private:
  friend class Project;
  explicit ViewCollection(const std::vector<std::string>& names);
  std::vector<View> views_;
};

// One task line. Dates come back as texts "yyyy-mm-dd HH:MM", or kNotAvailableText when
// the date is not defined; durations and work as minutes. All members are constant time.
class Task {
 public:
  const std::string& Name() const;
  int OutlineLevel() const;  // 1 = top level
  bool Summary() const;
  // The path of the inserted project for a subproject task; empty for an ordinary task.
  const std::string& Subproject() const;
  int PercentComplete() const;  // 0..100

  std::string Start() const;
  std::string Finish() const;
  std::string ActualStart() const;
  std::string ActualFinish() const;
  std::string BaselineStart() const;  // the baseline saved as "Baseline" (number 0)
  std::string BaselineFinish() const;
  // Baseline1 .. Baseline10: n outside 1..10 raises AutomationError kErrInvalidArgument.
  std::string BaselineNStart(int n) const;
  std::string BaselineNFinish(int n) const;

  double Duration() const;          // minutes of working time
  double BaselineDuration() const;  // 0 when the baseline is not set
  double Work() const;              // minutes
  double BaselineWork() const;      // 0 when the baseline is not set

  // The text Project shows for the task field with this identifier, for the 79 fields of
  // the catalogue: dates "yyyy-mm-dd" (or kNotAvailableText), durations in days ("5일",
  // "0.5일", "1일?" when estimated), work in hours ("40시간"), percentages ("45%"), costs
  // with the file's currency symbol, position and digits ("₩1,500"), Number/Text/Cost
  // custom fields (defaults "0", "", zero cost), resource names ("A,B[50%]") and the
  // status ("완료", "정상 진행", "지연", "미래 작업"). Any other identifier raises
  // AutomationError kErrInvalidArgument.
  std::string GetField(long field_id) const;

 private:
  friend class TaskCollection;
  Task(const ProjectData& project, const WorkingTimeCalendar& calendar, const TaskData& data)
      : project_(&project), calendar_(&calendar), data_(&data) {}
  const ProjectData* project_;
  const WorkingTimeCalendar* calendar_;
  const TaskData* data_;
};

// Tasks: Item(i) is the task with ID i, i = 1 .. Count(). The project summary task (ID 0)
// is not in the collection. A blank task line counts in Count() and gives nullptr
// ("Is Nothing"). An i outside 1..Count() raises AutomationError 9.
class TaskCollection {
 public:
  int Count() const { return static_cast<int>(lines_.size()); }
  const Task* Item(int index) const;

 private:
  friend class Project;
  TaskCollection(const ProjectData& data, const WorkingTimeCalendar& calendar);
  std::vector<Task> tasks_;         // the non-blank lines
  std::vector<const Task*> lines_;  // per line: its task, or nullptr for a blank line
};

// A schedule document. Not copyable; OpenProjectFile and ProjectBuilder hand it out as a
// shared_ptr.
class Project {
 public:
  explicit Project(std::unique_ptr<ProjectData> data);
  ~Project();
  Project(const Project&) = delete;
  Project& operator=(const Project&) = delete;

  const project::Application& Application() const { return application_; }
  const ViewCollection& ProjectViews() const { return views_; }
  const TaskCollection& Tasks() const { return tasks_; }

  // "yyyy-mm-dd HH:MM", or kNotAvailableText when the schedule has no status date.
  std::string StatusDate() const;
  // Accepts "yyyy-mm-dd" (taken at the project's default finish time, as Project does),
  // "yyyy-mm-dd HH:MM", or kNotAvailableText (no status date), so that a value read from
  // StatusDate() can be written back. Anything else raises AutomationError 13.
  void SetStatusDate(const std::string& text);

  int PercentComplete() const;       // the project summary task's, 0..100
  std::string ProjectStart() const;  // "yyyy-mm-dd HH:MM" or kNotAvailableText
  std::string ProjectFinish() const;

 private:
  std::unique_ptr<ProjectData> data_;
  std::unique_ptr<WorkingTimeCalendar> calendar_;  // the project's calendar, prepared
  project::Application application_;
  ViewCollection views_;
  TaskCollection tasks_;
};

}  // namespace taskvane::project
