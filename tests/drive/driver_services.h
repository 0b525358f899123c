#pragma once

#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "platform/forms/services.h"
#include "platform/qt/ini_settings_store.h"

namespace taskvane::drive {

// A script line the driver cannot run; the message says why.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The services of the driver: every message box, file dialog, shell open, modal window and
// the end of the program is printed as it happens; message-box answers and dialog outcomes
// come from the script; settings live in the programs' own INI store, on a file the script
// names or a fresh temporary one; files are the real file system.
class DriverServices : public forms::Services {
 public:
  explicit DriverServices(std::ostream& out);

  // Answers and dialog outcomes for the next boxes and dialogs, in order.
  void QueueAnswer(int answer) { answers_.push_back(answer); }
  void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void UseSettingsFile(const std::string& path) { store_ = qt::IniSettingsStore(path); }
  void SetToday(DaySerial day) { today_ = day; }
  bool Ended() const { return ended_; }

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
  DaySerial Today() override;
  // Prints "MODAL <form>" and returns at once, as if the user closed the window.
  void ShowModal(forms::Form& form) override;
  // Prints "END"; the driver runs no further line.
  void EndProgram() override;

 private:
  std::optional<std::string> Dialog(const char* kind, const std::string& filter,
                                    const std::string& preset);

  std::ostream& out_;
  std::unique_ptr<QTemporaryDir> temporary_dir_;
  qt::IniSettingsStore store_;
  std::deque<int> answers_;
  std::deque<std::optional<std::string>> files_;
  std::optional<DaySerial> today_;
  bool ended_ = false;
};

// A text on one output line: line breaks become "\n".
std::string OneLine(const std::string& text);

}  // namespace taskvane::drive
