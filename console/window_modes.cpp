// The two modes of the window and the rule that stacks its lower block.
#include "console/frm_main.h"

namespace taskvane {

// The convert check box and button sit 105 twips under the lowest panel of the mode, and
// the window ends 1680 twips under them (their line, the status bar, menu and title bar).
void frmMain::StackLowerBlock(const forms::Frame& above) {
  chkExecuteConvertlFile.Top = above.Top + above.Height + 105;
  cmdSave.Top = chkExecuteConvertlFile.Top;
  Height = chkExecuteConvertlFile.Top + 1680;
}

void frmMain::mnuConvertPPT_Click() {
  ConvertMode = "PPT";
  fraMainPPT.Visible = true;
  fraMain.Visible = false;
  chkExecuteConvertlFile.Caption = "변환 후 파워포인트 파일 실행";
  fraExtColumn.Visible = false;
  fraWeek.Visible = true;
  mnuConvertExcel.Enabled = true;
  mnuConvertPPT.Enabled = false;
  StackLowerBlock(fraWeek);
  lblConvertTypeTitle.Caption = "주간보고서 변환 (파워포인트)";
}

// The field chooser stays where the conversion type put it.
void frmMain::mnuConvertExcel_Click() {
  ConvertMode = "Excel";
  fraMainPPT.Visible = false;
  fraMain.Visible = true;
  chkExecuteConvertlFile.Caption = "변환 후 엑셀 파일 실행";
  fraExtColumn.Visible = true;
  fraWeek.Visible = false;
  MonthView2.Visible = false;
  mnuConvertExcel.Enabled = false;
  mnuConvertPPT.Enabled = true;
  StackLowerBlock(fraExtColumn);
  lblConvertTypeTitle.Caption = "전체 일정 변환 (엑셀)";
}

}  // namespace taskvane
