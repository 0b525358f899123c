#pragma once

#include <string>

#include "console/exporters.h"

namespace taskvane {

// The exporters of the two programs and of the driver: the Excel export and the weekly
// report, each where its library is part of the build. A conversion whose library is not
// there yet says so in a message box and writes nothing.
class RealExporters : public Exporters {
 public:
  void ExportExcel(MainWindowControls& frmMain, const std::string& path) override;
  void ExportWeeklyReport(MainWindowControls& frmMain, const std::string& path) override;
};

}  // namespace taskvane
