#pragma once

#include <string>

#include "console/main_window_controls.h"

namespace taskvane {

// The seam through which the convert command reaches the two exporters. The programs pass
// the real exporters; tests pass a recording one.
class Exporters {
 public:
  virtual ~Exporters() = default;
  virtual void ExportExcel(MainWindowControls& frmMain, const std::string& path) = 0;
  virtual void ExportWeeklyReport(MainWindowControls& frmMain, const std::string& path) = 0;
};

}  // namespace taskvane
