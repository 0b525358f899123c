#include "console/conversion_settings.h"
#include "console/frm_main.h"

namespace taskvane {

// Start-up: Excel mode, conversion type 1, every saved option in its control, and the
// window laid out for the restored chart option.
void frmMain::Form_Load() {
  ConvertMode = "Excel";

  cmbStartOutline.Clear();
  for (const char* level : {"1", "2", "3", "4"}) cmbStartOutline.AddItem(level);
  cmbStartOutlineforExcel.AddItem("1");
  cmbStartOutlineforExcel.AddItem("2");

  RestoreSettings();

  if (ConversionSettings(Platform()).Truth("RealOnly", true)) {
    optRealOnly.Value = true;
    optRealOnly_Click();
  } else {
    optRealAndPlan.Value = true;
    optRealAndPlan_Click();
  }
  if (!optUseBaseline.Value) optUseCurrent.Value = true;

  lvwListingFields.ColumnHeaderWidth = lvwListingFields.Width - 100;
  lvwField.ColumnHeaderWidth = lvwField.Width - 100;
  cmbField.SelectText("기본");

  fraMainPPT.Left = 120;
  fraWeek.Left = 120;
  Width = 9255;

  RestoreSwatches();

  const std::string baseline = ConversionSettings(Platform()).Text("Baseline", "초기계획");
  if (!cmbBaseline.SelectText(baseline)) cmbBaseline.SelectText("초기계획");
}

}  // namespace taskvane
