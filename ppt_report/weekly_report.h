#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/powerpoint/powerpoint.h"
#include "platform/project/project.h"
#include "ppt_report/report_row.h"

namespace taskvane {

class MainWindowControls;

// The working values of one weekly report: the opened schedule and the task being
// written, the presentation and the slide under construction with its two tables, the
// status dates and the row record. ExportWeeklyReport makes one per conversion; the steps
// of both slides work on it and the driver releases its references at the end.
struct WeeklyReport {
  WeeklyReport(MainWindowControls& form, std::string output_path);
  WeeklyReport(const WeeklyReport&) = delete;
  WeeklyReport& operator=(const WeeklyReport&) = delete;

  // The main window: the options of the report, the status bar, the message boxes.
  MainWindowControls& frmMain;
  // The output path the report was given; the presentation is saved here.
  std::string path;

  // How the schedule is opened and the presentation application started: the real layers,
  // or stand-ins (a schedule built in code, an application a test keeps hold of).
  std::function<std::shared_ptr<project::Project>(const std::string&)> OpenProjectFile =
      project::OpenProjectFile;
  std::function<std::shared_ptr<ppt::Application>(std::string_view)> CreateObject =
      [](std::string_view class_name) {
        return std::shared_ptr<ppt::Application>(ppt::CreateObject(class_name));
      };

  std::shared_ptr<project::Project> CurrentProject;
  const project::TaskCollection* ProjectTasks = nullptr;
  const project::Task* CurrentTask = nullptr;
  // The number i of CurrentTask (Tasks.Item(i)) while a task loop runs; 0 outside one, so a
  // failure names the task it stopped at.
  int CurrentTaskNumber = 0;

  // The schedule's status date before the slide changed it, and the slide's own.
  std::string SavedProjectDate;
  std::string ReportStatusDate;

  std::shared_ptr<ppt::Application> PowerPointApp;
  ppt::Presentation* ReportPresentation = nullptr;
  ppt::Slide* ReportSlide = nullptr;
  ppt::Shape* PeriodTable = nullptr;
  ppt::Shape* TaskTable = nullptr;

  taskvane::ReportRow ReportRow;

  // Puts a progress text on the status bar.
  void Status(const std::string& text);
  // L: the whole number of cmbStartOutline's text, read anew at each use. A text that is
  // not a whole number raises AutomationError 13.
  int StartLevel() const;

  // The references above; one that is not set raises AutomationError 91.
  project::Project& Project() const;
  const project::TaskCollection& Tasks() const;
  const project::Task& Task() const;
  ppt::Presentation& Presentation() const;
  ppt::Slide& Slide() const;
  ppt::Table& PeriodCells() const;
  ppt::Table& TaskCells() const;
};

}  // namespace taskvane
