#pragma once

// Rules every schedule reader applies to the task lines it reads: how many lines a
// schedule may hold, which durations and amounts are believable, and how outline levels
// may follow each other.

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/project/schedule_data.h"

namespace taskvane::project {

// Project's own limit on the number of tasks in a schedule.
inline constexpr std::size_t kMaxTasks = 1000000;
// Durations and work beyond this many minutes (about 19,000 years) are damaged values.
inline constexpr double kMaxMinutes = 1e10;
// Money amounts beyond this (either sign) are damaged values.
inline constexpr double kMaxAmount = 1e13;
// The reason given for a schedule with more than kMaxTasks lines.
inline constexpr std::string_view kTooManyTasks = "작업이 너무 많습니다.";

// `minutes` when it is a believable duration or work (0..kMaxMinutes), else 0.
double BelievableMinutes(double minutes);
// `amount` when it is a believable amount (-kMaxAmount..kMaxAmount), else 0.
double BelievableAmount(double amount);

// Raises AutomationError 432 naming `path` unless the first task line is at level 1 and
// no line is more than one level below the line before it; blank lines have no level.
void CheckOutlineLevels(const std::vector<TaskData>& tasks, std::string_view path);

}  // namespace taskvane::project
