#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/frm_main.h"
#include "platform/runtime/automation_error.h"
#include "tests/console/convert_recording_exporters.h"
#include "tests/support/recording_services.h"

namespace taskvane {
namespace {

using testing::RecordingExporters;
using testing::RecordingServices;
using testing::TempFolder;
using Strings = std::vector<std::string>;

const std::string kPathMessage = "Taskvane | OK | 경로가 정확하지 않습니다.";
const std::string kExistsQuestion =
    "Taskvane | YesNo | 파일이 이미 존재합니다. 새로운 파일을 생성하시겠습니까?";

class ConvertCommand : public ::testing::Test {
 protected:
  ConvertCommand() {
    form.Form_Load();
    schedule = dir.File("plan.mpp");
  }

  // Every check of the Excel mode passes; the output does not exist yet.
  void ValidExcel() {
    form.txtMPPFilePathExcel.Text = schedule;
    form.txtConvertFilePathExcel.Text = dir.Path() + "plan.xlsx";
  }
  // Every check of the PowerPoint mode passes; the output does not exist yet.
  void ValidPowerPoint() {
    form.mnuConvertPPT_Click();
    form.txtMPPFilePathPPT.Text = schedule;
    form.txtConvertFilePathPPT.Text = dir.Path() + "report.pptx";
    const char* dates[] = {"2024-03-04", "2024-03-08", "2024-03-11", "2024-03-15"};
    for (int i = 1; i <= 4; ++i) form.txtDate(i).Text = dates[i - 1];
  }

  std::string Focused() const {
    return form.ActiveControl() ? form.ActiveControl()->QualifiedName() : "";
  }
  Strings SettingsWritten() const { return services.Lines("SETTING "); }

  // A refused command: one message, no export, no setting, the earlier output path kept.
  void ExpectRefused(const std::string& message) {
    EXPECT_EQ(services.Messages(), Strings{message});
    EXPECT_TRUE(exporters.Calls.empty());
    EXPECT_TRUE(SettingsWritten().empty());
    EXPECT_EQ(form.OutputFilePath, "earlier.xlsx");
  }

