#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/runtime/date.h"

namespace taskvane::forms {

class Form;

// Message-box styles and answers of the toolkit.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbOK = 1;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// FileExists and FolderExists as the local file system answers them: a regular file (a
// folder never counts); an existing folder. "" names neither, nor does a path that cannot
// be examined.
bool LocalFileExists(const std::string& path);
bool LocalFolderExists(const std::string& path);

// A named text of the per-user settings.
struct Setting {
  std::string key;
  std::string value;
};

// Everything a form needs from the platform, injected so that every handler runs in a
// test. The programs use the Qt implementation; tests use a recording one.
class Services {
 public:
  virtual ~Services() = default;

  // Shows a message box and returns vbOK, vbYes or vbNo.
  virtual int MsgBox(const std::string& text, int style, const std::string& title) = 0;

  // File dialogs: the chosen full path, or nothing when the user cancelled. A dialog that
  // fails raises AutomationError.
  virtual std::optional<std::string> ShowOpenDialog(const std::string& filter,
                                                    const std::string& preset) = 0;
  virtual std::optional<std::string> ShowSaveDialog(const std::string& filter,
                                                    const std::string& preset) = 0;

  // Per-user settings: named texts by application, section and key. A save stores its keys
  // in the given order and reaches the store once for all of them.
  virtual std::string GetSetting(const std::string& app, const std::string& section,
                                 const std::string& key, const std::string& default_value) = 0;
  virtual void SaveSettings(const std::string& app, const std::string& section,
                            const std::vector<Setting>& settings) = 0;

  // Opens a file with the desktop's "open" action; the outcome is not reported.
  virtual void ShellOpen(const std::string& path) = 0;

  // A regular file (a folder never counts); an existing folder. "" names neither.
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;

  virtual DaySerial Today() = 0;

  // Shows another form modally and returns when it is closed.
  virtual void ShowModal(Form& form) = 0;
  // Ends the program at once.
  virtual void EndProgram() = 0;
};

}  // namespace taskvane::forms
