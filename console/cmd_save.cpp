// The convert command: checks the inputs of the current mode, finds a free output name,
// runs the mode's exporter and then saves the settings.

#include <string>

#include "console/frm_main.h"
#include "platform/runtime/automation_error.h"

namespace taskvane {
namespace {

constexpr const char* kPathInvalid = "경로가 정확하지 않습니다.";
constexpr const char* kDateInvalid = "날짜가 정확하지 않습니다.";
constexpr const char* kNoStartOutline = "시작할 개요수준을 선택하십시오.";
constexpr const char* kFileExists = "파일이 이미 존재합니다. 새로운 파일을 생성하시겠습니까?";
constexpr const char* kTooManyNumberedNames =
    "같은 이름의 파일이 너무 많습니다. 다른 파일 이름을 지정하십시오.";

// The numbered variants are plan-1 ... plan-100.
constexpr int kMaxNumberedNames = 100;

}  // namespace

std::string frmMain::GetFolderOfPath(const std::string& path) const {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string frmMain::MakeUniqueFileName(const std::string& path) {
  // The number goes before the extension: the last "." of the file name, never one of a
  // folder's name. A name without extension (none, or only a leading "." as in ".plan")
  // gets it at the end.
  const auto slash = path.rfind('/');
  const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
  auto dot = path.rfind('.');
  if (dot == std::string::npos || dot <= name_start) dot = path.size();
  const std::string head = path.substr(0, dot);
  const std::string tail = path.substr(dot);
  for (int n = 1; n <= kMaxNumberedNames; ++n) {
    std::string candidate = head + "-" + std::to_string(n) + tail;
    if (!Platform().FileExists(candidate)) {
      OutputFilePath = candidate;
      return candidate;
    }
  }
  return "";
}

void frmMain::cmdSave_Click() {
  forms::Services& platform = Platform();
  auto message = [&](const char* text) { platform.MsgBox(text, forms::vbOKOnly, kAppTitle); };
  // A path box that fails its check gets the message and the focus.
  auto path_failed = [&](forms::TextBox& box) {
    message(kPathInvalid);
    box.SetFocus();
  };
  auto names_a_file = [&](const forms::TextBox& box) {
    return !box.Text->empty() && platform.FileExists(box.Text);
  };
  auto names_a_folder_for = [&](const forms::TextBox& box) {
    return !box.Text->empty() && platform.FolderExists(GetFolderOfPath(box.Text));
  };

  const bool excel = ConvertMode == "Excel";
  forms::TextBox& output_box = excel ? txtConvertFilePathExcel : txtConvertFilePathPPT;
  if (excel) {
    if (!names_a_file(txtMPPFilePathExcel)) return path_failed(txtMPPFilePathExcel);
    if (!names_a_folder_for(txtConvertFilePathExcel)) return path_failed(txtConvertFilePathExcel);
    if (chkUseCustomerLogo.Value == forms::vbChecked && !names_a_file(txtCustomerLogoPath)) {
      return path_failed(txtCustomerLogoPath);
    }
    if (chkUseVelLogo.Value == forms::vbChecked && !names_a_file(txtVelLogoPath)) {
      return path_failed(txtVelLogoPath);
    }
  } else {
    if (!names_a_file(txtMPPFilePathPPT)) return path_failed(txtMPPFilePathPPT);
    if (!names_a_folder_for(txtConvertFilePathPPT)) return path_failed(txtConvertFilePathPPT);
    // Only presence is checked: the boxes are filled by the calendar or the settings.
    for (int i = 1; i <= 4; ++i) {
      if (txtDate(i).Text->empty()) return message(kDateInvalid);
    }
    if (cmbStartOutline.ListIndex < 0) return message(kNoStartOutline);
  }

  OutputFilePath = output_box.Text;
  std::string path = OutputFilePath;
  if (platform.FileExists(path)) {
    if (platform.MsgBox(kFileExists, forms::vbYesNo, kAppTitle) != forms::vbYes) return;
    // Numbered from the box's own path, so the box (and the setting) keeps the plain name.
    path = MakeUniqueFileName(output_box.Text);
    if (path.empty()) return message(kTooManyNumberedNames);
  }

  try {
    if (excel) {
      exporters_.ExportExcel(*this, path);
    } else {
      exporters_.ExportWeeklyReport(*this, path);
    }
  } catch (const AutomationError& error) {
    // The exporters report their own failures and return; what escapes them is shown
    // here, and the settings of a conversion that broke off are not saved.
    platform.MsgBox(std::to_string(error.Number) + " - " + error.Description, forms::vbCritical,
                    kAppTitle);
    return;
  }
  SaveConversionSettings();
}

}  // namespace taskvane
