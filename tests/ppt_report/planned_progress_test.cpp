#include <gtest/gtest.h>

#include <memory>

#include "platform/project/project_builder.h"
#include "ppt_report/planned_progress.h"

namespace taskvane {
namespace {

// Ratios on the standard calendar (weekdays 08:00-12:00 and 13:00-17:00). 2024-03-04 is a
// Monday.
class PlannedRatioTest : public ::testing::Test {
 protected:
  double Ratio(const std::string& start, const std::string& finish, const std::string& duration,
               const std::string& S) {
    ReportRow row;
    row.StartText = start;
    row.FinishText = finish;
    row.TaskDuration = duration;
    return PlannedRatio(row, S, document->Application());
  }

  std::shared_ptr<project::Project> document = project::ProjectBuilder().Build();
};

TEST_F(PlannedRatioTest, ShortTasksAreDoneOrNotDone) {
  // A milestone, and a task of exactly 480 minutes, by their finish alone.
  EXPECT_EQ(Ratio("2024-03-06", "2024-03-06", "0", "2024-03-06"), 1);
  EXPECT_EQ(Ratio("2024-03-06", "2024-03-07", "0", "2024-03-06"), 0);
  EXPECT_EQ(Ratio("2024-03-04", "2024-03-07", "480", "2024-03-06"), 0);
  // 481 minutes takes the working-time share instead.
  EXPECT_DOUBLE_EQ(Ratio("2024-03-04", "2024-03-07", "481", "2024-03-06"), 0.67);
  // A duration that is not a number counts as 0 minutes.
  EXPECT_EQ(Ratio("2024-03-04", "2024-03-07", "abc", "2024-03-06"), 0);
  EXPECT_EQ(Ratio("2024-03-04", "2024-03-07", "abc", "2024-03-07"), 1);
}

TEST_F(PlannedRatioTest, LongTasksByWorkingTimeUpToTheStatusDate) {
  // Monday to Thursday: at Wednesday two of the three working days are done.
  EXPECT_DOUBLE_EQ(Ratio("2024-03-04", "2024-03-07", "1920", "2024-03-06"), 0.67);
  EXPECT_EQ(Ratio("2024-03-04", "2024-03-07", "1920", "2024-03-07"), 1);
  // Starting on the status date or later: not started, however long.
  EXPECT_EQ(Ratio("2024-03-06", "2024-03-29", "8000", "2024-03-06"), 0);
  EXPECT_EQ(Ratio("2024-03-07", "2024-03-29", "8000", "2024-03-06"), 0);
  // From a Monday to the next Monday, at the Sunday between: the five working days before
  // the finish day are all done.
  EXPECT_EQ(Ratio("2024-03-04", "2024-03-11", "2400", "2024-03-10"), 1);
  // Halves go to the even neighbour: 1 of 8 days is 0.125 -> 0.12.
  EXPECT_DOUBLE_EQ(Ratio("2024-03-04", "2024-03-14", "3840", "2024-03-05"), 0.12);
}

TEST_F(PlannedRatioTest, NoWorkingTimeBetweenStartAndFinishGivesZero) {
  // Saturday to the start of Monday, longer than 480 minutes by its duration, status date
  // on the Sunday between.
  EXPECT_EQ(Ratio("2024-03-09", "2024-03-11", "960", "2024-03-10"), 0);
}

TEST(ProgressSumsTest, WeightIsWorkOrElseTheDuration) {
  ProgressSums sums;
  ReportRow by_work;
  by_work.TaskWeight = 2400;
  by_work.TaskDuration = "960";
  by_work.PlannedRatio = 1;
  AddToProgressSums(by_work, sums);
  EXPECT_EQ(sums.W, 2400);
  ReportRow by_duration;
  by_duration.TaskWeight = 0;
  by_duration.TaskDuration = "960";
  by_duration.PlannedRatio = 0.5;
  AddToProgressSums(by_duration, sums);
  EXPECT_EQ(sums.W, 3360);
  EXPECT_EQ(sums.P, 2400 + 480);
  // A duration of 2.5 minutes rounds to 2, halves to even; a non-number weighs nothing.
  ReportRow odd;
  odd.TaskDuration = "2.5";
  AddToProgressSums(odd, sums);
  odd.TaskDuration = "x";
  AddToProgressSums(odd, sums);
  EXPECT_EQ(sums.W, 3362);
}

TEST(PeriodRateTest, SharesOfWeightInPercent) {
  ProgressSums sums;
  ReportRow task;
  task.TaskWeight = 960;
  task.PlannedRatio = 1;
  AddToProgressSums(task, sums);
  task.PlannedRatio = 0.5;
  AddToProgressSums(task, sums);
  EXPECT_EQ(PeriodRateText(sums), "75%");
  EXPECT_EQ(PeriodRateText(ProgressSums{3, 1}), "33.3%");
  EXPECT_EQ(PeriodRateText(ProgressSums{8, 1}), "12.5%");
  // Just above a half is no half; a true half goes to the even digit.
  EXPECT_EQ(PeriodRateText(ProgressSums{1, 0.4245000001666}), "42.5%");
  EXPECT_EQ(PeriodRateText(ProgressSums{4, 0.33}), "8.2%");
  EXPECT_EQ(PeriodRateText(ProgressSums{}), "-");
}

}  // namespace
}  // namespace taskvane
