#include <gtest/gtest.h>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/runtime/automation_error.h"
#include "tests/support/recording_services.h"

namespace taskvane::forms {
namespace {

class FormsTest : public ::testing::Test {
 protected:
  taskvane::testing::RecordingServices services;
  Form form{"frmTest", services};
};

TEST_F(FormsTest, CheckBoxRaisesClickOnlyWhenItsValueChanges) {
  CheckBox chk(form, "chkA");
  int clicks = 0;
  chk.Click = [&] { ++clicks; };
  chk.Value = vbUnchecked;
  EXPECT_EQ(clicks, 0);
  chk.Value = vbChecked;
  EXPECT_EQ(clicks, 1);
  chk.Value = vbChecked;
  EXPECT_EQ(clicks, 1);
  chk.UserClick();
  EXPECT_EQ(chk.Value, vbUnchecked);
  EXPECT_EQ(clicks, 2);
}

TEST_F(FormsTest, OptionButtonsAreExclusiveWithinTheirContainer) {
  Frame frame_a(form, "fraA");
  Frame frame_b(form, "fraB");
  ControlArray<OptionButton> opt(form, "opt", 1, 3, &frame_a);
  OptionButton other(form, "optOther", 0, &frame_b);
  std::vector<int> clicked;
  for (int i = 1; i <= 3; ++i) opt(i).Click = [&, i] { clicked.push_back(i); };
  other.Value = true;
  opt(1).Value = true;
  opt(2).Value = true;
  EXPECT_FALSE(opt(1).Value);
  EXPECT_TRUE(opt(2).Value);
  EXPECT_TRUE(other.Value) << "another container keeps its selection";
  opt(2).UserClick();  // a click on the selected option raises Click again
  EXPECT_EQ(clicked, (std::vector<int>{1, 2, 2}));
  EXPECT_EQ(opt(3).QualifiedName(), "opt(3)");
  EXPECT_EQ(form.Find("opt(2)"), &opt(2));
  EXPECT_THROW(opt(4), AutomationError);
}

TEST_F(FormsTest, ComboBoxSelectionSetsTextAndRaisesClick) {
  ComboBox cmb(form, "cmbZoom");
  int clicks = 0;
  cmb.Click = [&] { ++clicks; };
  cmb.AddItem("65");
  cmb.AddItem("70");
  EXPECT_EQ(cmb.ListIndex, -1);
  EXPECT_EQ(cmb.Text, "");
  EXPECT_TRUE(cmb.SelectText("70"));
  EXPECT_EQ(cmb.ListIndex, 1);
  EXPECT_EQ(cmb.Text, "70");
  EXPECT_FALSE(cmb.SelectText("75"));
  EXPECT_EQ(cmb.Text, "70");
  cmb.ListIndex = 1;
  EXPECT_EQ(clicks, 1);
  cmb.Clear();
  EXPECT_EQ(cmb.ListCount(), 0);
  EXPECT_EQ(cmb.Text, "");
}

TEST_F(FormsTest, ListViewKeepsUniqueKeysAndTracksSelection) {
  ListView lvw(form, "lvw");
  lvw.Add("Key1", "a");
  lvw.Add("Key2", "b");
  lvw.Add("Key3", "c");
  EXPECT_THROW(lvw.Add("Key2", "again"), AutomationError);
  lvw.SelectedItem = 3;
  lvw.Remove(1);
  EXPECT_EQ(lvw.SelectedItem, 2);
  EXPECT_EQ(lvw.Item(2).Text, "c");
  lvw.Remove(2);
  EXPECT_EQ(lvw.SelectedItem, 0);
  EXPECT_EQ(lvw.Count(), 1);
}

TEST_F(FormsTest, ObserverSeesEveryChangeAndFocusMoves) {
  TextBox txt(form, "txtA");
  Label lbl(form, "lblA");
  std::vector<std::string> changed;
  form.SetObserver([&](Control* c) { changed.push_back(c ? c->Name() : "form"); });
  txt.Text = "x";
  txt.Text = "x";
  lbl.Visible = false;
  form.Height = 11880;
  txt.SetFocus();
  EXPECT_EQ(changed, (std::vector<std::string>{"txtA", "lblA", "form", "txtA"}));
  EXPECT_TRUE(txt.HasFocus());
  EXPECT_EQ(txt.Text + "y", "xy");
}

TEST_F(FormsTest, CommonDialogUsesTheServiceAndKeepsThePresetOnCancel) {
  CommonDialog dlg(form, "conCommonDialog");
  dlg.CancelError = false;
  dlg.Filter = "그림 파일 (*.jpg)|*.jpg";
  dlg.FileName = "/tmp/a.jpg";
  services.DialogResults.push_back(std::nullopt);
  dlg.ShowOpen();
  EXPECT_EQ(dlg.FileName, "/tmp/a.jpg");
  services.DialogResults.push_back("/tmp/b.jpg");
  dlg.ShowSave();
  EXPECT_EQ(dlg.FileName, "/tmp/b.jpg");
  EXPECT_EQ(services.Lines("DIALOG "),
            (std::vector<std::string>{"open | 그림 파일 (*.jpg)|*.jpg | /tmp/a.jpg",
                                      "save | 그림 파일 (*.jpg)|*.jpg | /tmp/a.jpg"}));
  dlg.CancelError = true;
  EXPECT_THROW(dlg.ShowOpen(), AutomationError);
}

}  // namespace
}  // namespace taskvane::forms
