#pragma once

// The contents of a schedule document as plain values: what the loader reads from a file
// and what ProjectBuilder fills in code. Project answers every member from these.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime/date.h"

namespace taskvane::project {

// A stretch of working time within one day, in minutes from 00:00; to_minute may be
// 1440 (midnight at the end of the day). from_minute < to_minute.
struct WorkingTime {
  int from_minute = 0;
  int to_minute = 0;
  friend bool operator==(const WorkingTime&, const WorkingTime&) = default;
};

// The working times of one day, in order, not overlapping; empty for a day off.
using DayPattern = std::vector<WorkingTime>;

// Days first_day..last_day (both included) with working times of their own.
struct CalendarException {
  DaySerial first_day = 0;
  DaySerial last_day = 0;
  DayPattern working_times;
};

// A work week: for the days first_day..last_day, the weekdays it defines replace the
// calendar's ordinary week (index 0 = Sunday .. 6 = Saturday).
struct WorkWeek {
  DaySerial first_day = 0;
  DaySerial last_day = 0;
  std::array<std::optional<DayPattern>, 7> days;
};

// A calendar with its base calendar already merged in: what a day's working time is.
// Exceptions win over work weeks, work weeks over the ordinary week.
struct CalendarData {
  std::array<DayPattern, 7> week;  // index 0 = Sunday .. 6 = Saturday
  std::vector<WorkWeek> work_weeks;
  std::vector<CalendarException> exceptions;  // sorted by first_day, not overlapping

  // Monday to Friday 08:00-12:00 and 13:00-17:00; Saturday and Sunday off.
  static CalendarData Standard();
};

// Currency display of the file: symbol, where it stands, and decimals.
struct CurrencyFormat {
  std::string symbol = "₩";
  int position = 0;  // 0 before, 1 after, 2 before with a space, 3 after with a space
  int digits = 0;
};

// Baseline "Baseline" (number 0) or Baseline1..Baseline10 of a task.
struct BaselineData {
  int number = 0;
  std::optional<DateTime> start;
  std::optional<DateTime> finish;
  double duration = 0;  // minutes
  double work = 0;      // minutes
  double cost = 0;      // currency units
};

// The value of a custom field (Number1-20, Text1-30, Cost1-10) of a task, as the file
// writes it: numbers as decimal text, texts as they are, costs in hundredths.
struct CustomFieldValue {
  long field_id = 0;
  std::string value;
};

// A resource working on a task: index into ProjectData::resource_names, and its units
// (1 = 100 %).
struct AssignmentData {
  int resource = 0;
  double units = 1;
};

struct TaskData {
  bool blank = false;  // a blank task line: no task object
  std::string name;
  int outline_level = 1;
  bool summary = false;
  bool estimated = false;
  std::string subproject;  // path of an inserted project
  int percent_complete = 0;
  int percent_work_complete = 0;
  int physical_percent_complete = 0;
  std::optional<DateTime> start;
  std::optional<DateTime> finish;
  std::optional<DateTime> actual_start;
  std::optional<DateTime> actual_finish;
  std::optional<DateTime> stop;         // completed-through point, when progress exists
  double duration = 0;                  // minutes
  double remaining_duration = 0;        // minutes
  double actual_duration = 0;           // minutes
  double work = 0;                      // minutes
  double cost = 0;                      // currency units
  double actual_cost = 0;               // currency units
  std::vector<BaselineData> baselines;  // at most one per number 0..10
  std::vector<CustomFieldValue> custom_fields;
  std::vector<AssignmentData> assignments;  // in file order
};

struct ProjectData {
  std::string version{"16.0"};
  std::vector<std::string> views;  // ProjectViews, in order
  std::optional<DateTime> start;
  std::optional<DateTime> finish;
  std::optional<DateTime> status_date;
  std::optional<DateTime> current_date;  // status fallback when no status date is set
  int percent_complete = 0;              // of the project summary task
  int minutes_per_day = 480;
  int default_finish_minute = 17 * 60;
  CurrencyFormat currency;
  CalendarData calendar = CalendarData::Standard();  // the project's calendar
  std::vector<std::string> resource_names;
  std::vector<TaskData> tasks;  // the task lines with IDs 1..n, in ID order
};

}  // namespace taskvane::project
