#include "tests/twin_conversions/frm_main_conversions.h"

#include <filesystem>

#include "console/exporters.h"
#include "console/frm_main.h"
#include "console/task_field_catalogue.h"
#include "excel_export/export_excel.h"
#include "ppt_report/export_weekly_report.h"
#include "tests/support/recording_services.h"

namespace taskvane::testing {
namespace {

class ConvertingExporters : public Exporters {
 public:
  void ExportExcel(MainWindowControls& frmMain, const std::string& path) override {
    taskvane::ExportExcel(frmMain, path);
  }
  void ExportWeeklyReport(MainWindowControls& frmMain, const std::string& path) override {
    taskvane::ExportWeeklyReport(frmMain, path);
  }
};

void ChooseEveryField(frmMain& form) {
  for (std::string_view category : kTaskFieldCategories) {
    form.cmbField.SelectText(std::string(category));
    for (int item = 1; item <= form.lvwField.Count(); ++item) {
      form.lvwField.SelectedItem = item;
      form.cmdAddField_Click();
    }
  }
}

// Clicks the type's option; a click on the option already chosen runs its handler too.
void ChooseType(frmMain& form, int index) {
  form.optConverType(index).Value = true;
  if (!form.lblOption(index).Visible) form.optConverType_Click(index);
}

void SetUpExcel(frmMain& form, Conversion conversion, const std::string& schedule,
                const std::string& output) {
  form.mnuConvertExcel_Click();
  form.txtTitleExcel.Text = "전체 일정표";
  form.txtPJTNameExcel.Text = "비교 변환";
  form.txtMPPFilePathExcel.Text = schedule;
  form.txtConvertFilePathExcel.Text = output;
  form.chkUseCustomerLogo.Value = forms::vbUnchecked;
  form.chkUseVelLogo.Value = forms::vbUnchecked;
  switch (conversion) {
    case Conversion::kColumnList:
      ChooseType(form, 3);
      ChooseEveryField(form);
      break;
    case Conversion::kIndentedList:
      ChooseType(form, 2);
      ChooseEveryField(form);
      break;
    case Conversion::kWeekGantt:
    case Conversion::kDayGantt:
      ChooseType(form, 1);
      form.optRealAndPlan.Value = true;
      form.cmbStartOutlineforExcel.SelectText("1");
      form.cmbWeeklyOrDaily.SelectText(conversion == Conversion::kWeekGantt ? "주별" : "일별");
      form.cmbBaseline.SelectText("초기계획");
      break;
    case Conversion::kWeeklyReport:
      break;
  }
}

void SetUpReport(frmMain& form, const std::string& schedule, const std::string& output,
                 const ReportPeriods& periods) {
  form.mnuConvertPPT_Click();
  form.txtTitlePPT.Text = "주간 보고";
  form.txtPJTNamePPT.Text = "비교 변환";
  form.txtMPPFilePathPPT.Text = schedule;
  form.txtConvertFilePathPPT.Text = output;
  for (int k = 1; k <= 4; ++k) form.txtDate(k).Text = periods.dates[k - 1];
  form.cmbStartOutline.SelectText("1");
  form.optUseCurrent.Value = true;
}

}  // namespace

std::string_view ConversionName(Conversion conversion) {
  switch (conversion) {
    case Conversion::kColumnList:
      return "column-list";
    case Conversion::kIndentedList:
      return "indented-list";
    case Conversion::kWeekGantt:
      return "week-gantt";
    case Conversion::kDayGantt:
      return "day-gantt";
    case Conversion::kWeeklyReport:
      return "weekly-report";
  }
  return "";
}

std::string_view OutputExtension(Conversion conversion) {
  return conversion == Conversion::kWeeklyReport ? ".pptx" : ".xlsx";
}

ConversionRun RunConversion(Conversion conversion, const std::string& schedule,
                            const std::string& output, const ReportPeriods& periods) {
  RecordingServices services;
  ConvertingExporters exporters;
  frmMain form(services, exporters);
  form.Form_Load();
  if (conversion == Conversion::kWeeklyReport) {
    SetUpReport(form, schedule, output, periods);
  } else {
    SetUpExcel(form, conversion, schedule, output);
  }
  form.chkExecuteConvertlFile.Value = forms::vbUnchecked;
  services.Log.clear();
  form.cmdSave_Click();
  return ConversionRun{services.Messages(), std::filesystem::exists(output)};
}

}  // namespace taskvane::testing
