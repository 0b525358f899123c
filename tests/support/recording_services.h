#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/services.h"

namespace taskvane::testing {

// Services for tests: message boxes, dialogs, shell opens, modal windows and the end of
// the program are recorded as lines; answers and dialog outcomes are queued in advance;
// settings live in a map; files are the real file system; today is fixed.
class RecordingServices : public forms::Services {
 public:
  // "MSGBOX <title> | <OK|YesNo> | <text>", "DIALOG <open|save> | <filter> | <preset>",
  // "OPEN <path>", "MODAL <form>", "END", "SETTING <section>/<key> = <value>".
  std::vector<std::string> Log;
  std::deque<int> Answers;                               // vbOK, vbYes, vbNo
  std::deque<std::optional<std::string>> DialogResults;  // nullopt = cancel
  std::map<std::string, std::string> Settings;           // "<app>/<section>/<key>"
  DaySerial TodayValue = 0;
  bool Ended = false;
  std::function<void(forms::Form&)> OnModal;  // e.g. close the about box

  std::vector<std::string> Lines(const std::string& prefix) const;
  std::vector<std::string> Messages() const { return Lines("MSGBOX "); }

  int MsgBox(const std::string& text, int style, const std::string& title) override;
  std::optional<std::string> ShowOpenDialog(const std::string& filter,
                                            const std::string& preset) override;
  std::optional<std::string> ShowSaveDialog(const std::string& filter,
                                            const std::string& preset) override;
  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& default_value) override;
  void SaveSettings(const std::string& app, const std::string& section,
                    const std::vector<forms::Setting>& settings) override;
  void ShellOpen(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  DaySerial Today() override { return TodayValue; }
  void ShowModal(forms::Form& form) override;
  void EndProgram() override;

 private:
  std::optional<std::string> Dialog(const char* kind, const std::string& filter,
                                    const std::string& preset);
};

}  // namespace taskvane::testing
