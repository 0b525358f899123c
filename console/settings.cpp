// The conversion settings of the main window: what start-up restores and what the convert
// command stores after a conversion, key by key in the store's order and in one write.
#include <string>

#include "console/conversion_settings.h"
#include "console/frm_main.h"
#include "console/swatch_tables.h"

namespace taskvane {
namespace {

// A drop-down list shows the stored entry; a text that is no entry of the list (possible
// only through an edited store) selects the key's default entry instead.
void SelectStored(forms::ComboBox& combo, const std::string& stored,
                  const std::string& default_entry) {
  if (!combo.SelectText(stored)) combo.SelectText(default_entry);
}

std::string SwatchKey(int slot) {
  return "ColorSet(" + std::to_string(slot) + ")";
}

}  // namespace

void frmMain::RestoreSettings() {
  const ConversionSettings settings(Platform());
  txtTitleExcel.Text = settings.Text("TitleExcel");
  txtPJTNameExcel.Text = settings.Text("PJTNameExcel");
  txtMPPFilePathExcel.Text = settings.Text("MPPFilePathExcel");
  txtConvertFilePathExcel.Text = settings.Text("ConvertFilePathExcel");
  // A restored tick raises the check box's click, and with it the logo rule.
  chkUseCustomerLogo.Value = settings.CheckValue("UseCustomerLogo");
  txtCustomerLogoPath.Text = settings.Text("CustomerLogoPath");
  chkUseVelLogo.Value = settings.CheckValue("UseVelLogo");
  txtVelLogoPath.Text = settings.Text("VelLogoPath");
  SelectStored(cmbZoom, settings.Text("Zoom", "70"), "70");
  SelectStored(cmbStartOutlineforExcel, settings.Text("StartOutlineforExcel", "1"), "1");
  SelectStored(cmbWeeklyOrDaily, settings.Text("WeeklyOrDaily", "주별"), "주별");
  txtTitlePPT.Text = settings.Text("TitlePPT");
  txtPJTNamePPT.Text = settings.Text("PJTNamePPT");
  txtMPPFilePathPPT.Text = settings.Text("MPPFilePathPPT");
  txtConvertFilePathPPT.Text = settings.Text("ConvertFilePathPPT");
  optUseBaseline.Value = settings.Truth("UseBaseline", true);
  for (int k = 1; k <= 4; ++k) txtDate(k).Text = settings.Text("Date" + std::to_string(k));
  SelectStored(cmbStartOutline, settings.Text("StartOutline", "1"), "1");
  chkExecuteConvertlFile.Value = settings.CheckValue("ExecuteFile");
}

// Each swatch takes its stored tag and the picture of the chooser cell that the tag names.
// A tag that names no cell of the slot's chooser gives way to the slot's default.
void frmMain::RestoreSwatches() {
  const ConversionSettings settings(Platform());
  for (int k = 1; k <= 4; ++k) {
    std::string tag = settings.Text(SwatchKey(k), DefaultSwatchTag(k));
    auto cell = SwatchTagCell(tag, k);
    if (!cell) {
      tag = DefaultSwatchTag(k);
      cell = SwatchTagCell(tag, k);
    }
    picColorSet(k).Tag = tag;
    picColorSet(k).Picture = k == 1 ? picPattern(*cell).Picture : picPalette(*cell).Picture;
  }
}

void frmMain::SaveConversionSettings() {
  ConversionSettings settings(Platform());
  if (ConvertMode == "Excel") {
    settings.SaveText("TitleExcel", txtTitleExcel.Text);
    settings.SaveText("PJTNameExcel", txtPJTNameExcel.Text);
    settings.SaveText("MPPFilePathExcel", txtMPPFilePathExcel.Text);
    settings.SaveText("ConvertFilePathExcel", txtConvertFilePathExcel.Text);
    settings.SaveCheckValue("UseCustomerLogo", chkUseCustomerLogo.Value);
    settings.SaveText("CustomerLogoPath", txtCustomerLogoPath.Text);
    settings.SaveCheckValue("UseVelLogo", chkUseVelLogo.Value);
    settings.SaveText("VelLogoPath", txtVelLogoPath.Text);
    settings.SaveText("Zoom", cmbZoom.Text);
    settings.SaveText("StartOutlineforExcel", cmbStartOutlineforExcel.Text);
    settings.SaveTruth("RealOnly", optRealOnly.Value);
    settings.SaveText("WeeklyOrDaily", cmbWeeklyOrDaily.Text);
    for (int k = 1; k <= 4; ++k) settings.SaveText(SwatchKey(k), picColorSet(k).Tag);
  } else {
    settings.SaveText("TitlePPT", txtTitlePPT.Text);
    settings.SaveText("PJTNamePPT", txtPJTNamePPT.Text);
    settings.SaveText("MPPFilePathPPT", txtMPPFilePathPPT.Text);
    settings.SaveText("ConvertFilePathPPT", txtConvertFilePathPPT.Text);
    settings.SaveTruth("UseBaseline", optUseBaseline.Value);
    for (int k = 1; k <= 4; ++k) settings.SaveText("Date" + std::to_string(k), txtDate(k).Text);
    settings.SaveText("StartOutline", cmbStartOutline.Text);
  }
  settings.SaveCheckValue("ExecuteFile", chkExecuteConvertlFile.Value);
  settings.SaveText("Baseline", cmbBaseline.Text);
  settings.Write();
}

}  // namespace taskvane
