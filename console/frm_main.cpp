#include "console/frm_main.h"

namespace taskvane {

frmMain::frmMain(forms::Services& services, Exporters& exporters, BuildVariant variant)
    : MainWindowControls(services, variant), exporters_(exporters) {
  BindEvents();
}

void frmMain::BindEvents() {
  mnuExit.Click = [this] { mnuExit_Click(); };
  mnuConvertExcel.Click = [this] { mnuConvertExcel_Click(); };
  mnuConvertPPT.Click = [this] { mnuConvertPPT_Click(); };
  mnuInformation.Click = [this] { mnuInformation_Click(); };

  for (int i = 1; i <= 3; ++i) optConverType(i).Click = [this, i] { optConverType_Click(i); };
  optRealOnly.Click = [this] { optRealOnly_Click(); };
  optRealAndPlan.Click = [this] { optRealAndPlan_Click(); };

  cmdMPPFilePathExcel.Click = [this] { cmdMPPFilePathExcel_Click(); };
  cmdConvertFilePathExcel.Click = [this] { cmdConvertFilePathExcel_Click(); };
  cmdCustomerLogoPath.Click = [this] { cmdCustomerLogoPath_Click(); };
  cmdVelLogoPath.Click = [this] { cmdVelLogoPath_Click(); };
  cmdMPPFilePathPPT.Click = [this] { cmdMPPFilePathPPT_Click(); };
  cmdConvertFilePathPPT.Click = [this] { cmdConvertFilePathPPT_Click(); };
  chkUseCustomerLogo.Click = [this] { chkUseCustomerLogo_Click(); };
  chkUseVelLogo.Click = [this] { chkUseVelLogo_Click(); };

  for (int k = 1; k <= 4; ++k) cmdSetColor(k).Click = [this, k] { cmdSetColor_Click(k); };
  for (int n = 1; n <= 18; ++n) picPattern(n).Click = [this, n] { picPattern_Click(n); };
  for (int n = 1; n <= 40; ++n) picPalette(n).Click = [this, n] { picPalette_Click(n); };
  for (int i = 0; i <= 3; ++i) lblNoPic(i).Click = [this, i] { lblNoPic_Click(i); };

  cmbField.Click = [this] { cmbField_Click(); };
  cmdAddField.Click = [this] { cmdAddField_Click(); };
  cmdDeleteField.Click = [this] { cmdDeleteField_Click(); };
  lvwField.DblClick = [this] { lvwField_DblClick(); };
  lvwListingFields.DblClick = [this] { lvwListingFields_DblClick(); };

  for (int k = 1; k <= 4; ++k) cmdGetCalnedar(k).Click = [this, k] { cmdGetCalnedar_Click(k); };
  MonthView2.DateClick = [this](DaySerial day) { MonthView2_DateClick(day); };
  cmbStartOutline.Click = [this] { cmbStartOutline_Click(); };

  cmdSave.Click = [this] { cmdSave_Click(); };
}

}  // namespace taskvane
