#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/frm_about.h"
#include "tests/console/main_window_fixture.h"

namespace taskvane::testing {
namespace {

using Strings = std::vector<std::string>;

// Where the stacking rule has put the two panels of the Excel mode and the lower block.
struct ExcelLayout {
  int main_height, ext_column_top, lower_block_top, window_height;
  friend bool operator==(const ExcelLayout&, const ExcelLayout&) = default;
};
ExcelLayout LayoutOf(const frmMain& f) {
  EXPECT_EQ(f.cmdSave.Top, f.chkExecuteConvertlFile.Top) << "the button sits on the same line";
  return {f.fraMain.Height, f.fraExtColumn.Top, f.chkExecuteConvertlFile.Top, f.Height};
}
constexpr ExcelLayout kActualOnly{6495, 6960, 10200, 11880};
constexpr ExcelLayout kBaselineAndActual{6855, 7320, 10560, 12240};
constexpr ExcelLayout kOutlineList{4815, 5280, 8520, 10200};

int ChosenType(const frmMain& f) {
  int chosen = 0;
  for (int j = 1; j <= 3; ++j) {
    if (f.lblOption(j).Visible) {
      EXPECT_EQ(chosen, 0) << "exactly one marker label is visible";
      chosen = j;
    }
  }
  return chosen;
}

std::vector<bool> GanttOnlyVisibility(const frmMain& f) {
  return {f.cmbStartOutlineforExcel.Visible,
          f.lblStartOutlineforExcel.Visible,
          f.optRealOnly.Visible,
          f.optRealAndPlan.Visible,
          f.lblWeeklyOrDaily.Visible,
          f.cmbWeeklyOrDaily.Visible};
}

std::vector<bool> SecondSwatchRowVisibility(const frmMain& f) {
  return {f.lblColor(3).Visible,    f.lblColor(4).Visible,    f.picColorSet(3).Visible,
          f.picColorSet(4).Visible, f.cmdSetColor(3).Visible, f.cmdSetColor(4).Visible,
          f.lblBaseline.Visible,    f.cmbBaseline.Visible};
}
const std::vector<bool> kAllShown(8, true);
const std::vector<bool> kAllHidden(8, false);

TEST_F(MainWindowTest, FirstStartOnAnEmptyStoreShowsEveryDefault) {
  frmMain& f = Load();

  EXPECT_EQ(f.ConvertMode, "Excel");
  EXPECT_EQ(f.Caption, "Taskvane");
  EXPECT_EQ(f.Width, 9255);
  EXPECT_EQ(LayoutOf(f), kActualOnly);
  EXPECT_EQ(ChosenType(f), 1);
  EXPECT_TRUE(f.optConverType(1).Value);
  EXPECT_TRUE(f.optRealOnly.Value);
  EXPECT_FALSE(f.optRealAndPlan.Value);
  EXPECT_EQ(SecondSwatchRowVisibility(f), kAllHidden);
  EXPECT_EQ(f.fraColor.Height, 375);

  for (const forms::TextBox* box :
       {&f.txtTitleExcel, &f.txtPJTNameExcel, &f.txtMPPFilePathExcel, &f.txtConvertFilePathExcel,
        &f.txtCustomerLogoPath, &f.txtVelLogoPath, &f.txtTitlePPT, &f.txtPJTNamePPT,
        &f.txtMPPFilePathPPT, &f.txtConvertFilePathPPT, &f.txtDate(1), &f.txtDate(2), &f.txtDate(3),
        &f.txtDate(4)}) {
    EXPECT_EQ(box->Text, "") << box->QualifiedName();
  }
  EXPECT_EQ(f.chkUseCustomerLogo.Value, forms::vbUnchecked);
  EXPECT_EQ(f.chkUseVelLogo.Value, forms::vbUnchecked);
  EXPECT_EQ(f.chkExecuteConvertlFile.Value, forms::vbUnchecked) << "replaces the design tick";
  EXPECT_EQ(f.cmbZoom.Text, "70");
  EXPECT_EQ(f.cmbStartOutlineforExcel.Entries(), (Strings{"1", "2"}));
  EXPECT_EQ(f.cmbStartOutlineforExcel.Text, "1");
  EXPECT_EQ(f.cmbWeeklyOrDaily.Text, "주별");
  EXPECT_EQ(f.cmbStartOutline.Entries(), (Strings{"1", "2", "3", "4"}));
  EXPECT_EQ(f.cmbStartOutline.Text, "1");
  EXPECT_EQ(f.txtDisplayOutline.Text, "1,2,3") << "start-up's selection refreshes the display";
  EXPECT_EQ(f.cmbBaseline.Text, "초기계획");
  EXPECT_TRUE(f.optUseBaseline.Value);
  EXPECT_FALSE(f.optUseCurrent.Value);
  const Strings tags{"16,14", "40,2", "14,12", "25,14"};
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(f.picColorSet(k).Tag, tags[k - 1]);

  EXPECT_EQ(f.cmbField.Text, "기본");
  EXPECT_EQ(f.lvwField.Count(), 8) << "choosing the category filled the available list";
  EXPECT_EQ(f.lvwField.ColumnHeaderWidth, f.lvwField.Width - 100);
  EXPECT_EQ(f.lvwListingFields.ColumnHeaderWidth, f.lvwListingFields.Width - 100);
  EXPECT_EQ(f.lvwListingFields.Count(), 0);

  EXPECT_EQ(f.fraMainPPT.Left, 120);
  EXPECT_EQ(f.fraWeek.Left, 120);
  EXPECT_FALSE(f.fraMainPPT.Visible);
  EXPECT_FALSE(f.fraWeek.Visible);
  EXPECT_FALSE(f.MonthView2.Visible);
  EXPECT_FALSE(f.picPatternPalette.Visible);
  EXPECT_FALSE(f.picColorPalette.Visible);
  EXPECT_FALSE(f.mnuConvertExcel.Enabled);
  EXPECT_TRUE(f.mnuConvertPPT.Enabled);
  EXPECT_EQ(f.lblConvertTypeTitle.Caption, "전체 일정 변환 (엑셀)");
  EXPECT_EQ(f.chkExecuteConvertlFile.Caption, "변환 후 엑셀파일 실행");
  EXPECT_FALSE(f.stbMain.PanelText->empty()) << "a credit line before the first conversion";
  EXPECT_TRUE(SettingsWritten().empty()) << "start-up only reads";
  EXPECT_TRUE(services.Messages().empty());
}

TEST_F(MainWindowTest, StoredOptionsSelectTheirControls) {
  Store("RealOnly", "False");
  Store("UseBaseline", "False");
  Store("Baseline", "초기계획3");
  Store("StartOutline", "4");
  Store("ExecuteFile", "1");
  frmMain& f = Load();

  EXPECT_TRUE(f.optRealAndPlan.Value);
  EXPECT_FALSE(f.optRealOnly.Value);
  EXPECT_EQ(LayoutOf(f), kBaselineAndActual);
  EXPECT_EQ(f.fraColor.Height, 735);
  EXPECT_EQ(SecondSwatchRowVisibility(f), kAllShown);
  EXPECT_EQ(f.lblColor(1).Caption, "초기계획 무늬지정");
  EXPECT_EQ(f.lblColor(2).Caption, "초기계획 색지정");
  EXPECT_EQ(f.cmbBaseline.Text, "초기계획3");

  EXPECT_TRUE(f.optUseCurrent.Value);
  EXPECT_FALSE(f.optUseBaseline.Value);
  EXPECT_EQ(f.txtDisplayOutline.Text, "4,5,6");
  EXPECT_EQ(f.chkExecuteConvertlFile.Value, forms::vbChecked);
}

// Texts an edited store may hold: each falls back to the control's default.
TEST_F(MainWindowTest, UnreadableStoredValuesGiveTheDefaults) {
  Store("Zoom", "55");
  Store("StartOutlineforExcel", "3");
  Store("WeeklyOrDaily", "월별");
  Store("StartOutline", "");
  Store("Baseline", "초기계획11");
  Store("UseCustomerLogo", "yes");
  Store("UseVelLogo", "2");
  Store("ExecuteFile", "1.5");
  Store("RealOnly", "maybe");
  Store("UseBaseline", "0");
  frmMain& f = Load();

  EXPECT_EQ(f.cmbZoom.Text, "70");
  EXPECT_EQ(f.cmbStartOutlineforExcel.Text, "1");
  EXPECT_EQ(f.cmbWeeklyOrDaily.Text, "주별");
  EXPECT_EQ(f.cmbStartOutline.Text, "1");
  EXPECT_EQ(f.txtDisplayOutline.Text, "1,2,3");
  EXPECT_EQ(f.cmbBaseline.Text, "초기계획");
  EXPECT_EQ(f.chkUseCustomerLogo.Value, forms::vbUnchecked);
  EXPECT_EQ(f.chkUseVelLogo.Value, forms::vbUnchecked);
  EXPECT_EQ(f.chkExecuteConvertlFile.Value, forms::vbUnchecked);
  EXPECT_TRUE(f.optRealOnly.Value);
  EXPECT_EQ(LayoutOf(f), kActualOnly);
  EXPECT_TRUE(f.optUseBaseline.Value);
}

TEST_F(MainWindowTest, ConversionTypesHideTheGanttControlsAndRestoreThem) {
  Store("RealOnly", "False");
  frmMain& f = Load();
  const std::vector<bool> shown(6, true);

  f.optConverType(2).UserClick();
  EXPECT_EQ(ChosenType(f), 2);
  EXPECT_EQ(GanttOnlyVisibility(f), std::vector<bool>(6, false));
  EXPECT_EQ(LayoutOf(f), kOutlineList);
  EXPECT_TRUE(f.fraColor.Visible) << "cut off by the panel's edge, not hidden";
  EXPECT_TRUE(f.cmbZoom.Visible);
  EXPECT_LE(f.cmbZoom.Top + f.cmbZoom.Height, f.fraMain.Height) << "zoom stays in view";
  EXPECT_GE(f.fraColor.Top, f.fraMain.Height);

  f.optConverType(3).UserClick();
  EXPECT_EQ(ChosenType(f), 3);
  EXPECT_EQ(LayoutOf(f), kOutlineList);

  f.optConverType(1).UserClick();
  EXPECT_EQ(ChosenType(f), 1);
  EXPECT_EQ(GanttOnlyVisibility(f), shown);
  EXPECT_EQ(LayoutOf(f), kBaselineAndActual) << "the chart option was kept";
  EXPECT_EQ(SecondSwatchRowVisibility(f), kAllShown);

  f.optRealOnly.UserClick();
  EXPECT_EQ(LayoutOf(f), kActualOnly);
  EXPECT_EQ(SecondSwatchRowVisibility(f), kAllHidden);
  EXPECT_EQ(f.lblColor(1).Caption, "차트 무늬지정");
  EXPECT_EQ(f.lblColor(2).Caption, "차트 색지정");
  EXPECT_TRUE(f.cmdSetColor(1).Visible);
  EXPECT_TRUE(f.cmdSetColor(2).Visible);
  EXPECT_TRUE(f.optConverType(1).Value) << "chart and type options are separate groups";
}

TEST_F(MainWindowTest, ModeSwitchesRelayTheWindowAndKeepTheInput) {
  frmMain& f = Load();
  f.optConverType(2).UserClick();
  f.txtTitleExcel.Text = "제목";

  f.mnuConvertPPT.RaiseClick();
  EXPECT_EQ(f.ConvertMode, "PPT");
  EXPECT_TRUE(f.fraMainPPT.Visible);
  EXPECT_TRUE(f.fraWeek.Visible);
  EXPECT_FALSE(f.fraMain.Visible);
  EXPECT_FALSE(f.fraExtColumn.Visible);
  EXPECT_EQ(f.chkExecuteConvertlFile.Top, 5040);
  EXPECT_EQ(f.cmdSave.Top, 5040);
  EXPECT_EQ(f.Height, 6720);
  EXPECT_TRUE(f.mnuConvertExcel.Enabled);
  EXPECT_FALSE(f.mnuConvertPPT.Enabled);
  EXPECT_EQ(f.chkExecuteConvertlFile.Caption, "변환 후 파워포인트 파일 실행");
  EXPECT_EQ(f.lblConvertTypeTitle.Caption, "주간보고서 변환 (파워포인트)");

  f.cmdGetCalnedar(1).RaiseClick();
  ASSERT_TRUE(f.MonthView2.Visible);
  f.mnuConvertExcel.RaiseClick();
  EXPECT_EQ(f.ConvertMode, "Excel");
  EXPECT_FALSE(f.MonthView2.Visible) << "the calendar belongs to the PowerPoint panel";
  EXPECT_TRUE(f.fraMain.Visible);
  EXPECT_TRUE(f.fraExtColumn.Visible);
  EXPECT_FALSE(f.fraMainPPT.Visible);
  EXPECT_FALSE(f.fraWeek.Visible);
  EXPECT_EQ(LayoutOf(f), kOutlineList) << "same panel places and height as before";
  EXPECT_EQ(ChosenType(f), 2);
  EXPECT_EQ(f.txtTitleExcel.Text, "제목");
  EXPECT_FALSE(f.mnuConvertExcel.Enabled);
  EXPECT_TRUE(f.mnuConvertPPT.Enabled);
  EXPECT_EQ(f.chkExecuteConvertlFile.Caption, "변환 후 엑셀 파일 실행");
  EXPECT_EQ(f.lblConvertTypeTitle.Caption, "전체 일정 변환 (엑셀)");
}

TEST_F(MainWindowTest, ExitEndsAtOnceWithoutWritingAnything) {
  frmMain& f = Load();
  f.txtTitleExcel.Text = "바뀐 제목";
  f.cmbZoom.SelectText("100");
  f.chkUseVelLogo.UserClick();
  f.mnuExit.RaiseClick();
  EXPECT_TRUE(services.Ended);
  EXPECT_TRUE(services.Settings.empty());
  EXPECT_TRUE(services.Messages().empty());
}

TEST_F(MainWindowTest, InformationShowsTheAboutBoxModallyAndCloseUnloadsIt) {
  frmMain& f = Load();
  int unloads = 0;
  std::string caption, close_caption, texts;
  services.OnModal = [&](forms::Form& shown) {
    auto& about = dynamic_cast<frmAbout&>(shown);
    caption = about.Caption;
    close_caption = about.cmdClose.Caption;
    texts = about.lblProgramName.Caption.get() + about.lblDescription.Caption.get() +
            about.lblNotice.Caption.get();
    about.Unloaded = [&] { ++unloads; };
    about.cmdClose.RaiseClick();
  };
  f.mnuInformation.RaiseClick();
  f.mnuInformation.RaiseClick();
  EXPECT_EQ(services.Lines("MODAL "), (Strings{"frmAbout", "frmAbout"}));
  EXPECT_EQ(unloads, 2);
  EXPECT_EQ(caption, "Taskvane 정보");
  EXPECT_EQ(close_caption, "닫기");
  EXPECT_NE(texts.find("Taskvane"), std::string::npos);
  EXPECT_NE(texts.find("무료"), std::string::npos);
}

}  // namespace
}  // namespace taskvane::testing
