#include "console/conversion_settings.h"

#include <charconv>

#include "platform/forms/controls.h"

namespace taskvane {

std::string ConversionSettings::Text(const std::string& key,
                                     const std::string& default_value) const {
  return services_.GetSetting(kSettingsApp, kSettingsSection, key, default_value);
}

int ConversionSettings::CheckValue(const std::string& key) const {
  const std::string text = Text(key, "0");
  int value = 0;
  const char* last = text.data() + text.size();
  auto [end, error] = std::from_chars(text.data(), last, value);
  if (text.empty() || error != std::errc{} || end != last) return forms::vbUnchecked;
  return value == forms::vbChecked ? forms::vbChecked : forms::vbUnchecked;
}

bool ConversionSettings::Truth(const std::string& key, bool default_value) const {
  const std::string text = Text(key, default_value ? "True" : "False");
  if (text == "True") return true;
  if (text == "False") return false;
  return default_value;
}

void ConversionSettings::SaveText(const std::string& key, const std::string& text) {
  pending_.push_back({key, text});
}

void ConversionSettings::SaveCheckValue(const std::string& key, int value) {
  SaveText(key, std::to_string(value));
}

void ConversionSettings::SaveTruth(const std::string& key, bool value) {
  SaveText(key, value ? "True" : "False");
}

void ConversionSettings::Write() {
  services_.SaveSettings(kSettingsApp, kSettingsSection, pending_);
  pending_.clear();
}

}  // namespace taskvane
