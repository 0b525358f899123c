#include "excel_export/export_excel.h"

#include "console/main_window_controls.h"
#include "excel_export/export_excel_dispatch.h"
#include "excel_export/gantt.h"
#include "excel_export/outline_list.h"

namespace taskvane {

void DispatchExcelConversion(MainWindowControls& frmMain, const std::string& path,
                             const ExcelWriters& writers) {
  if (frmMain.lblOption(1).Visible) {
    if (frmMain.cmbWeeklyOrDaily.Text == std::string("주별")) {
      writers.ExportGanttByWeek(frmMain, path);
    } else {
      writers.ExportGanttByDay(frmMain, path);
    }
  } else if (frmMain.lblOption(2).Visible) {
    writers.ExportOutlineList(frmMain, "Indent", path);
  } else if (frmMain.lblOption(3).Visible) {
    writers.ExportOutlineList(frmMain, "Column", path);
  }
}

void ExportExcel(MainWindowControls& frmMain, const std::string& path) {
  DispatchExcelConversion(frmMain, path,
                          ExcelWriters{ExportGanttByWeek, ExportGanttByDay, ExportOutlineList});
}

}  // namespace taskvane
