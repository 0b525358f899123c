#include "platform/project/task_status.h"

namespace taskvane::project {

TaskStatus StatusOf(const ProjectData& project, const WorkingTimeCalendar& calendar,
                    const TaskData& task) {
  if (task.percent_complete >= 100) return TaskStatus::kComplete;
  const std::optional<DateTime> status_date =
      project.status_date ? project.status_date : project.current_date;
  if (!status_date || !task.start) return TaskStatus::kNoData;
  if (*task.start > *status_date) return TaskStatus::kFutureTask;
  const DateTime day_start{status_date->day, 0};
  bool reached = false;
  if (task.stop) {
    reached = calendar.WorkingMinutes(*task.stop, day_start) <= 0;
  } else {
    const double done = task.duration * task.percent_complete / 100.0;
    reached = static_cast<double>(calendar.WorkingMinutes(*task.start, day_start)) <= done;
  }
  return reached ? TaskStatus::kOnSchedule : TaskStatus::kLate;
}

std::string StatusText(TaskStatus status) {
  switch (status) {
    case TaskStatus::kComplete:
      return "완료";
    case TaskStatus::kOnSchedule:
      return "정상 진행";
    case TaskStatus::kLate:
      return "지연";
    case TaskStatus::kFutureTask:
      return "미래 작업";
    case TaskStatus::kNoData:
      break;
  }
  return "";
}

}  // namespace taskvane::project
