#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "excel_export/export_excel_dispatch.h"
#include "tests/excel_export/excel_export_fixture.h"

namespace taskvane::testing {
namespace {

using DispatchTest = ExcelExportTest;
using Strings = std::vector<std::string>;

class RecordingWriters {
 public:
  ExcelWriters Writers() {
    return ExcelWriters{
        [this](MainWindowControls&, const std::string& path) { calls.push_back("week " + path); },
        [this](MainWindowControls&, const std::string& path) { calls.push_back("day " + path); },
        [this](MainWindowControls&, std::string form, const std::string& path) {
          calls.push_back("outline " + form + " " + path);
        }};
  }
  Strings calls;
};

TEST_F(DispatchTest, FirstVisibleMarkerDecides) {
  struct Case {
    bool gantt, indent, column;
    const char* weekly_or_daily;
    Strings calls;
  };
  const std::vector<Case> cases = {
      {true, false, false, "주별", {"week p.xlsx"}},
      {true, false, false, "일별", {"day p.xlsx"}},
      {true, false, false, "", {"day p.xlsx"}},
      {true, false, false, "주별 ", {"day p.xlsx"}},
      {false, true, false, "주별", {"outline Indent p.xlsx"}},
      {false, false, true, "주별", {"outline Column p.xlsx"}},
      {false, false, false, "주별", {}},
      {true, true, true, "일별", {"day p.xlsx"}},
      {false, true, true, "주별", {"outline Indent p.xlsx"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.gantt ? "1" : "") + (c.indent ? "2" : "") + (c.column ? "3" : "") +
                 " '" + c.weekly_or_daily + "'");
    frmMain.lblOption(1).Visible = c.gantt;
    frmMain.lblOption(2).Visible = c.indent;
    frmMain.lblOption(3).Visible = c.column;
    frmMain.cmbWeeklyOrDaily.Text = std::string(c.weekly_or_daily);
    RecordingWriters writers;
    DispatchExcelConversion(frmMain, "p.xlsx", writers.Writers());
    EXPECT_EQ(writers.calls, c.calls);
  }
  EXPECT_TRUE(services.Log.empty());
}

}  // namespace
}  // namespace taskvane::testing
