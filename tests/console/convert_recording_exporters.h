#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/exporters.h"
#include "tests/support/recording_services.h"

namespace taskvane::testing {

// Records every exporter call as "excel <path>" or "ppt <path>", with the number of
// settings written before it; `Fail` makes the next calls throw as an exporter would.
class RecordingExporters : public Exporters {
 public:
  explicit RecordingExporters(RecordingServices& services) : services_(services) {}

  std::vector<std::string> Calls;
  std::vector<size_t> SettingsWrittenBefore;
  std::function<void()> Fail;

  void ExportExcel(MainWindowControls&, const std::string& path) override {
    Record("excel " + path);
  }
  void ExportWeeklyReport(MainWindowControls&, const std::string& path) override {
    Record("ppt " + path);
  }

 private:
  void Record(std::string call) {
    Calls.push_back(std::move(call));
    SettingsWrittenBefore.push_back(services_.Lines("SETTING ").size());
    if (Fail) Fail();
  }

  RecordingServices& services_;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tvconvXXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder with a trailing "/".
  std::string Path() const { return path_.string() + "/"; }
  // Creates an empty file and gives its full path.
  std::string File(const std::string& name) const {
    std::ofstream(path_ / name) << "";
    return (path_ / name).string();
  }
  std::string Folder(const std::string& name) const {
    std::filesystem::create_directories(path_ / name);
    return (path_ / name).string();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace taskvane::testing
