#pragma once

#include <string>

namespace taskvane {

class MainWindowControls;

// The one entry of the Excel export, called by the convert command in Excel mode with the
// output path. The visible marker among lblOption(1..3), read in that order, picks the
// writer: 1 the Gantt sheet (by week when cmbWeeklyOrDaily shows exactly "주별", by day
// otherwise), 2 the indented outline list, 3 the column outline list. With no marker
// visible nothing happens. Each writer reports its own failures.
void ExportExcel(MainWindowControls& frmMain, const std::string& path);

}  // namespace taskvane
