#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "excel_export/gantt_sheet.h"
#include "excel_export/gantt_writer.h"
#include "platform/excel/excel.h"
#include "platform/excel/sheet_model.h"
#include "tests/excel_export/excel_export_fixture.h"

namespace taskvane::testing {

// A Gantt conversion over a schedule built in code. The schedule reports version "12.0", so
// its undefined dates read "사용할 수 없음" as NotAvailableText expects; the start level is 1.
class GanttTest : public ExcelExportTest {
 protected:
  static constexpr const char* kNA = "사용할 수 없음";

  GanttTest() {
    schedule.Version("12.0");
    if (frmMain.cmbStartOutlineforExcel.ListCount() == 0) {
      frmMain.cmbStartOutlineforExcel.AddItem("1");
      frmMain.cmbStartOutlineforExcel.AddItem("2");
    }
    frmMain.cmbStartOutlineforExcel.SelectText("1");
    frmMain.cmbBaseline.SelectText("초기계획");
  }

  // The Gantt sheet of a new conversion, with a workbook application of `version`.
  GanttSheet& Gantt(GanttTimeline kind, const std::string& version = "12.0",
                    const std::string& file_name = "gantt.xlsx") {
    conv_ = Conversion(file_name);
    gantt_ = std::make_unique<GanttSheet>(*conv_, kind);
    gantt_->CreateObject = [version](std::string_view) {
      return std::make_unique<excel::Workbook>(version);
    };
    return *gantt_;
  }

  // Writes the sheet up to the finishing steps and keeps it for inspection.
  bool Write(GanttTimeline kind, const std::string& version = "12.0") {
    return WriteGanttSheet(Gantt(kind, version));
  }
  // The whole writer, saving to `file_name` in the scratch folder.
  void Run(GanttTimeline kind, const std::string& file_name = "gantt.xlsx") {
    RunGanttWriter(Gantt(kind, "12.0", file_name));
  }

  // A plain task at `level` from `start` to `finish` (dates "yyyy-mm-dd").
  project::TaskBuilder& Task(const std::string& name, int level, const std::string& start,
                             const std::string& finish) {
    return schedule.AddTask(name, level).Start(start + " 08:00").Finish(finish + " 17:00");
  }
  void Project(const std::string& start, const std::string& finish) {
    schedule.ProjectStart(start + " 08:00").ProjectFinish(finish + " 17:00");
  }

  ExcelConversion& conv() { return *conv_; }
  GanttSheet& gantt() { return *gantt_; }
  excel::Worksheet& sheet() { return *conv_->Sheet; }
  excel::CellValue At(long row, long column) { return sheet().Cells(row, column).Value.get(); }
  long Pattern(long row, long column) { return sheet().Cells(row, column).Interior.Pattern; }
  long Edge(long row, long column, long index) {
    return sheet().Cells(row, column).Borders(index).LineStyle;
  }
  long EdgeColour(long row, long column, long index) {
    return sheet().Cells(row, column).Borders(index).ColorIndex;
  }
  std::string LastMessage() const {
    return services.Messages().empty() ? "" : services.Messages().back();
  }

 private:
  std::unique_ptr<ExcelConversion> conv_;
  std::unique_ptr<GanttSheet> gantt_;
};

// What openpyxl and the drawing part show of a saved Gantt workbook (read_gantt.py).
inline WorkbookFacts ReadGanttBack(const std::string& path) {
  return ReadWithScript("read_gantt.py", path);
}

}  // namespace taskvane::testing
