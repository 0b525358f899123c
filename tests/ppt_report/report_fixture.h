#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "console/main_window_controls.h"
#include "platform/powerpoint/powerpoint.h"
#include "platform/project/project_builder.h"
#include "ppt_report/weekly_report.h"
#include "tests/support/recording_services.h"

namespace taskvane::testing {

// The report's form over recording services with a filled PowerPoint panel: last period
// Monday 2024-03-04 to Sunday 2024-03-10, next period 2024-03-11 to 2024-03-17, start level
// 1, current figures, the result not opened. `Run` converts the schedule of `schedule` (built in
// code) and keeps the presentation application, so the slides can be read after the report released
// it.
class WeeklyReportTest : public ::testing::Test {
 protected:
  WeeklyReportTest();
  ~WeeklyReportTest() override;

  // A working task of `minutes` from `start` 08:00 to `finish` 17:00 (dates "yyyy-mm-dd").
  project::TaskBuilder& Work(std::string name, int level, const std::string& start,
                             const std::string& finish, double minutes = 960);
  // A summary task over the same span.
  project::TaskBuilder& Summary(std::string name, int level, const std::string& start,
                                const std::string& finish);

  // Runs the report on the built schedule, saving to `output` (default: a fresh path in
  // the test's folder). AutomationErrors of the report reach the caller.
  void Run();

  ppt::Slide& SlideAt(int index) const;
  ppt::Table& PeriodTable(int slide = 1) const { return SlideAt(slide).Shapes(1).Table; }
  ppt::Table& TaskTable(int slide = 1) const { return SlideAt(slide).Shapes(2).Table; }
  // Grid texts of a table row by row; a covered cell reads "~".
  static std::vector<std::vector<std::string>> CellTexts(const ppt::Table& table);
  static std::string Text(const ppt::Table& table, int row, int column);

  RecordingServices services;
  MainWindowControls form{services, BuildVariant::Lite};
  project::ProjectBuilder schedule;
  std::shared_ptr<project::Project> document;    // the schedule the report opened
  std::shared_ptr<ppt::Application> powerpoint;  // the report's application
  std::vector<std::string> statuses;             // every status text, in order
  // The schedule's status date whenever the status bar showed "Merge 중".
  std::vector<std::string> status_dates_at_merge;
  std::filesystem::path folder;
  std::string output;
};

}  // namespace taskvane::testing
