#pragma once

#include <optional>
#include <string>

#include "console/exporters.h"
#include "console/main_window_controls.h"
#include "platform/forms/services.h"
#include "platform/runtime/date.h"

namespace taskvane {

// The main window: its controls (MainWindowControls) and every handler. The constructor
// binds the controls' events to the handlers; the host calls Form_Load once the window
// exists. Handlers run to completion on the one user-interface thread.
class frmMain : public MainWindowControls {
 public:
  frmMain(forms::Services& services, Exporters& exporters,
          BuildVariant variant = BuildVariant::Main);

  // Start-up, modes and layout.
  void Form_Load();
  void Form_QueryUnload() {}  // closing is not intercepted: nothing is saved on exit
  void Form_Resize() {}       // the layout is fixed by the stacking rule
  void mnuConvertExcel_Click();
  void mnuConvertPPT_Click();
  void optConverType_Click(int Index);
  void optRealOnly_Click();
  void optRealAndPlan_Click();
  void mnuExit_Click();
  void mnuInformation_Click();

  // Writes the settings of the current mode, then ExecuteFile and Baseline, with the
  // values the controls hold now. Called by the convert command after the exporter
  // returned.
  void SaveConversionSettings();

  // Convert command.
  void cmdSave_Click();
  std::string GetFolderOfPath(const std::string& path) const;
  std::string MakeUniqueFileName(const std::string& path);

  // Field chooser.
  void cmbField_Click();
  void cmdAddField_Click();
  void cmdDeleteField_Click();
  void lvwField_DblClick();
  void lvwListingFields_DblClick();

  // Pattern and colour swatches.
  void cmdSetColor_Click(int Index);
  void picPattern_Click(int Index);
  void picPalette_Click(int Index);
  void lblNoPic_Click(int Index);

  // Report-period calendar and outline-level choosers.
  void cmdGetCalnedar_Click(int Index);
  void MonthView2_DateClick(DaySerial DateClicked);
  void cmbStartOutline_Click();

  // Path pickers and logo options.
  void cmdMPPFilePathExcel_Click();
  void cmdConvertFilePathExcel_Click();
  void cmdCustomerLogoPath_Click();
  void cmdVelLogoPath_Click();
  void cmdMPPFilePathPPT_Click();
  void cmdConvertFilePathPPT_Click();
  void chkUseCustomerLogo_Click();
  void chkUseVelLogo_Click();

 private:
  void BindEvents();
  // Keys 1 to 22 of the settings, each into its control (start-up step 3).
  void RestoreSettings();
  void RestoreSwatches();
  // The stacking rule: the lower block goes under `above` and the window height follows.
  void StackLowerBlock(const forms::Frame& above);
  void ApplyLogoRule(const forms::CheckBox& option, forms::TextBox& path_box,
                     forms::CommandButton& button);
  void RunPicker(forms::TextBox& path_box, std::optional<forms::CommonDialog>& dialog,
                 const char* filter, bool save);

  Exporters& exporters_;
};

}  // namespace taskvane
