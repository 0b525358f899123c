#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "console/frm_main.h"
#include "tests/console/convert_recording_exporters.h"
#include "tests/support/recording_services.h"

namespace taskvane::testing {

// A main window over recording services: settings are stored in code before `Load`, and
// what the window writes is read back from the store and the log.
class MainWindowTest : public ::testing::Test {
 protected:
  frmMain& Load(BuildVariant variant = BuildVariant::Main) {
    form = std::make_unique<frmMain>(services, exporters, variant);
    form->Form_Load();
    return *form;
  }

  void Store(const std::string& key, const std::string& value) {
    services.Settings["Taskvane/frmMain/" + key] = value;
  }
  std::string Stored(const std::string& key) const {
    auto it = services.Settings.find("Taskvane/frmMain/" + key);
    return it == services.Settings.end() ? "<missing>" : it->second;
  }
  std::vector<std::string> SettingsWritten() const { return services.Lines("SETTING frmMain/"); }

  RecordingServices services;
  RecordingExporters exporters{services};
  std::unique_ptr<frmMain> form;
};

}  // namespace taskvane::testing
