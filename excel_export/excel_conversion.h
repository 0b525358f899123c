#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/excel/range.h"
#include "platform/excel/workbook.h"
#include "platform/excel/worksheet.h"
#include "platform/project/project.h"

namespace taskvane {

class MainWindowControls;

// The working values of one Excel conversion: the opened schedule, the task being written,
// the workbook and its sheet, and the block the next format operation acts on. A writer
// makes one when it starts and hands it to the shared steps (schedule_opening.h,
// range_format.h, workbook_finishing.h); the finishing steps release its references.
struct ExcelConversion {
  ExcelConversion(MainWindowControls& form, std::string output_path)
      : frmMain(form), path(std::move(output_path)) {}
  ExcelConversion(const ExcelConversion&) = delete;
  ExcelConversion& operator=(const ExcelConversion&) = delete;

  // The main window: the options of the conversion, the status bar, the message boxes.
  MainWindowControls& frmMain;
  // The output path the writer was given; the result is saved here.
  std::string path;

  // How the schedule is opened: the schedule document layer, or a document built in code.
  std::function<std::shared_ptr<project::Project>(const std::string&)> OpenProjectFile =
      project::OpenProjectFile;

  std::shared_ptr<project::Project> CurrentProject;
  const project::TaskCollection* ProjectTasks = nullptr;
  const project::Task* CurrentTask = nullptr;

  std::unique_ptr<excel::Workbook> Workbook;
  excel::Worksheet* Sheet = nullptr;
  // The block the next format operation of range_format.h acts on; refers to nothing
  // until a writer points it somewhere.
  excel::Range CurrentRange;

  // The project's start and finish as "yyyy-mm-dd", read by a pre-scan that asks for them.
  std::string ProjectStartDate;
  std::string ProjectFinishDate;

  // The week sheet's columns: WeekKeys[w - 1] is the key of week column w.
  std::vector<std::string> WeekKeys;
  int WeekCount = 0;
  // The week writer's step marker, shown by its error report.
  std::string ErrorPosition;
  // Sheet rows whose texts were cut to what a cell holds; named after saving.
  std::set<long> CutTextRows;

  // Puts a progress text on the status bar.
  void Status(const std::string& text);
};

}  // namespace taskvane
