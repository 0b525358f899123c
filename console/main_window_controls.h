#pragma once

#include <optional>
#include <string>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/services.h"

namespace taskvane {

// The two programs built from the same sources: the main build offers file dialogs for its
// path boxes; the dialog-free build has none and lets the user type the paths.
enum class BuildVariant { Main, Lite };

// The title of every message box of the program.
inline constexpr const char* kAppTitle = "Taskvane";

// The main window's controls in their design state, and the form-level values that the
// convert command shares with the exporters. The window is the options model of a
// conversion: the exporters read these controls directly. Handlers live in frmMain.
//
// Lengths are twips, relative to the container. The two PowerPoint panels sit to the right
// of the shown part at design time; start-up moves them in.
class MainWindowControls : public forms::Form {
 public:
  explicit MainWindowControls(forms::Services& services, BuildVariant variant = BuildVariant::Main);

  BuildVariant Variant() const { return variant_; }

  // Form-level values. ConvertMode is "Excel" or "PPT"; OutputFilePath is the file the
  // conversion writes; NotAvailableText is the schedule's text for an undefined date,
  // filled by the exporter of each conversion.
  std::string ConvertMode;
  std::string OutputFilePath;
  std::string NotAvailableText;

  // Menus.
  forms::Menu mnuFile{*this, "mnuFile"};
  forms::Menu mnuExit{*this, "mnuExit", &mnuFile};
  forms::Menu mnuConvert{*this, "mnuConvert"};
  forms::Menu mnuConvertExcel{*this, "mnuConvertExcel", &mnuConvert};
  forms::Menu mnuConvertPPT{*this, "mnuConvertPPT", &mnuConvert};
  forms::Menu mnuHelpMain{*this, "mnuHelpMain"};
  forms::Menu mnuInformation{*this, "mnuInformation", &mnuHelpMain};

  // Title strip.
  forms::Label Label23{*this, "Label23"};
  forms::Label lblConvertTypeTitle{*this, "lblConvertTypeTitle"};

  // Excel panel.
  forms::Frame fraMain{*this, "fraMain"};
  forms::ControlArray<forms::OptionButton> optConverType{*this, "optConverType", 1, 3, &fraMain};
  forms::ControlArray<forms::Label> lblOption{*this, "lblOption", 1, 3, &fraMain};
  forms::ControlArray<forms::PictureBox> picOption{*this, "picOption", 1, 3, &fraMain};
  forms::Line Line1{*this, "Line1", 0, &fraMain};
  forms::Label lblTitle{*this, "lblTitle", 0, &fraMain};
  forms::TextBox txtTitleExcel{*this, "txtTitleExcel", 0, &fraMain};
  forms::Label Label5{*this, "Label5", 0, &fraMain};
  forms::TextBox txtPJTNameExcel{*this, "txtPJTNameExcel", 0, &fraMain};
  forms::Label lblMPPlPath{*this, "lblMPPlPath", 0, &fraMain};
  forms::TextBox txtMPPFilePathExcel{*this, "txtMPPFilePathExcel", 0, &fraMain};
  forms::CommandButton cmdMPPFilePathExcel{*this, "cmdMPPFilePathExcel", 0, &fraMain};
  forms::Label lblConvertFilePath{*this, "lblConvertFilePath", 0, &fraMain};
  forms::TextBox txtConvertFilePathExcel{*this, "txtConvertFilePathExcel", 0, &fraMain};
  forms::CommandButton cmdConvertFilePathExcel{*this, "cmdConvertFilePathExcel", 0, &fraMain};
  forms::Line Line2{*this, "Line2", 0, &fraMain};
  forms::CheckBox chkUseCustomerLogo{*this, "chkUseCustomerLogo", 0, &fraMain};
  forms::TextBox txtCustomerLogoPath{*this, "txtCustomerLogoPath", 0, &fraMain};
  forms::CommandButton cmdCustomerLogoPath{*this, "cmdCustomerLogoPath", 0, &fraMain};
  forms::CheckBox chkUseVelLogo{*this, "chkUseVelLogo", 0, &fraMain};
  forms::TextBox txtVelLogoPath{*this, "txtVelLogoPath", 0, &fraMain};
  forms::CommandButton cmdVelLogoPath{*this, "cmdVelLogoPath", 0, &fraMain};
  forms::Line Line4{*this, "Line4", 0, &fraMain};
  forms::Label lblZoom{*this, "lblZoom", 0, &fraMain};
  forms::ComboBox cmbZoom{*this, "cmbZoom", 0, &fraMain};
  forms::Line Line5{*this, "Line5", 0, &fraMain};
  forms::Label lblStartOutlineforExcel{*this, "lblStartOutlineforExcel", 0, &fraMain};
  forms::ComboBox cmbStartOutlineforExcel{*this, "cmbStartOutlineforExcel", 0, &fraMain};
  forms::Label lblWeeklyOrDaily{*this, "lblWeeklyOrDaily", 0, &fraMain};
  forms::ComboBox cmbWeeklyOrDaily{*this, "cmbWeeklyOrDaily", 0, &fraMain};
  forms::Frame Frame4{*this, "Frame4", 0, &fraMain};
  forms::OptionButton optRealOnly{*this, "optRealOnly", 0, &Frame4};
  forms::OptionButton optRealAndPlan{*this, "optRealAndPlan", 0, &Frame4};
  forms::Frame fraColor{*this, "fraColor", 0, &fraMain};
  forms::ControlArray<forms::Label> lblColor{*this, "lblColor", 1, 4, &fraColor};
  forms::ControlArray<forms::PictureBox> picColorSet{*this, "picColorSet", 1, 4, &fraColor};
  forms::ControlArray<forms::CommandButton> cmdSetColor{*this, "cmdSetColor", 1, 4, &fraColor};
  forms::Label lblBaseline{*this, "lblBaseline", 0, &fraColor};
  forms::ComboBox cmbBaseline{*this, "cmbBaseline", 0, &fraColor};