  TempFolder dir;
  std::string schedule;
  RecordingServices services;
  RecordingExporters exporters{services};
  frmMain form{services, exporters};
};

TEST_F(ConvertCommand, ScheduleMustNameAnExistingFile) {
  for (const std::string& bad : {std::string(), dir.Path() + "missing.mpp", dir.Folder("sub")}) {
    SCOPED_TRACE(bad);
    ValidExcel();
    form.txtMPPFilePathExcel.Text = bad;
    form.cmdSave.SetFocus();
    form.OutputFilePath = "earlier.xlsx";
    services.Log.clear();
    form.cmdSave.RaiseClick();
    ExpectRefused(kPathMessage);
    EXPECT_EQ(Focused(), "txtMPPFilePathExcel");
  }
}

TEST_F(ConvertCommand, OutputMustLieInAnExistingFolder) {
  // A bare name has the folder "", which names no folder.
  for (const std::string& bad :
       {std::string(), std::string("plan.xlsx"), dir.Path() + "nowhere/plan.xlsx"}) {
    SCOPED_TRACE(bad);
    ValidExcel();
    form.txtConvertFilePathExcel.Text = bad;
    form.OutputFilePath = "earlier.xlsx";
    services.Log.clear();
    form.cmdSave_Click();
    ExpectRefused(kPathMessage);
    EXPECT_EQ(Focused(), "txtConvertFilePathExcel");
  }
}

TEST_F(ConvertCommand, OutputNameAndUntickedLogosAreNotTested) {
  ValidExcel();
  form.txtConvertFilePathExcel.Text = dir.Path() + "plan";
  form.chkUseCustomerLogo.Value = forms::vbUnchecked;
  form.chkUseVelLogo.Value = forms::vbUnchecked;
  form.txtCustomerLogoPath.Text = dir.Path() + "missing.jpg";
  form.txtVelLogoPath.Text = "";
  form.cmdSave_Click();
  EXPECT_TRUE(services.Messages().empty());
  EXPECT_EQ(exporters.Calls, Strings{"excel " + dir.Path() + "plan"});
  EXPECT_EQ(form.OutputFilePath, dir.Path() + "plan");
}

TEST_F(ConvertCommand, TickedLogoNeedsAnExistingFileInItsOrder) {
  ValidExcel();
  form.chkUseCustomerLogo.Value = forms::vbChecked;
  form.chkUseVelLogo.Value = forms::vbChecked;
  form.txtCustomerLogoPath.Text = "";
  form.txtVelLogoPath.Text = dir.Path() + "missing.jpg";
  form.OutputFilePath = "earlier.xlsx";
  form.cmdSave_Click();
  ExpectRefused(kPathMessage);
  EXPECT_EQ(Focused(), "txtCustomerLogoPath");

  services.Log.clear();
  form.txtCustomerLogoPath.Text = dir.File("customer.jpg");
  form.cmdSave_Click();
  ExpectRefused(kPathMessage);
  EXPECT_EQ(Focused(), "txtVelLogoPath");

  services.Log.clear();
  form.txtVelLogoPath.Text = dir.Folder("logo.jpg");  // a folder is not a file
  form.cmdSave_Click();
  ExpectRefused(kPathMessage);
}

TEST_F(ConvertCommand, ExcelExportThenItsSettings) {
  ValidExcel();
  form.txtTitleExcel.Text = "일정표";
  form.cmdSave_Click();
  ASSERT_EQ(exporters.Calls, Strings{"excel " + dir.Path() + "plan.xlsx"});
  EXPECT_EQ(exporters.SettingsWrittenBefore[0], 0u);
  EXPECT_EQ(form.OutputFilePath, dir.Path() + "plan.xlsx");
  const Strings written = SettingsWritten();
  ASSERT_FALSE(written.empty());
  EXPECT_EQ(written.front(), "frmMain/TitleExcel = 일정표");
  EXPECT_EQ(services.Settings["Taskvane/frmMain/ConvertFilePathExcel"], dir.Path() + "plan.xlsx");
  EXPECT_EQ(services.Settings.count("Taskvane/frmMain/TitlePPT"), 0u);
}

TEST_F(ConvertCommand, ExistingOutputAndYesWritesTheNextNumberedName) {
  ValidExcel();
  dir.File("plan.xlsx");
  services.Answers = {forms::vbYes};
  form.cmdSave_Click();
  EXPECT_EQ(services.Messages(), Strings{kExistsQuestion});
  EXPECT_EQ(exporters.Calls, Strings{"excel " + dir.Path() + "plan-1.xlsx"});
  EXPECT_EQ(form.OutputFilePath, dir.Path() + "plan-1.xlsx");
  // The box and the setting keep the plain name.
  EXPECT_EQ(form.txtConvertFilePathExcel.Text.get(), dir.Path() + "plan.xlsx");
  EXPECT_EQ(services.Settings["Taskvane/frmMain/ConvertFilePathExcel"], dir.Path() + "plan.xlsx");

  // The numbering starts again from the box's path, not from the last numbered name.
  dir.File("plan-1.xlsx");
  services.Answers = {forms::vbYes};
  form.cmdSave_Click();
  EXPECT_EQ(exporters.Calls.back(), "excel " + dir.Path() + "plan-2.xlsx");
}

TEST_F(ConvertCommand, ExistingOutputWithoutExtensionInADottedFolderKeepsTheFolder) {
  ValidExcel();
  const std::string folder = dir.Folder("work.old");
  form.txtConvertFilePathExcel.Text = folder + "/plan";
  dir.File("work.old/plan");
  services.Answers = {forms::vbYes};
  form.cmdSave_Click();
  EXPECT_EQ(exporters.Calls, Strings{"excel " + folder + "/plan-1"});
  EXPECT_EQ(form.OutputFilePath, folder + "/plan-1");
}

TEST_F(ConvertCommand, ExistingOutputAndNoChangesNothing) {
  ValidExcel();
  const std::string output = dir.File("plan.xlsx");
  form.OutputFilePath = "earlier.xlsx";
  services.Answers = {forms::vbNo};
  form.cmdSave_Click();
  EXPECT_EQ(services.Messages(), Strings{kExistsQuestion});
  EXPECT_TRUE(exporters.Calls.empty());
  EXPECT_TRUE(SettingsWritten().empty());
  EXPECT_EQ(form.OutputFilePath, output);
}

TEST_F(ConvertCommand, AllNumberedNamesTakenStopsBeforeTheExport) {
  ValidExcel();
  dir.File("plan.xlsx");
  for (int n = 1; n <= 100; ++n) dir.File("plan-" + std::to_string(n) + ".xlsx");
  services.Answers = {forms::vbYes};
  form.cmdSave_Click();
  EXPECT_EQ(services.Messages(),
            (Strings{kExistsQuestion,
                     "Taskvane | OK | 같은 이름의 파일이 너무 많습니다. 다른 파일 이름을 "
                     "지정하십시오."}));
  EXPECT_TRUE(exporters.Calls.empty());
  EXPECT_TRUE(SettingsWritten().empty());
}

TEST_F(ConvertCommand, EscapingErrorIsShownAndNoSettingIsWritten) {
  ValidExcel();
  exporters.Fail = [] { throw AutomationError(1004, "통합 문서를 저장할 수 없습니다."); };
  form.cmdSave_Click();
  EXPECT_EQ(services.Messages(), Strings{"Taskvane | OK | 1004 - 통합 문서를 저장할 수 없습니다."});
  EXPECT_TRUE(SettingsWritten().empty());

  // The window goes on working: the next conversion runs and saves.
  exporters.Fail = nullptr;
  form.cmdSave_Click();
  EXPECT_EQ(exporters.Calls.size(), 2u);
  EXPECT_FALSE(SettingsWritten().empty());
}

TEST_F(ConvertCommand, PowerPointPathsFailWithFocus) {
  ValidPowerPoint();
  form.txtMPPFilePathPPT.Text = dir.Path() + "missing.mpp";
  form.OutputFilePath = "earlier.xlsx";
  form.cmdSave_Click();
  ExpectRefused(kPathMessage);
  EXPECT_EQ(Focused(), "txtMPPFilePathPPT");

  services.Log.clear();
  form.txtMPPFilePathPPT.Text = schedule;
  form.txtConvertFilePathPPT.Text = "report.pptx";
  form.cmdSave_Click();
  ExpectRefused(kPathMessage);
  EXPECT_EQ(Focused(), "txtConvertFilePathPPT");
}

TEST_F(ConvertCommand, PowerPointDatesAreCheckedInOrderForPresenceOnly) {
  ValidPowerPoint();
  form.txtDate(3).Text = "";
  form.txtDate(4).Text = "";
  form.cmdSave.SetFocus();
  form.OutputFilePath = "earlier.xlsx";
  form.cmdSave_Click();
  ExpectRefused("Taskvane | OK | 날짜가 정확하지 않습니다.");
  EXPECT_EQ(Focused(), "cmdSave");

  // Any text passes; the dates are not read here.
  services.Log.clear();
  form.txtDate(3).Text = "다음 주";
  form.txtDate(4).Text = "x";
  form.cmdSave_Click();
  EXPECT_TRUE(services.Messages().empty());
  EXPECT_EQ(exporters.Calls, Strings{"ppt " + dir.Path() + "report.pptx"});
}

TEST_F(ConvertCommand, PowerPointNeedsAStartLevel) {
  ValidPowerPoint();
  form.cmbStartOutline.ListIndex = -1;
  form.cmdSave.SetFocus();
  form.OutputFilePath = "earlier.xlsx";
  form.cmdSave_Click();
  ExpectRefused("Taskvane | OK | 시작할 개요수준을 선택하십시오.");
  EXPECT_EQ(Focused(), "cmdSave");
}

TEST_F(ConvertCommand, PowerPointIgnoresLogosAndNumbersAnExistingOutput) {
  ValidPowerPoint();
  form.chkUseCustomerLogo.Value = forms::vbChecked;
  form.txtCustomerLogoPath.Text = "";
  dir.File("report.pptx");
  services.Answers = {forms::vbYes};
  form.cmdSave_Click();
  EXPECT_EQ(services.Messages(), Strings{kExistsQuestion});
  ASSERT_EQ(exporters.Calls, Strings{"ppt " + dir.Path() + "report-1.pptx"});
  EXPECT_EQ(exporters.SettingsWrittenBefore[0], 0u);
  EXPECT_EQ(form.OutputFilePath, dir.Path() + "report-1.pptx");
  EXPECT_EQ(services.Settings["Taskvane/frmMain/ConvertFilePathPPT"], dir.Path() + "report.pptx");
  EXPECT_EQ(services.Settings["Taskvane/frmMain/Date3"], "2024-03-11");
  EXPECT_EQ(services.Settings.count("Taskvane/frmMain/TitleExcel"), 0u);
}

TEST_F(ConvertCommand, FolderOfPathEndsAtTheLastSlash) {
  EXPECT_EQ(form.GetFolderOfPath("/home/kim/plan.xlsx"), "/home/kim/");
  EXPECT_EQ(form.GetFolderOfPath("/plan.xlsx"), "/");
  EXPECT_EQ(form.GetFolderOfPath("/home/kim/"), "/home/kim/");
  EXPECT_EQ(form.GetFolderOfPath("plan.xlsx"), "");
  EXPECT_EQ(form.GetFolderOfPath("C:\\work\\plan.xlsx"), "");
}

TEST_F(ConvertCommand, NumberGoesBeforeTheExtensionOfTheFileName) {
  // A file without extension in a folder with a dot: the number goes after the name, and
  // the folder keeps its name.
  const std::string folder = dir.Folder("work.old");
  const std::string plan = folder + "/plan";
  ASSERT_EQ(dir.Path().find('.'), std::string::npos) << "the temporary folder holds a dot";
  form.OutputFilePath = "earlier";
  EXPECT_EQ(form.MakeUniqueFileName(plan), dir.Path() + "work.old/plan-1");
  EXPECT_EQ(form.OutputFilePath, dir.Path() + "work.old/plan-1");
  // Names with an extension: before its last dot, as before.
  EXPECT_EQ(form.MakeUniqueFileName(folder + "/plan.v2.pptx"), folder + "/plan.v2-1.pptx");
  // A leading dot starts the name; it is no extension.
  EXPECT_EQ(form.MakeUniqueFileName(folder + "/.plan"), folder + "/.plan-1");

  // No dot at all: the number goes at the end.
  const std::string bare = dir.File("plan");
  EXPECT_EQ(form.MakeUniqueFileName(bare), bare + "-1");
  dir.File("plan-1");
  EXPECT_EQ(form.MakeUniqueFileName(bare), bare + "-2");

  // A folder at a candidate's name is not a file and does not take the name.
  dir.Folder("plan-1.xlsx");
  EXPECT_EQ(form.MakeUniqueFileName(dir.Path() + "plan.xlsx"), dir.Path() + "plan-1.xlsx");
}

TEST_F(ConvertCommand, NoFreeNumberedNameGivesEmptyAndKeepsOutputPath) {
  for (int n = 1; n <= 100; ++n) dir.File("a-" + std::to_string(n) + ".xlsx");
  form.OutputFilePath = "earlier.xlsx";
  EXPECT_EQ(form.MakeUniqueFileName(dir.Path() + "a.xlsx"), "");
  EXPECT_EQ(form.OutputFilePath, "earlier.xlsx");
  std::filesystem::remove(dir.Path() + "a-100.xlsx");
  EXPECT_EQ(form.MakeUniqueFileName(dir.Path() + "a.xlsx"), dir.Path() + "a-100.xlsx");
}

}  // namespace
}  // namespace taskvane
