// The six "경로지정" pickers of the path boxes and the two logo options.
#include "console/frm_main.h"
#include "platform/runtime/automation_error.h"

namespace taskvane {
namespace {

// Each filter has one entry. The writers produce Open XML files, and a schedule is read
// from Project's XML format (a .mpp is refused with a clear message at conversion).
constexpr const char* kScheduleFilterExcel = "MS Project 파일 (*.xml;*.mpp)|*.xml;*.mpp";
constexpr const char* kWorkbookFilter = "엑셀 파일 (*.xlsx)|*.xlsx";
constexpr const char* kLogoFilter = "그림 파일 (*.jpg)|*.jpg";
constexpr const char* kScheduleFilterPPT = "ms project 파일 (*.xml;*.mpp)|*.xml;*.mpp";
constexpr const char* kPresentationFilter = "파워포인트 파일 (*.pptx)|*.pptx";

constexpr bool kOpen = false;
constexpr bool kSave = true;

}  // namespace

void frmMain::cmdMPPFilePathExcel_Click() {
  RunPicker(txtMPPFilePathExcel, conCommonDialog, kScheduleFilterExcel, kOpen);
}

void frmMain::cmdConvertFilePathExcel_Click() {
  RunPicker(txtConvertFilePathExcel, conCommonDialog, kWorkbookFilter, kSave);
}

void frmMain::cmdCustomerLogoPath_Click() {
  RunPicker(txtCustomerLogoPath, conCommonDialog2, kLogoFilter, kOpen);
}

void frmMain::cmdVelLogoPath_Click() {
  RunPicker(txtVelLogoPath, conCommonDialog2, kLogoFilter, kOpen);
}

void frmMain::cmdMPPFilePathPPT_Click() {
  RunPicker(txtMPPFilePathPPT, conCommonDialog, kScheduleFilterPPT, kOpen);
}

void frmMain::cmdConvertFilePathPPT_Click() {
  RunPicker(txtConvertFilePathPPT, conCommonDialog, kPresentationFilter, kSave);
}

// The dialog is preset with the box's path; the chosen path replaces it. Cancel gives back
// the preset, so the box keeps its text; a dialog that fails leaves the box as it was. The
// name is cleared afterwards, so the next picker sharing the control starts empty. The
// dialog-free build has no dialog control: there the pickers do nothing.
void frmMain::RunPicker(forms::TextBox& path_box, std::optional<forms::CommonDialog>& dialog,
                        const char* filter, bool save) {
  if (!dialog) return;
  if (!path_box.Text->empty()) dialog->FileName = path_box.Text;
  dialog->CancelError = false;
  dialog->Filter = filter;
  try {
    if (save) {
      dialog->ShowSave();
    } else {
      dialog->ShowOpen();
    }
    if (!dialog->FileName.empty()) path_box.Text = dialog->FileName;
  } catch (const AutomationError&) {
  }
  dialog->FileName.clear();
}

void frmMain::chkUseCustomerLogo_Click() {
  ApplyLogoRule(chkUseCustomerLogo, txtCustomerLogoPath, cmdCustomerLogoPath);
}

void frmMain::chkUseVelLogo_Click() {
  ApplyLogoRule(chkUseVelLogo, txtVelLogoPath, cmdVelLogoPath);
}

// A logo path matters only while its option is ticked: the box and its button are usable
// then, greyed otherwise. The path itself is kept either way.
void frmMain::ApplyLogoRule(const forms::CheckBox& option, forms::TextBox& path_box,
                            forms::CommandButton& button) {
  const bool ticked = option.Value == forms::vbChecked;
  path_box.Enabled = ticked;
  path_box.BackColor = ticked ? forms::kColorWindowBackground : forms::kColorButtonFace;
  button.Enabled = ticked;
}

}  // namespace taskvane
