#pragma once

#include <string>
#include <vector>

#include "platform/forms/services.h"

namespace taskvane {

// The per-user settings of both programs: application "Taskvane", section "frmMain".
inline constexpr const char* kSettingsApp = "Taskvane";
inline constexpr const char* kSettingsSection = "frmMain";

// Reads and writes the settings in their stored forms: texts unchanged, check-box values
// as "0" / "1", option buttons as "True" / "False". The Save functions collect the keys in
// order; Write then stores them all in one go, so the store is rewritten once.
class ConversionSettings {
 public:
  explicit ConversionSettings(forms::Services& services) : services_(services) {}

  std::string Text(const std::string& key, const std::string& default_value = "") const;
  // A check box's value; missing gives unticked. The check boxes have two states, so a
  // text that is not the whole number 0 or 1 counts as 0.
  int CheckValue(const std::string& key) const;
  // An option button's state; missing, or any text but "True" and "False", gives the
  // default.
  bool Truth(const std::string& key, bool default_value) const;

  void SaveText(const std::string& key, const std::string& text);
  void SaveCheckValue(const std::string& key, int value);
  void SaveTruth(const std::string& key, bool value);
  void Write();

 private:
  forms::Services& services_;
  std::vector<forms::Setting> pending_;
};

}  // namespace taskvane
