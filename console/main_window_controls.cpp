#include "console/main_window_controls.h"

#include "console/option_pictures.h"
#include "console/swatch_pictures.h"
#include "console/swatch_tables.h"

namespace taskvane {
namespace {

constexpr long kGrey = 0x808080;
constexpr long kBlack = 0x000000;
constexpr long kWhite = 0xFFFFFF;

void Place(forms::Control& control, int left, int top, int width, int height) {
  control.Left = left;
  control.Top = top;
  control.Width = width;
  control.Height = height;
}

void HorizontalRule(forms::Line& line, int y) {
  line.X1 = 120;
  line.X2 = 8775;
  line.Y1 = y;
  line.Y2 = y;
}

// A row of the Excel and PowerPoint panels: a label at the left, a box from the column at
// 2760, and on path rows the "경로지정" button at the right.
constexpr int kRowLabelLeft = 240;
constexpr int kRowLabelWidth = 2415;
constexpr int kBoxLeft = 2760;
constexpr int kWideBoxWidth = 5895;
constexpr int kPathBoxWidth = 4695;
constexpr int kPathButtonLeft = 7560;
constexpr int kPathButtonWidth = 1095;
constexpr int kRowHeight = 300;

void TextRow(forms::Label& label, const char* caption, forms::TextBox& box, int top) {
  label.Caption = caption;
  Place(label, kRowLabelLeft, top + 45, kRowLabelWidth, 180);
  Place(box, kBoxLeft, top, kWideBoxWidth, kRowHeight);
}

void PathRow(forms::Control& label, forms::TextBox& box, forms::CommandButton& button, int top) {
  Place(label, kRowLabelLeft, label.Kind() == forms::ControlKind::CheckBox ? top : top + 45,
        kRowLabelWidth, label.Kind() == forms::ControlKind::CheckBox ? kRowHeight : 180);
  Place(box, kBoxLeft, top, kPathBoxWidth, kRowHeight);
  button.Caption = "경로지정";
  Place(button, kPathButtonLeft, top, kPathButtonWidth, kRowHeight);
}

void ComboRow(forms::Label& label, const char* caption, forms::ComboBox& combo, int label_left,
              int combo_left, int top) {
  label.Caption = caption;
  Place(label, label_left, top + 45, combo_left - label_left - 105, 180);
  Place(combo, combo_left, top, 1215, kRowHeight);
}

}  // namespace

MainWindowControls::MainWindowControls(forms::Services& services, BuildVariant variant)
    : forms::Form("frmMain", services), variant_(variant) {
  Caption = "Taskvane";
  Width = 18270;
  Height = 12240;
  SetUpMenus();
  SetUpTitleStrip();
  SetUpExcelPanel();
  SetUpSwatchStrip();
  SetUpFieldChooser();
  SetUpPowerPointPanels();
  SetUpLowerBlock();
  SetUpPopUps();
  SetUpPathBoxes();
}

void MainWindowControls::SetUpMenus() {
  mnuFile.Caption = "파일";
  mnuExit.Caption = "종료";
  mnuConvert.Caption = "변환 유형";
  mnuConvertExcel.Caption = "전체 일정 변환 (엑셀)";
  mnuConvertExcel.Enabled = false;
  mnuConvertPPT.Caption = "주간보고서 변환 (파워포인트)";
  mnuHelpMain.Caption = "도움말";
  mnuInformation.Caption = "Taskvane 정보";
}

void MainWindowControls::SetUpTitleStrip() {
  Place(Label23, 0, 0, 18270, 330);
  Label23.BackColor = kGrey;
  lblConvertTypeTitle.Caption = "전체 일정 변환 (엑셀)";
  Place(lblConvertTypeTitle, 120, 45, 5055, 255);
  lblConvertTypeTitle.BackColor = kGrey;
  lblConvertTypeTitle.ForeColor = kWhite;
  lblConvertTypeTitle.FontName = "굴림";
  lblConvertTypeTitle.FontSize = 12.0;
  lblConvertTypeTitle.FontBold = true;
}

void MainWindowControls::SetUpExcelPanel() {
  Place(fraMain, 120, 360, 8895, 6855);

  // Three columns, one per conversion type: the option, and under it the picture framed
  // by the black marker label of the chosen type.
  constexpr const char* kTypeCaptions[] = {"작업 세분화...", "들여쓰기형...", "칼럼분리형..."};
  for (int i = 1; i <= 3; ++i) {
    const int column = 240 + (i - 1) * 2880;
    optConverType(i).Caption = kTypeCaptions[i - 1];
    Place(optConverType(i), column, 120, 2535, 255);
    lblOption(i).BackColor = kBlack;
    lblOption(i).Visible = i == 1;
    Place(lblOption(i), column, 420, 1185, 1185);
    Place(picOption(i), column + 45, 465, 1095, 1095);
    picOption(i).Picture = ConversionTypePicture(i);
  }
  optConverType(1).Value = true;
  HorizontalRule(Line1, 1710);

  TextRow(lblTitle, "타이틀", txtTitleExcel, 1800);
  TextRow(Label5, "프로젝트명", txtPJTNameExcel, 2160);
  lblMPPlPath.Caption = "MS Project 파일 경로";
  PathRow(lblMPPlPath, txtMPPFilePathExcel, cmdMPPFilePathExcel, 2520);
  lblConvertFilePath.Caption = "엑셀 파일 경로";
  PathRow(lblConvertFilePath, txtConvertFilePathExcel, cmdConvertFilePathExcel, 2880);
  HorizontalRule(Line2, 3300);

  chkUseCustomerLogo.Caption = "고객로고 표시(좌측 하단)";
  PathRow(chkUseCustomerLogo, txtCustomerLogoPath, cmdCustomerLogoPath, 3390);
  chkUseVelLogo.Caption = "자사로고 표시(우측 하단)";
  PathRow(chkUseVelLogo, txtVelLogoPath, cmdVelLogoPath, 3750);
  HorizontalRule(Line4, 4170);

  // The zoom row stays inside the 4815-twip panel of the outline lists; the rows below it
  // belong to the Gantt sheet only.
  ComboRow(lblZoom, "인쇄 확대/축소 배율", cmbZoom, kRowLabelLeft, kBoxLeft, 4260);
  for (const char* zoom : {"65", "70", "75", "80", "85", "90", "95", "100"}) cmbZoom.AddItem(zoom);
  cmbZoom.SelectText("70");

  ComboRow(lblStartOutlineforExcel, "변환 기준 개요수준", cmbStartOutlineforExcel, kRowLabelLeft,
           kBoxLeft, 4740);
  ComboRow(lblWeeklyOrDaily, "일별/주별 변환 여부", cmbWeeklyOrDaily, 4440, 6360, 4740);
  cmbWeeklyOrDaily.AddItem("주별");
  cmbWeeklyOrDaily.AddItem("일별");
  cmbWeeklyOrDaily.SelectText("주별");

  Frame4.Caption = "Frame4";
  Frame4.BorderVisible = false;
  Place(Frame4, 120, 5160, 8655, 375);
  optRealOnly.Caption = "실제시작일, 실제완료일만 차트에 표시";
  Place(optRealOnly, 120, 60, 3975, 255);
  optRealOnly.Value = true;
  optRealAndPlan.Caption = "초기계획과 실제 진척사항을 함께 차트에 표시";
  Place(optRealAndPlan, 4320, 60, 4215, 255);
  HorizontalRule(Line5, 5820);
}

void MainWindowControls::SetUpSwatchStrip() {
  fraColor.BorderVisible = false;
  Place(fraColor, 120, 6000, 8655, 735);

  struct SlotPlace {
    const char* caption;
    int label_left, label_top, label_width, swatch_left, swatch_top;
  };
  constexpr SlotPlace kSlots[] = {
      {"차트 무늬지정", 120, 75, 1140, 1800, 20},
      {"차트 색지정", 3160, 80, 960, 4600, 20},
      {"완료작업 색지정", 120, 435, 1320, 1800, 360},
      {"진행작업 색지정", 3160, 435, 1320, 4600, 360},
  };
  for (int k = 1; k <= 4; ++k) {
    const SlotPlace& slot = kSlots[k - 1];
    lblColor(k).Caption = slot.caption;
    Place(lblColor(k), slot.label_left, slot.label_top, slot.label_width, 180);
    Place(picColorSet(k), slot.swatch_left, slot.swatch_top, 615, 300);
    cmdSetColor(k).Caption = "▼";
    Place(cmdSetColor(k), slot.swatch_left + 660, slot.swatch_top, 255, 300);

    const std::string tag = DefaultSwatchTag(k);
    picColorSet(k).Tag = tag;
    const int cell = *SwatchTagCell(tag, k);
    picColorSet(k).Picture = k == 1 ? PatternCellPicture(cell) : ColorCellPicture(cell);
  }

  // Which baseline the Gantt sheet draws: beside the second swatch row, shown only with the
  // baseline-and-actual chart.
  lblBaseline.Caption = "표시할 초기계획";
  lblBaseline.Visible = false;
  Place(lblBaseline, 5760, 435, 1320, 180);
  cmbBaseline.Visible = false;
  Place(cmbBaseline, 7140, 360, 1455, kRowHeight);
  cmbBaseline.AddItem("초기계획");
  for (int n = 1; n <= 10; ++n) cmbBaseline.AddItem("초기계획" + std::to_string(n));
  cmbBaseline.SelectText("초기계획");
}

void MainWindowControls::SetUpFieldChooser() {
  fraExtColumn.Caption = "추가 칼럼 표시";
  Place(fraExtColumn, 120, 7320, 8895, 3135);
  Label2.Caption = "선택 가능한 칼럼";
  Place(Label2, 200, 360, 1380, 180);
  Place(cmbField, 120, 600, 3615, 300);
  for (const char* category :
       {"기본", "초기 계획", "실제 작업", "기간", "완료율", "번호", "텍스트", "비용"}) {
    cmbField.AddItem(category);
  }
  Place(lvwField, 120, 960, 3615, 2055);
  cmdAddField.Caption = "추가";
  Place(cmdAddField, 3840, 600, 1215, 300);
  cmdDeleteField.Caption = "삭제";
  Place(cmdDeleteField, 3840, 960, 1215, 300);
  Label3.Caption = "선택한 칼럼";
  Place(Label3, 5240, 360, 960, 180);
  Place(lvwListingFields, 5160, 600, 3615, 2415);
  for (forms::ListView* list : {&lvwField, &lvwListingFields}) {
    list->ColumnHeaderText = "Field Name";
    list->ColumnHeaderWidth = 1440;
  }
}

void MainWindowControls::SetUpPowerPointPanels() {
  Place(fraMainPPT, 9240, 360, 8895, 1935);
  fraMainPPT.Visible = false;
  TextRow(Label9, "타이틀", txtTitlePPT, 300);
  TextRow(Label4, "프로젝트명", txtPJTNamePPT, 660);
  Label18.Caption = "MS Project 파일 경로";
  PathRow(Label18, txtMPPFilePathPPT, cmdMPPFilePathPPT, 1020);
  Label11.Caption = "파워포인트 파일 경로";
  PathRow(Label11, txtConvertFilePathPPT, cmdConvertFilePathPPT, 1380);

  Place(fraWeek, 9240, 2400, 8895, 2535);
  fraWeek.Visible = false;
  optUseBaseline.Caption = "초기 계획 기준";
  Place(optUseBaseline, 240, 360, 2175, 255);
  optUseBaseline.Value = true;
  optUseCurrent.Caption = "현재 진척 기준";
  Place(optUseCurrent, 2640, 360, 2175, 255);

  Label13.Caption = "지난 주";
  Place(Label13, 240, 900, 855, 180);
  Label15.Caption = "다음 주";
  Place(Label15, 240, 1260, 855, 180);
  Label14.Caption = "~";
  Place(Label14, 4080, 900, 255, 180);
  Label16.Caption = "~";
  Place(Label16, 4080, 1260, 255, 180);
  // Odd boxes start a period, even boxes end it; the dates come only from the calendar.
  for (int k = 1; k <= 4; ++k) {
    const bool start = k % 2 == 1;
    const int top = k <= 2 ? 840 : 1200;
    Place(txtDate(k), start ? 1200 : 4440, top, 1530, 300);
    txtDate(k).Enabled = false;
    cmdGetCalnedar(k).Caption = "Calendar";
    Place(cmdGetCalnedar(k), start ? 2880 : 6120, top, 975, 300);
  }

  Label1.Caption = "시작할 개요수준 선택";
  Place(Label1, 240, 1740, 1815, 180);
  Place(cmbStartOutline, 2160, 1680, 1215, 300);
  Label10.Caption = "표시될 개요수준";
  Place(Label10, 240, 2100, 1815, 180);
  Place(txtDisplayOutline, 2160, 2040, 1215, 300);
  txtDisplayOutline.Enabled = false;
  txtDisplayOutline.Locked = true;
}

void MainWindowControls::SetUpLowerBlock() {
  chkExecuteConvertlFile.Caption = "변환 후 엑셀파일 실행";
  chkExecuteConvertlFile.Value = forms::vbChecked;
  Place(chkExecuteConvertlFile, 120, 10560, 3615, 300);
  cmdSave.Caption = "변환/저장";
  Place(cmdSave, 7695, 10560, 1320, 375);
  stbMain.PanelText = "Taskvane - MS Project 일정을 엑셀과 파워포인트로 변환하는 무료 프로그램";
  Place(stbMain, 0, 0, 9255, 315);
}

void MainWindowControls::SetUpPopUps() {
  Place(MonthView2, 570, 2640, 2280, 2220);
  MonthView2.Visible = false;

  // The pattern chooser opens under the "▼" of slot 1, the colour chooser under the "▼" of
  // the slot it edits.
  Place(picPatternPalette, 2700, 6720, 3040, 2295);
  picPatternPalette.Visible = false;
  for (int n = 1; n <= kPatternCellCount; ++n) {
    const int column = (n - 1) % kPatternColumns;
    const int row = (n - 1) / kPatternColumns;
    Place(picPattern(n), 120 + 480 * column, 120 + 480 * row, 375, 375);
    picPattern(n).Tag = PatternCellTag(n);
    picPattern(n).Picture = PatternCellPicture(n);
  }
  Place(lblNoPic(3), 120, 1560, 2775, 495);
  lblNoPic(2).Caption = "채우기 없음";
  Place(lblNoPic(2), 1005, 1725, 960, 180);

  Place(picColorPalette, 5500, 6720, 3040, 2550);
  picColorPalette.Visible = false;
  for (int n = 1; n <= kColorCellCount; ++n) {
    const int column = (n - 1) % kColorColumns;
    const int row = (n - 1) / kColorColumns;
    Place(picPalette(n), 120 + 360 * column, 120 + 360 * row, 255, 255);
    picPalette(n).Tag = ColorCellTag(n);
    picPalette(n).Picture = ColorCellPicture(n);
  }
  Place(lblNoPic(0), 120, 1920, 2775, 495);
  lblNoPic(1).Caption = "채우기 없음";
  Place(lblNoPic(1), 1000, 2085, 960, 180);
}

// In the main build the path boxes are filled by the file dialogs and are read-only; the
// dialog-free build has no dialogs, so the user types the paths and the buttons start
// greyed.
void MainWindowControls::SetUpPathBoxes() {
  const bool lite = variant_ == BuildVariant::Lite;
  for (forms::TextBox* box : {&txtMPPFilePathExcel, &txtConvertFilePathExcel, &txtCustomerLogoPath,
                              &txtVelLogoPath, &txtMPPFilePathPPT, &txtConvertFilePathPPT}) {
    box->Locked = !lite;
  }
  for (forms::CommandButton* button :
       {&cmdMPPFilePathExcel, &cmdConvertFilePathExcel, &cmdCustomerLogoPath, &cmdVelLogoPath,
        &cmdMPPFilePathPPT, &cmdConvertFilePathPPT}) {
    button->Enabled = !lite;
  }
  if (!lite) {
    conCommonDialog.emplace(*this, "conCommonDialog");
    conCommonDialog2.emplace(*this, "conCommonDialog2");
  }
}

}  // namespace taskvane
