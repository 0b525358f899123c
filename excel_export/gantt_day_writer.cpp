#include "excel_export/excel_conversion.h"
#include "excel_export/gantt.h"
#include "excel_export/gantt_sheet.h"
#include "excel_export/gantt_writer.h"

namespace taskvane {

void ExportGanttByDay(MainWindowControls& frmMain, const std::string& path) {
  ExcelConversion conv(frmMain, path);
  GanttSheet gantt(conv, GanttTimeline::Day);
  RunGanttWriter(gantt);
}

}  // namespace taskvane
