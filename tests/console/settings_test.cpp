#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/console/main_window_fixture.h"

namespace taskvane::testing {
namespace {

using Strings = std::vector<std::string>;

// Fills every option of both modes with something other than its default.
void ChangeEverything(frmMain& f) {
  f.txtTitleExcel.Text = "엑셀 제목";
  f.txtPJTNameExcel.Text = "엑셀 프로젝트";
  f.txtMPPFilePathExcel.Text = "/data/plan.xml";
  f.txtConvertFilePathExcel.Text = "/out/plan.xlsx";
  f.chkUseCustomerLogo.UserClick();
  f.txtCustomerLogoPath.Text = "/img/customer.jpg";
  f.txtVelLogoPath.Text = "/img/own.jpg";
  f.cmbZoom.SelectText("85");
  f.cmbStartOutlineforExcel.SelectText("2");
  f.cmbWeeklyOrDaily.SelectText("일별");
  f.optRealAndPlan.UserClick();
  f.cmdSetColor(1).RaiseClick();
  f.picPattern(10).RaiseClick();
  f.cmdSetColor(4).RaiseClick();
  f.picPalette(2).RaiseClick();
  f.cmbBaseline.SelectText("초기계획10");
  f.chkExecuteConvertlFile.UserClick();
  f.txtTitlePPT.Text = "주간 보고";
  f.txtPJTNamePPT.Text = "보고 프로젝트";
  f.txtMPPFilePathPPT.Text = "/data/report.xml";
  f.txtConvertFilePathPPT.Text = "/out/report.pptx";
  f.optUseCurrent.UserClick();
  const char* dates[] = {"2024-03-04", "2024-03-08", "2024-03-11", "2024-03-15"};
  for (int i = 1; i <= 4; ++i) f.txtDate(i).Text = dates[i - 1];
  f.cmbStartOutline.SelectText("3");
}

const Strings kExcelWrite{
    "TitleExcel = 엑셀 제목",
    "PJTNameExcel = 엑셀 프로젝트",
    "MPPFilePathExcel = /data/plan.xml",
    "ConvertFilePathExcel = /out/plan.xlsx",
    "UseCustomerLogo = 1",
    "CustomerLogoPath = /img/customer.jpg",
    "UseVelLogo = 0",
    "VelLogoPath = /img/own.jpg",
    "Zoom = 85",
    "StartOutlineforExcel = 2",
    "RealOnly = False",
    "WeeklyOrDaily = 일별",
    "ColorSet(1) = 10,-4162",
    "ColorSet(2) = 40,2",
    "ColorSet(3) = 14,12",
    "ColorSet(4) = 2,60",
    "ExecuteFile = 1",
    "Baseline = 초기계획10",
};

const Strings kPowerPointWrite{
    "TitlePPT = 주간 보고",
    "PJTNamePPT = 보고 프로젝트",
    "MPPFilePathPPT = /data/report.xml",
    "ConvertFilePathPPT = /out/report.pptx",
    "UseBaseline = False",
    "Date1 = 2024-03-04",
    "Date2 = 2024-03-08",
    "Date3 = 2024-03-11",
    "Date4 = 2024-03-15",
    "StartOutline = 3",
    "ExecuteFile = 1",
    "Baseline = 초기계획10",
};

TEST_F(MainWindowTest, ExcelModeWritesItsKeysInOrderAndNoPowerPointKey) {
  frmMain& f = Load();
  ChangeEverything(f);
  f.SaveConversionSettings();
  EXPECT_EQ(SettingsWritten(), kExcelWrite);
  EXPECT_EQ(Stored("TitlePPT"), "<missing>");
  EXPECT_EQ(Stored("UseBaseline"), "<missing>");
}

TEST_F(MainWindowTest, PowerPointModeWritesItsKeysInOrderAndNoExcelKey) {
  frmMain& f = Load();
  ChangeEverything(f);
  f.mnuConvertPPT.RaiseClick();
  f.SaveConversionSettings();
  EXPECT_EQ(SettingsWritten(), kPowerPointWrite);
  EXPECT_EQ(Stored("TitleExcel"), "<missing>");
  EXPECT_EQ(Stored("RealOnly"), "<missing>");
  EXPECT_EQ(Stored("ColorSet(1)"), "<missing>");
}

// Each key that is written is read back into the same control: a save in both modes and
// a fresh start give the same window.
TEST_F(MainWindowTest, SavedSettingsComeBackAtTheNextStartOfEitherProgram) {
  frmMain& saved = Load();
  ChangeEverything(saved);
  saved.SaveConversionSettings();
  saved.mnuConvertPPT.RaiseClick();
  saved.SaveConversionSettings();
  EXPECT_EQ(services.Settings.size(), 28u);

  for (BuildVariant variant : {BuildVariant::Lite, BuildVariant::Main}) {
    frmMain restored(services, exporters, variant);
    restored.Form_Load();
    for (const char* name :
         {"txtTitleExcel", "txtPJTNameExcel", "txtMPPFilePathExcel", "txtConvertFilePathExcel",
          "txtCustomerLogoPath", "txtVelLogoPath", "txtTitlePPT", "txtPJTNamePPT",
          "txtMPPFilePathPPT", "txtConvertFilePathPPT", "txtDate(1)", "txtDate(2)", "txtDate(3)",
          "txtDate(4)"}) {
      EXPECT_EQ(static_cast<forms::TextBox*>(restored.Find(name))->Text,
                static_cast<forms::TextBox*>(saved.Find(name))->Text)
          << name;
    }
    EXPECT_EQ(restored.chkUseCustomerLogo.Value, forms::vbChecked);
    EXPECT_EQ(restored.chkUseVelLogo.Value, forms::vbUnchecked);
    EXPECT_EQ(restored.chkExecuteConvertlFile.Value, forms::vbChecked);
    EXPECT_EQ(restored.cmbZoom.Text, "85");
    EXPECT_EQ(restored.cmbStartOutlineforExcel.Text, "2");
    EXPECT_EQ(restored.cmbWeeklyOrDaily.Text, "일별");
    EXPECT_EQ(restored.cmbStartOutline.Text, "3");
    EXPECT_EQ(restored.cmbBaseline.Text, "초기계획10");
    EXPECT_TRUE(restored.optRealAndPlan.Value);
    EXPECT_TRUE(restored.optUseCurrent.Value);
    for (int k = 1; k <= 4; ++k) {
      EXPECT_EQ(restored.picColorSet(k).Tag, saved.picColorSet(k).Tag) << k;
      EXPECT_EQ(restored.picColorSet(k).Picture, saved.picColorSet(k).Picture) << k;
    }
    EXPECT_EQ(restored.ConvertMode, "Excel") << "the mode is not remembered";
    EXPECT_TRUE(restored.lblOption(1).Visible) << "nor the conversion type";
  }
}

TEST_F(MainWindowTest, SwatchesTakeThePicturesOfTheCellsTheirTagsName) {
  Store("ColorSet(1)", "18,16");
  Store("ColorSet(2)", "27,6");
  Store("ColorSet(3)", "1,8");
  Store("ColorSet(4)", "40,9");
  frmMain& f = Load();
  EXPECT_EQ(f.picColorSet(1).Tag, "18,16");
  EXPECT_EQ(f.picColorSet(1).Picture, f.picPattern(18).Picture);
  EXPECT_EQ(f.picColorSet(2).Picture, f.picPalette(27).Picture);
  EXPECT_EQ(f.picColorSet(3).Picture, f.picPalette(1).Picture);
  EXPECT_EQ(f.picColorSet(4).Picture, f.picPalette(40).Picture);
}

TEST_F(MainWindowTest, ASwatchTagThatNamesNoCellGivesWayToTheSlotDefault) {
  Store("ColorSet(1)", "19,1");   // 18 pattern cells only
  Store("ColorSet(2)", "0,2");    // colour cells count from 1
  Store("ColorSet(3)", "white");  // no cell number at all
  Store("ColorSet(4)", "25");     // no value for the writers
  frmMain& f = Load();
  EXPECT_EQ(f.picColorSet(1).Tag, "16,14");
  EXPECT_EQ(f.picColorSet(1).Picture, f.picPattern(16).Picture);
  EXPECT_EQ(f.picColorSet(2).Tag, "40,2");
  EXPECT_EQ(f.picColorSet(2).Picture, f.picPalette(40).Picture);
  EXPECT_EQ(f.picColorSet(3).Tag, "14,12");
  EXPECT_EQ(f.picColorSet(3).Picture, f.picPalette(14).Picture);
  EXPECT_EQ(f.picColorSet(4).Tag, "25,14");
  EXPECT_EQ(f.picColorSet(4).Picture, f.picPalette(25).Picture);
}

}  // namespace
}  // namespace taskvane::testing
