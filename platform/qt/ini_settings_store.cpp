#include "platform/qt/ini_settings_store.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace taskvane::qt {

namespace {

constexpr const char* kOrganisation = "Taskvane";

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// A QSettings object per call: every write reaches the file at once (both programs share
// it), and QSettings caches the parsed file itself.
std::unique_ptr<QSettings> Open(const std::string& ini_path, const std::string& app) {
  if (!ini_path.empty()) return std::make_unique<QSettings>(Q(ini_path), QSettings::IniFormat);
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kOrganisation,
                                     Q(app));
}

}  // namespace

std::string IniSettingsStore::Get(const std::string& app, const std::string& section,
                                  const std::string& key, const std::string& default_value) const {
  auto settings = Open(ini_path_, app);
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
                            const std::string& key, const std::string& value) const {
  auto settings = Open(ini_path_, app);
  settings->beginGroup(Q(section));
  settings->setValue(Q(key), Q(value));
  settings->endGroup();
  settings->sync();
}

std::string IniSettingsStore::FilePath(const std::string& app) const {
  return Open(ini_path_, app)->fileName().toStdString();
}

}  // namespace taskvane::qt
