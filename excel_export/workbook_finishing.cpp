#include "excel_export/workbook_finishing.h"

#include <climits>
#include <string>

#include "console/main_window_controls.h"
#include "excel_export/excel_conversion.h"
#include "excel_export/gantt_swatches.h"
#include "excel_export/row_texts.h"
#include "platform/excel/constants.h"
#include "platform/excel/workbook.h"

namespace taskvane {

namespace {

// Margins in inches, turned into points by the workbook's own application.
constexpr double kOneCentimetre = 0.393700787401575;
constexpr double kBottomMarginInches = 0.62;
constexpr double kHeaderMarginInches = 0.551181102362205;
constexpr double kLogoHeightPoints = 17.25;

constexpr const char* kPrintPreviewWarning =
    "인쇄 미리보기에 오류가 있습니다. 배율 및 로고 지정을 제외하고 저장합니다.";
constexpr const char* kInstallationMessage = "MS Project와 엑셀이 설치되어있는지 확인해주십시오.";

bool Ticked(const forms::CheckBox& box) {
  return box.Value == forms::vbChecked;
}

}  // namespace

void CreateWorkbook(ExcelConversion& conv) {
  conv.Status("저장 중");
  conv.Workbook = excel::CreateObject("Excel.Sheet");
  conv.Sheet = &conv.Workbook->Sheets(1);
}

void SetUpPage(ExcelConversion& conv, const std::string& PrintTitleRows) {
  MainWindowControls& frmMain = conv.frmMain;
  const excel::ExcelApplication& Application = conv.Workbook->Application;
  excel::SheetPageSetup& PageSetup = conv.Sheet->PageSetup;
  PageSetup.Orientation = excel::xlLandscape;
  PageSetup.Zoom = WholeNumberOfText(frmMain.cmbZoom.Text, SHRT_MIN, SHRT_MAX);
  PageSetup.PrintTitleRows = PrintTitleRows;
  PageSetup.CenterHorizontally = true;
  PageSetup.LeftMargin = Application.InchesToPoints(kOneCentimetre);
  PageSetup.RightMargin = Application.InchesToPoints(kOneCentimetre);
  PageSetup.TopMargin = Application.InchesToPoints(kOneCentimetre);
  PageSetup.BottomMargin = Application.InchesToPoints(kBottomMarginInches);
  PageSetup.HeaderMargin = Application.InchesToPoints(kHeaderMarginInches);
  PageSetup.FooterMargin = Application.InchesToPoints(kOneCentimetre);
  PageSetup.CenterFooter = std::string("&P/&N");
  PageSetup.RightFooter = std::string("&G");
  if (Ticked(frmMain.chkUseVelLogo)) {
    PageSetup.RightFooterPicture.FileName = frmMain.txtVelLogoPath.Text.get();
    PageSetup.RightFooterPicture.Height = kLogoHeightPoints;
    PageSetup.RightFooter = std::string("&G");
  }
  if (Ticked(frmMain.chkUseCustomerLogo)) {
    PageSetup.LeftFooterPicture.FileName = frmMain.txtCustomerLogoPath.Text.get();
    PageSetup.LeftFooterPicture.Height = kLogoHeightPoints;
    PageSetup.LeftFooter = std::string("&G");
  }
}

void SaveReleaseAndOpen(ExcelConversion& conv) {
  if (conv.Sheet == nullptr) {
    throw AutomationError(kErrExcelRefused, "저장할 통합 문서가 없습니다.");
  }
  // The title box names the document in the file's properties too.
  if (conv.Workbook) conv.Workbook->Title = conv.frmMain.txtTitleExcel.Text.get();
  conv.Sheet->SaveAs(conv.path);
  conv.CurrentTask = nullptr;
  conv.ProjectTasks = nullptr;
  conv.CurrentProject.reset();
  conv.Sheet = nullptr;
  conv.CurrentRange = excel::Range();
  conv.Workbook.reset();
  conv.Status("준비");
  MainWindowControls& frmMain = conv.frmMain;
  if (!conv.CutTextRows.empty()) {
    frmMain.Platform().MsgBox(CutTextsMessage(conv.CutTextRows), forms::vbExclamation, kAppTitle);
  }
  if (Ticked(frmMain.chkExecuteConvertlFile)) frmMain.Platform().ShellOpen(frmMain.OutputFilePath);
}

void FinishWorkbook(ExcelConversion& conv, const std::string& PrintTitleRows) {
  SetUpPage(conv, PrintTitleRows);
  SaveReleaseAndOpen(conv);
}

bool HandleCommonExcelError(ExcelConversion& conv, const AutomationError& error) {
  forms::Services& platform = conv.frmMain.Platform();
  if (error.Number == kErrExcelRefused) {
    platform.MsgBox(kPrintPreviewWarning, forms::vbExclamation, kAppTitle);
    try {
      SaveReleaseAndOpen(conv);
    } catch (const AutomationError& again) {
      // The save itself was what failed: say so and end the conversion; the workbook layer
      // leaves no partial file behind.
      platform.MsgBox("엑셀 파일을 저장하지 못했습니다.\n" + conv.path + "\n" + again.Description,
                      forms::vbExclamation, kAppTitle);
    }
    return true;
  }
  if (error.Number == kErrCannotCreateObject) {
    platform.MsgBox(kInstallationMessage, forms::vbExclamation, kAppTitle);
    return true;
  }
  return false;
}

void ReportErrorNumberAndDescription(ExcelConversion& conv, const AutomationError& error) {
  conv.frmMain.Platform().MsgBox(std::to_string(error.Number) + "-" + error.Description,
                                 forms::vbOKOnly, kAppTitle);
}

void HandleWriterError(ExcelConversion& conv, const AutomationError& error) {
  if (!HandleCommonExcelError(conv, error)) ReportErrorNumberAndDescription(conv, error);
}

}  // namespace taskvane
