#include "platform/qt/ini_settings_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <filesystem>
#include <memory>
#include <system_error>

namespace taskvane::qt {

namespace {

constexpr const char* kOrganisation = "Taskvane";

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// A QSettings object on the file, or nothing when something other than a regular file
// stands at its path (QSettings would read it on construction). A missing file is fine:
// it reads as empty and a save creates it. A QSettings object per call keeps each save
// visible at once to the other program; QSettings caches the parsed file itself.
std::unique_ptr<QSettings> Open(const std::string& path) {
  std::error_code error;
  const auto type = std::filesystem::status(path, error).type();
  if (type != std::filesystem::file_type::regular &&
      type != std::filesystem::file_type::not_found) {
    return nullptr;
  }
  return std::make_unique<QSettings>(Q(path), QSettings::IniFormat);
}

}  // namespace

std::string IniSettingsStore::Get(const std::string& app, const std::string& section,
                                  const std::string& key, const std::string& default_value) const {
  const auto settings = Open(FilePath(app));
  if (!settings) return default_value;
  settings->beginGroup(Q(section));
  const QVariant value = settings->value(Q(key));
  if (!value.isValid()) return default_value;
  // An unquoted text with commas (a hand-edited file) comes back as a list.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(',').toStdString();
  }
  if (!value.canConvert<QString>()) return default_value;
  return value.toString().toStdString();
}

void IniSettingsStore::Save(const std::string& app, const std::string& section,
                            const std::vector<forms::Setting>& settings) const {
  const auto store = Open(FilePath(app));
  if (!store) return;
  store->beginGroup(Q(section));
  for (const forms::Setting& setting : settings) store->setValue(Q(setting.key), Q(setting.value));
  store->endGroup();
  store->sync();
}

// The user-scope file is named here rather than by QSettings, which would read it (and its
// fallbacks) the moment it is made: the same name, in the user's configuration folder.
std::string IniSettingsStore::FilePath(const std::string& app) const {
  if (!ini_path_.empty()) return ini_path_;
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return (folder + "/" + kOrganisation + "/" + Q(app) + ".ini").toStdString();
}

}  // namespace taskvane::qt
