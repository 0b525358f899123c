// The Excel conversion type and the two chart options of the Gantt sheet, with the panel
// heights that follow from them.
#include "console/frm_main.h"

namespace taskvane {
namespace {

constexpr int kOutlineListPanelHeight = 4815;
constexpr int kOneSwatchRowPanelHeight = 6495;
constexpr int kTwoSwatchRowsPanelHeight = 6855;
constexpr int kOneSwatchRowHeight = 375;
constexpr int kTwoSwatchRowsHeight = 735;
constexpr int kGapAboveFieldChooser = 465;

}  // namespace

// The chosen type is the one visible marker label; the exporters read the three flags.
void frmMain::optConverType_Click(int Index) {
  for (int j = 1; j <= 3; ++j) lblOption(j).Visible = j == Index;

  const bool gantt = Index == 1;
  for (forms::Control* control : std::initializer_list<forms::Control*>{
           &cmbStartOutlineforExcel, &lblStartOutlineforExcel, &optRealOnly, &optRealAndPlan,
           &lblWeeklyOrDaily, &cmbWeeklyOrDaily}) {
    control->Visible = gantt;
  }
  if (gantt) {
    if (optRealOnly.Value) {
      optRealOnly_Click();
    } else {
      optRealAndPlan_Click();
    }
  } else {
    // The swatch strip stays "visible" but lies below the panel's lower edge.
    fraMain.Height = kOutlineListPanelHeight;
  }
  fraExtColumn.Top = fraMain.Height + kGapAboveFieldChooser;
  StackLowerBlock(fraExtColumn);
}

void frmMain::optRealOnly_Click() {
  lblColor(1).Caption = "차트 무늬지정";
  lblColor(2).Caption = "차트 색지정";
  lblColor(3).Visible = false;
  lblColor(4).Visible = false;
  picColorSet(3).Visible = false;
  picColorSet(4).Visible = false;
  cmdSetColor(1).Visible = true;
  cmdSetColor(2).Visible = true;
  cmdSetColor(3).Visible = false;
  cmdSetColor(4).Visible = false;
  lblBaseline.Visible = false;
  cmbBaseline.Visible = false;
  fraColor.Height = kOneSwatchRowHeight;
  fraMain.Height = kOneSwatchRowPanelHeight;
  fraExtColumn.Top = fraMain.Height + kGapAboveFieldChooser;
  StackLowerBlock(fraExtColumn);
}

void frmMain::optRealAndPlan_Click() {
  lblColor(1).Caption = "초기계획 무늬지정";
  lblColor(2).Caption = "초기계획 색지정";
  lblColor(3).Visible = true;
  lblColor(4).Visible = true;
  picColorSet(3).Visible = true;
  picColorSet(4).Visible = true;
  cmdSetColor(1).Visible = true;
  cmdSetColor(2).Visible = true;
  cmdSetColor(3).Visible = true;
  cmdSetColor(4).Visible = true;
  lblBaseline.Visible = true;
  cmbBaseline.Visible = true;
  fraColor.Height = kTwoSwatchRowsHeight;
  fraMain.Height = kTwoSwatchRowsPanelHeight;
  fraExtColumn.Top = fraMain.Height + kGapAboveFieldChooser;
  StackLowerBlock(fraExtColumn);
}

}  // namespace taskvane
