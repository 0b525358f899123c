#pragma once

#include <optional>
#include <string>

#include "platform/forms/services.h"
#include "platform/qt/ini_settings_store.h"

namespace taskvane::qt {

// The platform of the two programs: Qt message boxes and file dialogs, the INI settings
// store, the desktop's open action, the file system, the system clock, modal windows.
// Needs a QApplication.
class QtServices : public forms::Services {
 public:
  explicit QtServices(IniSettingsStore store = {}) : store_(std::move(store)) {}

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
  // Shows the form in a window of its own, modal over every other window, and returns when
  // the user closed it or the form asked to be unloaded.
  void ShowModal(forms::Form& form) override;
  // Leaves every event loop: the program ends as soon as the running handler returns.
  void EndProgram() override;

 private:
  std::optional<std::string> FileDialog(bool save, const std::string& filter,
                                        const std::string& preset);

  IniSettingsStore store_;
};

}  // namespace taskvane::qt
