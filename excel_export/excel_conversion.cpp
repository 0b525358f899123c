#include "excel_export/excel_conversion.h"

#include "console/main_window_controls.h"

namespace taskvane {

void ExcelConversion::Status(const std::string& text) {
  frmMain.stbMain.PanelText = text;
}

}  // namespace taskvane
