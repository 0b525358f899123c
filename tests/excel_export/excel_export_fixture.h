#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "console/main_window_controls.h"
#include "excel_export/excel_conversion.h"
#include "platform/project/project_builder.h"
#include "tests/support/recording_services.h"

namespace taskvane::testing {

// A main window in its design state over recording services, a schedule built in code,
// and a scratch folder for the saved workbooks. Every status text the exporters write is
// kept in order.
class ExcelExportTest : public ::testing::Test {
 protected:
  ExcelExportTest() {
    frmMain.stbMain.PanelText.OnChange(
        [this](const std::string&) { statuses.push_back(frmMain.stbMain.PanelText); });
    frmMain.cmbZoom.SelectText("70");
    frmMain.txtMPPFilePathExcel.Text = "schedule.xml";
    frmMain.txtTitleExcel.Text = "전체 일정표";
    frmMain.txtPJTNameExcel.Text = "차세대 시스템 구축";
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process ID keeps two builds' runs of one test apart.
    folder = std::filesystem::temp_directory_path() /
             ("tv_excel_export_" + std::to_string(::getpid()) + "_" +
              std::string(info->test_suite_name()) + "_" + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  ~ExcelExportTest() override { std::filesystem::remove_all(folder); }

  // A conversion whose schedule is the one built in `schedule`.
  std::unique_ptr<ExcelConversion> Conversion(const std::string& file_name = "out.xlsx") {
    frmMain.OutputFilePath = Output(file_name);
    auto conv = std::make_unique<ExcelConversion>(frmMain, frmMain.OutputFilePath);
    std::shared_ptr<project::Project> document = schedule.Build();
    conv->OpenProjectFile = [document](const std::string&) { return document; };
    return conv;
  }

  std::string Output(const std::string& file_name) const { return (folder / file_name).string(); }

  // Adds tasks at the given outline levels, named "T<position>".
  void AddTasksAtLevels(const std::vector<int>& levels) {
    for (size_t i = 0; i < levels.size(); ++i) {
      schedule.AddTask("T" + std::to_string(i + 1), levels[i]);
    }
  }

  void ChooseField(long field_id, const std::string& caption) {
    frmMain.lvwListingFields.Add("Key" + std::to_string(field_id), caption);
  }

  RecordingServices services;
  MainWindowControls frmMain{services};
  project::ProjectBuilder schedule;
  std::vector<std::string> statuses;
  std::filesystem::path folder;
};

// What openpyxl reads from a saved workbook: "key=value" facts (see read_workbook.py);
// merges are collected in order.
struct WorkbookFacts {
  std::map<std::string, std::string> facts;
  std::vector<std::string> merges;
  std::string operator[](const std::string& key) const {
    auto it = facts.find(key);
    return it == facts.end() ? "<none>" : it->second;
  }
};

// Runs one of the reader scripts of this folder on a saved workbook and collects its
// "key=value" lines.
inline WorkbookFacts ReadWithScript(const std::string& script, const std::string& path) {
  const std::string command = std::string("/usr/bin/python3 ") + TASKVANE_SOURCE_DIR +
                              "/tests/excel_export/" + script + " '" + path + "' 2>&1";
  WorkbookFacts result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  std::string text;
  char buffer[4096];
  size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
  const int status = pclose(pipe);
  EXPECT_EQ(status, 0) << text;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (line.compare(0, eq, "merge") == 0) {
      result.merges.push_back(line.substr(eq + 1));
    } else {
      result.facts[line.substr(0, eq)] = line.substr(eq + 1);
    }
  }
  return result;
}

inline WorkbookFacts ReadBack(const std::string& path) {
  return ReadWithScript("read_workbook.py", path);
}

}  // namespace taskvane::testing
