#pragma once

#include <string>
#include <vector>

#include "platform/forms/services.h"

namespace taskvane::qt {

// The per-user settings of the programs: an INI file read and written through QSettings,
// one group per section. By default the file of the user scope for organisation "Taskvane"
// and the given application; the driver and tests name an explicit INI file instead, which
// then holds the sections of every application.
//
// An unreadable or odd file never stops the program: a value that is not a text reads as
// missing (the default), a list written without quotes reads back joined with ",", and a
// failed write leaves the store as it was. Only a regular file is ever opened: anything
// else in its place (a folder, a named pipe, a device) reads as an empty store and is
// never written, since reading a pipe would wait for a writer that may never come.
class IniSettingsStore {
 public:
  IniSettingsStore() = default;
  explicit IniSettingsStore(std::string ini_path) : ini_path_(std::move(ini_path)) {}

  std::string Get(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& default_value) const;
  // Sets the keys in the given order, then rewrites the file once.
  void Save(const std::string& app, const std::string& section,
            const std::vector<forms::Setting>& settings) const;

  // The file in use for an application (for messages and tests).
  std::string FilePath(const std::string& app) const;

 private:
  std::string ini_path_;  // empty: the user-scope file
};

}  // namespace taskvane::qt
