#pragma once

#include <string>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/services.h"

namespace taskvane::testing {

// A small form with one control of every kind and a few handlers, for the tests of the
// window host and of the driver's mechanics.
class SampleForm : public forms::Form {
 public:
  explicit SampleForm(forms::Services& services) : forms::Form("frmSample", services) {
    Caption = "견본 창";
    Width = 6000;
    Height = 6000;
    mnuFile.Caption = "파일";
    mnuHello.Caption = "인사";
    mnuExit.Caption = "종료";
    lblName.Caption = "이름";
    Place(lblName, 120, 120, 1200, 255);
    Place(txtName, 1440, 120, 2400, 285);
    cmdGreet.Caption = "인사하기";
    Place(cmdGreet, 3960, 120, 1200, 375);
    chkLoud.Caption = "크게";
    Place(chkLoud, 120, 600, 1500, 255);
    fraSize.Caption = "크기";
    Place(fraSize, 120, 960, 3000, 900);
    optSize(1).Caption = "작게";
    optSize(2).Caption = "크게";
    Place(optSize(1), 120, 240, 1200, 255);
    Place(optSize(2), 120, 540, 1200, 255);
    optSize(1).Value = true;
    for (const char* entry : {"하나", "둘", "셋"}) cmbCount.AddItem(entry);
    Place(cmbCount, 3240, 960, 1500, 315);
    Place(picSwatch, 3240, 1440, 900, 450);
    picSwatch.Picture = forms::Picture{"red", 2, 1, {0xFF0000, 0xFF0000}};
    linSeparator.X1 = 120;
    linSeparator.Y1 = 1980;
    linSeparator.X2 = 5000;
    linSeparator.Y2 = 1980;
    lvwItems.ColumnHeaderText = "항목";
    lvwItems.ColumnHeaderWidth = 2000;
    lvwItems.Add("a", "가");
    lvwItems.Add("b", "나");
    Place(lvwItems, 120, 2100, 2400, 1500);
    Place(calDay, 2640, 2100, 2820, 2400);
    calDay.Visible = false;
    stbMain.PanelText = "준비";
    txtCode.Text = "A-1";
    txtCode.Locked = true;
    Place(txtCode, 3240, 600, 1200, 285);
    cmdLater.Caption = "나중에";
    cmdLater.Enabled = false;
    Place(cmdLater, 4560, 600, 1200, 375);
    fraHidden.Visible = false;
    chkInside.Caption = "안쪽";

    cmdGreet.Click = [this] { cmdGreet_Click(); };
    chkLoud.Click = [this] { ++LoudClicks; };
    cmbCount.Click = [this] { stbMain.PanelText = "개수 " + cmbCount.Text; };
    picSwatch.Click = [this] { stbMain.PanelText = "견본"; };
    lvwItems.DblClick = [this] {
      stbMain.PanelText = "선택 " + std::to_string(lvwItems.SelectedItem.get());
    };
    calDay.DateClick = [this](DaySerial day) { txtName.Text = FormatDate(day); };
    mnuHello.Click = [this] { Platform().MsgBox("안녕하세요", forms::vbInformation, Caption); };
    mnuExit.Click = [this] { Platform().EndProgram(); };
  }

  void Form_Load() { txtName.Text = Platform().GetSetting("Sample", "frmSample", "Name", "손님"); }

  void cmdGreet_Click() {
    if (Platform().MsgBox(txtName.Text + "님, 인사할까요?", forms::vbYesNo | forms::vbQuestion,
                          Caption) == forms::vbYes) {
      stbMain.PanelText = "안녕하세요, " + txtName.Text;
      Platform().SaveSettings("Sample", "frmSample", {{"Name", txtName.Text}});
    }
    calDay.Visible = true;
  }

  int LoudClicks = 0;

  forms::Menu mnuFile{*this, "mnuFile"};
  forms::Menu mnuHello{*this, "mnuHello", &mnuFile};
  forms::Menu mnuExit{*this, "mnuExit", &mnuFile};
  forms::Label lblName{*this, "lblName"};
  forms::TextBox txtName{*this, "txtName"};
  forms::CommandButton cmdGreet{*this, "cmdGreet"};
  forms::CheckBox chkLoud{*this, "chkLoud"};
  forms::Frame fraSize{*this, "fraSize"};
  forms::ControlArray<forms::OptionButton> optSize{*this, "optSize", 1, 2, &fraSize};
  forms::ComboBox cmbCount{*this, "cmbCount"};
  forms::PictureBox picSwatch{*this, "picSwatch"};
  forms::Line linSeparator{*this, "linSeparator"};
  forms::ListView lvwItems{*this, "lvwItems"};
  forms::MonthView calDay{*this, "calDay"};
  forms::StatusBar stbMain{*this, "stbMain"};
  forms::TextBox txtCode{*this, "txtCode"};
  forms::CommandButton cmdLater{*this, "cmdLater"};
  forms::Frame fraHidden{*this, "fraHidden"};
  forms::CheckBox chkInside{*this, "chkInside", 0, &fraHidden};

 private:
  static void Place(forms::Control& control, int left, int top, int width, int height) {
    control.Left = left;
    control.Top = top;
    control.Width = width;
    control.Height = height;
  }
};

}  // namespace taskvane::testing
