#pragma once

#include <string>

namespace taskvane {

// The row record of a slide's task loop: the level counters and names that number the
// rows, the last row of the task table, and the figures of the current task. Each slide's
// loop resets the counters and names; the slide builder sets TableRow to 1 (the header).
struct ReportRow {
  int Level1Counter = 0;  // running number of the level-L tasks
  int Level2Counter = 0;  // running number of the level-L+1 tasks under the current one
  std::string Level1Name;
  std::string Level2Name;
  std::string Level3Name;
  int TableRow = 1;  // last row of the task table in use; 1 = the header row

  std::string StartText;     // "yyyy-mm-dd", the not-available text, or ""
  std::string FinishText;    // same form
  std::string TaskDuration;  // minutes, as a number in text form
  double TaskWeight = 0;     // work (or baseline work) in minutes
  double PlannedRatio = 0;   // 0..1, two decimals
};

}  // namespace taskvane
