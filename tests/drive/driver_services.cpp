#include "tests/drive/driver_services.h"

#include <QDate>

#include "platform/forms/form.h"

namespace taskvane::drive {

std::string OneLine(const std::string& text) {
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      line += "\\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (text[i] == '\n') {
      line += "\\n";
    } else {
      line += text[i];
    }
  }
  return line;
}

DriverServices::DriverServices(std::ostream& out)
    : out_(out), temporary_dir_(std::make_unique<QTemporaryDir>()) {
  store_ = qt::IniSettingsStore(temporary_dir_->filePath("settings.ini").toStdString());
}

int DriverServices::MsgBox(const std::string& text, int style, const std::string& title) {
  const bool yes_no = (style & 7) == forms::vbYesNo;
  out_ << "MSGBOX " << OneLine(title) << " | " << (yes_no ? "YesNo" : "OK") << " | "
       << OneLine(text) << "\n";
  if (answers_.empty()) return yes_no ? forms::vbNo : forms::vbOK;
  const int answer = answers_.front();
  answers_.pop_front();
  if (yes_no != (answer != forms::vbOK)) {
    throw ScriptError(std::string("the answer ") +
                      (answer == forms::vbYes  ? "yes"
                       : answer == forms::vbNo ? "no"
                                               : "ok") +
                      " does not fit a message box with " + (yes_no ? "Yes/No" : "OK"));
  }
  return answer;
}

std::optional<std::string> DriverServices::Dialog(const char* kind, const std::string& filter,
                                                  const std::string& preset) {
  out_ << "DIALOG " << kind << " | " << OneLine(filter) << " | " << OneLine(preset) << "\n";
  if (files_.empty()) return std::nullopt;
  auto outcome = files_.front();
  files_.pop_front();
  return outcome;
}

std::optional<std::string> DriverServices::ShowOpenDialog(const std::string& filter,
                                                          const std::string& preset) {
  return Dialog("open", filter, preset);
}

std::optional<std::string> DriverServices::ShowSaveDialog(const std::string& filter,
                                                          const std::string& preset) {
  return Dialog("save", filter, preset);
}

std::string DriverServices::GetSetting(const std::string& app, const std::string& section,
                                       const std::string& key, const std::string& default_value) {
  return store_.Get(app, section, key, default_value);
}

void DriverServices::SaveSettings(const std::string& app, const std::string& section,
                                  const std::vector<forms::Setting>& settings) {
  store_.Save(app, section, settings);
}

void DriverServices::ShellOpen(const std::string& path) {
  out_ << "OPEN " << OneLine(path) << "\n";
}

bool DriverServices::FileExists(const std::string& path) {
  return forms::LocalFileExists(path);
}

bool DriverServices::FolderExists(const std::string& path) {
  return forms::LocalFolderExists(path);
}

DaySerial DriverServices::Today() {
  if (today_) return *today_;
  const QDate today = QDate::currentDate();
  return DateSerial(today.year(), today.month(), today.day());
}

void DriverServices::ShowModal(forms::Form& form) {
  out_ << "MODAL " << form.Name() << "\n";
}

void DriverServices::EndProgram() {
  ended_ = true;
  out_ << "END\n";
}

}  // namespace taskvane::drive
