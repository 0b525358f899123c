#pragma once

#include <functional>
#include <string>

namespace taskvane {

class MainWindowControls;

// The writers the dispatcher chooses from; ExportExcel passes the real ones.
struct ExcelWriters {
  std::function<void(MainWindowControls&, const std::string&)> ExportGanttByWeek;
  std::function<void(MainWindowControls&, const std::string&)> ExportGanttByDay;
  std::function<void(MainWindowControls&, std::string, const std::string&)> ExportOutlineList;
};

// ExportExcel's choice: the first visible marker among lblOption(1..3) decides; the Gantt
// sheet is by week only when cmbWeeklyOrDaily shows exactly "주별". The outline writer gets
// its own copy of the form text.
void DispatchExcelConversion(MainWindowControls& frmMain, const std::string& path,
                             const ExcelWriters& writers);

}  // namespace taskvane
