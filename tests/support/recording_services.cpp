#include "tests/support/recording_services.h"

#include <functional>

#include "platform/forms/form.h"

namespace taskvane::testing {

std::vector<std::string> RecordingServices::Lines(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& line : Log) {
    if (line.rfind(prefix, 0) == 0) out.push_back(line.substr(prefix.size()));
  }
  return out;
}

int RecordingServices::MsgBox(const std::string& text, int style, const std::string& title) {
  const bool yes_no = (style & 7) == forms::vbYesNo;
  Log.push_back("MSGBOX " + title + " | " + (yes_no ? "YesNo" : "OK") + " | " + text);
  int answer = yes_no ? forms::vbNo : forms::vbOK;
  if (!Answers.empty()) {
    answer = Answers.front();
    Answers.pop_front();
  }
  return answer;
}

std::optional<std::string> RecordingServices::Dialog(const char* kind, const std::string& filter,
                                                     const std::string& preset) {
  Log.push_back(std::string("DIALOG ") + kind + " | " + filter + " | " + preset);
  if (DialogResults.empty()) return std::nullopt;
  auto result = DialogResults.front();
  DialogResults.pop_front();
  return result;
}

std::optional<std::string> RecordingServices::ShowOpenDialog(const std::string& filter,
                                                             const std::string& preset) {
  return Dialog("open", filter, preset);
}

std::optional<std::string> RecordingServices::ShowSaveDialog(const std::string& filter,
                                                             const std::string& preset) {
  return Dialog("save", filter, preset);
}

std::string RecordingServices::GetSetting(const std::string& app, const std::string& section,
                                          const std::string& key,
                                          const std::string& default_value) {
  auto it = Settings.find(app + "/" + section + "/" + key);
  return it == Settings.end() ? default_value : it->second;
}

void RecordingServices::SaveSettings(const std::string& app, const std::string& section,
                                     const std::vector<forms::Setting>& settings) {
  for (const auto& [key, value] : settings) {
    Settings[app + "/" + section + "/" + key] = value;
    Log.push_back("SETTING " + section + "/" + key + " = " + value);
  }
}

void RecordingServices::ShellOpen(const std::string& path) {
  Log.push_back("OPEN " + path);
}

bool RecordingServices::FileExists(const std::string& path) {
  return forms::LocalFileExists(path);
}

bool RecordingServices::FolderExists(const std::string& path) {
  return forms::LocalFolderExists(path);
}

void RecordingServices::ShowModal(forms::Form& form) {
  Log.push_back("MODAL " + form.Name());
  if (OnModal) OnModal(form);
}

void RecordingServices::EndProgram() {
  Ended = true;
  Log.push_back("END");
}

}  // namespace taskvane::testing