  // Field chooser panel (Excel mode).
  forms::Frame fraExtColumn{*this, "fraExtColumn"};
  forms::Label Label2{*this, "Label2", 0, &fraExtColumn};
  forms::ComboBox cmbField{*this, "cmbField", 0, &fraExtColumn};
  forms::ListView lvwField{*this, "lvwField", 0, &fraExtColumn};
  forms::CommandButton cmdAddField{*this, "cmdAddField", 0, &fraExtColumn};
  forms::CommandButton cmdDeleteField{*this, "cmdDeleteField", 0, &fraExtColumn};
  forms::Label Label3{*this, "Label3", 0, &fraExtColumn};
  forms::ListView lvwListingFields{*this, "lvwListingFields", 0, &fraExtColumn};

  // PowerPoint panels.
  forms::Frame fraMainPPT{*this, "fraMainPPT"};
  forms::Label Label9{*this, "Label9", 0, &fraMainPPT};
  forms::TextBox txtTitlePPT{*this, "txtTitlePPT", 0, &fraMainPPT};
  forms::Label Label4{*this, "Label4", 0, &fraMainPPT};
  forms::TextBox txtPJTNamePPT{*this, "txtPJTNamePPT", 0, &fraMainPPT};
  forms::Label Label18{*this, "Label18", 0, &fraMainPPT};
  forms::TextBox txtMPPFilePathPPT{*this, "txtMPPFilePathPPT", 0, &fraMainPPT};
  forms::CommandButton cmdMPPFilePathPPT{*this, "cmdMPPFilePathPPT", 0, &fraMainPPT};
  forms::Label Label11{*this, "Label11", 0, &fraMainPPT};
  forms::TextBox txtConvertFilePathPPT{*this, "txtConvertFilePathPPT", 0, &fraMainPPT};
  forms::CommandButton cmdConvertFilePathPPT{*this, "cmdConvertFilePathPPT", 0, &fraMainPPT};

  forms::Frame fraWeek{*this, "fraWeek"};
  forms::OptionButton optUseBaseline{*this, "optUseBaseline", 0, &fraWeek};
  forms::OptionButton optUseCurrent{*this, "optUseCurrent", 0, &fraWeek};
  forms::Label Label13{*this, "Label13", 0, &fraWeek};
  forms::Label Label14{*this, "Label14", 0, &fraWeek};
  forms::Label Label15{*this, "Label15", 0, &fraWeek};
  forms::Label Label16{*this, "Label16", 0, &fraWeek};
  forms::ControlArray<forms::TextBox> txtDate{*this, "txtDate", 1, 4, &fraWeek};
  forms::ControlArray<forms::CommandButton> cmdGetCalnedar{*this, "cmdGetCalnedar", 1, 4, &fraWeek};
  forms::Label Label1{*this, "Label1", 0, &fraWeek};
  forms::ComboBox cmbStartOutline{*this, "cmbStartOutline", 0, &fraWeek};
  forms::Label Label10{*this, "Label10", 0, &fraWeek};
  forms::TextBox txtDisplayOutline{*this, "txtDisplayOutline", 0, &fraWeek};

  // Lower block (both modes), placed by the stacking rule.
  forms::CheckBox chkExecuteConvertlFile{*this, "chkExecuteConvertlFile"};
  forms::CommandButton cmdSave{*this, "cmdSave"};

  forms::StatusBar stbMain{*this, "stbMain"};

  // Pop-ups over the panels: the report calendar and the two swatch choosers.
  forms::MonthView MonthView2{*this, "MonthView2"};
  forms::PictureBox picPatternPalette{*this, "picPatternPalette"};
  forms::ControlArray<forms::PictureBox> picPattern{*this, "picPattern", 1, 18, &picPatternPalette};
  forms::PictureBox picColorPalette{*this, "picColorPalette"};
  forms::ControlArray<forms::PictureBox> picPalette{*this, "picPalette", 1, 40, &picColorPalette};
  // The "채우기 없음" strips: 0 and 1 in the colour chooser, 2 and 3 in the pattern
  // chooser; the empty strip (0, 3) lies under its caption (1, 2).
  forms::ControlArray<forms::Label> lblNoPic{*this,
                                             "lblNoPic",
                                             {{0, &picColorPalette},
                                              {1, &picColorPalette},
                                              {3, &picPatternPalette},
                                              {2, &picPatternPalette}}};

  // File dialog controls; the dialog-free build has none.
  std::optional<forms::CommonDialog> conCommonDialog;
  std::optional<forms::CommonDialog> conCommonDialog2;

 private:
  void SetUpMenus();
  void SetUpTitleStrip();
  void SetUpExcelPanel();
  void SetUpSwatchStrip();
  void SetUpFieldChooser();
  void SetUpPowerPointPanels();
  void SetUpLowerBlock();
  void SetUpPopUps();
  void SetUpPathBoxes();

  BuildVariant variant_;
};

}  // namespace taskvane
