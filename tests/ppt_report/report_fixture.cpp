#include "tests/ppt_report/report_fixture.h"

#include <unistd.h>
#include <atomic>

#include "ppt_report/export_weekly_report.h"

namespace taskvane::testing {

namespace {

std::filesystem::path FreshFolder() {
  static std::atomic<int> counter{0};
  const auto folder =
      std::filesystem::temp_directory_path() /
      ("tv_ppt_report_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace

WeeklyReportTest::WeeklyReportTest()
    : folder(FreshFolder()), output((folder / "report.pptx").string()) {
  form.txtTitlePPT.Text = "주간 보고";
  form.txtPJTNamePPT.Text = "신규 시스템 구축";
  form.txtMPPFilePathPPT.Text = "plan.xml";
  form.txtDate(1).Text = "2024-03-04";
  form.txtDate(2).Text = "2024-03-10";
  form.txtDate(3).Text = "2024-03-11";
  form.txtDate(4).Text = "2024-03-17";
  for (const char* level : {"1", "2", "3", "4"}) form.cmbStartOutline.AddItem(level);
  form.cmbStartOutline.SelectText("1");
  form.optUseCurrent.Value = true;
  form.chkExecuteConvertlFile.Value = forms::vbUnchecked;
  form.stbMain.PanelText.OnChange([this](const std::string&) {
    statuses.push_back(form.stbMain.PanelText);
    if (form.stbMain.PanelText == std::string("Merge 중") && document) {
      status_dates_at_merge.push_back(document->StatusDate());
    }
  });
}

WeeklyReportTest::~WeeklyReportTest() {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

project::TaskBuilder& WeeklyReportTest::Work(std::string name, int level, const std::string& start,
                                             const std::string& finish, double minutes) {
  return schedule.AddTask(std::move(name), level)
      .Start(start + " 08:00")
      .Finish(finish + " 17:00")
      .Duration(minutes);
}

project::TaskBuilder& WeeklyReportTest::Summary(std::string name, int level,
                                                const std::string& start,
                                                const std::string& finish) {
  return Work(std::move(name), level, start, finish).Summary();
}

void WeeklyReportTest::Run() {
  WeeklyReport report(form, output);
  report.OpenProjectFile = [this](const std::string&) { return document = schedule.Build(); };
  report.CreateObject = [this](std::string_view class_name) {
    return powerpoint = std::shared_ptr<ppt::Application>(ppt::CreateObject(class_name));
  };
  ExportWeeklyReport(report);
}

ppt::Slide& WeeklyReportTest::SlideAt(int index) const {
  return powerpoint->Presentations(1).Slides(index);
}

std::string WeeklyReportTest::Text(const ppt::Table& table, int row, int column) {
  return table.Cell(row, column).Body().Text();
}

std::vector<std::vector<std::string>> WeeklyReportTest::CellTexts(const ppt::Table& table) {
  std::vector<std::vector<std::string>> grid;
  for (int r = 1; r <= table.RowCount(); ++r) {
    auto& row = grid.emplace_back();
    for (int c = 1; c <= table.ColumnCount(); ++c) {
      row.push_back(table.Cell(r, c).IsCovered() ? "~" : Text(table, r, c));
    }
  }
  return grid;
}

}  // namespace taskvane::testing
