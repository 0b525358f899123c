#pragma once

// The status Project derives for a task from its dates, its progress and the status
// date.

#include <string>

#include "platform/project/calendar.h"
#include "platform/project/schedule_data.h"

namespace taskvane::project {

enum class TaskStatus { kComplete, kOnSchedule, kLate, kFutureTask, kNoData };

// 1. 100 % complete: complete.
// 2. Starting after the status date: future task.
// 3. Progress reaching 00:00 of the status date's day (no working time left between the
//    completed-through point and it): on schedule; otherwise late. The completed-through
//    point is the task's Stop when the file has one; without it the task is taken to
//    have worked its percent complete of its duration from its start.
// The status date is the schedule's, else its current date; with neither, or a task
// without a start, there is no data.
TaskStatus StatusOf(const ProjectData& project, const WorkingTimeCalendar& calendar,
                    const TaskData& task);

// "완료", "정상 진행", "지연", "미래 작업"; "" for no data.
std::string StatusText(TaskStatus status);

}  // namespace taskvane::project
