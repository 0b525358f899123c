#include "console/frm_about.h"

namespace taskvane {

frmAbout::frmAbout(forms::Services& services) : forms::Form("frmAbout", services) {
  Caption = "Taskvane 정보";
  Width = 5400;
  Height = 3300;

  lblProgramName.Caption = "Taskvane";
  lblProgramName.FontSize = 14.0;
  lblProgramName.FontBold = true;
  lblProgramName.Left = 360;
  lblProgramName.Top = 300;
  lblProgramName.Width = 4560;
  lblProgramName.Height = 360;

  lblDescription.Caption =
      "MS Project 일정 파일을 엑셀 간트 차트, 개요 목록 또는 파워포인트 주간보고서로 "
      "변환합니다.";
  lblDescription.Left = 360;
  lblDescription.Top = 840;
  lblDescription.Width = 4560;
  lblDescription.Height = 540;

  lblNotice.Caption = "이 프로그램은 누구나 무료로 사용할 수 있는 프리웨어입니다.";
  lblNotice.Left = 360;
  lblNotice.Top = 1500;
  lblNotice.Width = 4560;
  lblNotice.Height = 360;

  cmdClose.Caption = "닫기";
  cmdClose.Left = 3840;
  cmdClose.Top = 2160;
  cmdClose.Width = 1080;
  cmdClose.Height = 375;
  cmdClose.Click = [this] { cmdClose_Click(); };
}

// Unloading is the host's business: it closes the modal window it showed.
void frmAbout::cmdClose_Click() {
  if (Unloaded) Unloaded();
}

}  // namespace taskvane
