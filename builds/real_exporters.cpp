#include "builds/real_exporters.h"

#include "platform/forms/services.h"

#ifdef TASKVANE_HAVE_EXCEL_EXPORT
#include "excel_export/export_excel.h"
#endif
#ifdef TASKVANE_HAVE_PPT_REPORT
#include "ppt_report/export_weekly_report.h"
#endif

namespace taskvane {

namespace {

[[maybe_unused]] void SayNotAvailable(MainWindowControls& frmMain, const char* conversion) {
  frmMain.Platform().MsgBox(std::string(conversion) + " 기능은 아직 준비되지 않았습니다.",
                            forms::vbInformation, kAppTitle);
}

}  // namespace

void RealExporters::ExportExcel(MainWindowControls& frmMain, const std::string& path) {
#ifdef TASKVANE_HAVE_EXCEL_EXPORT
  taskvane::ExportExcel(frmMain, path);
#else
  (void)path;
  SayNotAvailable(frmMain, "엑셀 변환");
#endif
}

void RealExporters::ExportWeeklyReport(MainWindowControls& frmMain, const std::string& path) {
#ifdef TASKVANE_HAVE_PPT_REPORT
  taskvane::ExportWeeklyReport(frmMain, path);
#else
  (void)path;
  SayNotAvailable(frmMain, "파워포인트 주간보고서 변환");
#endif
}

}  // namespace taskvane
