#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runtime/automation_error.h"
#include "tests/console/main_window_fixture.h"

namespace taskvane::testing {
namespace {

using Strings = std::vector<std::string>;

struct Picker {
  const char* button;
  const char* box;
  const char* dialog;  // "open | <filter>" or "save | <filter>"
};
const Picker kPickers[] = {
    {"cmdMPPFilePathExcel", "txtMPPFilePathExcel",
     "open | MS Project 파일 (*.xml;*.mpp)|*.xml;*.mpp"},
    {"cmdConvertFilePathExcel", "txtConvertFilePathExcel", "save | 엑셀 파일 (*.xlsx)|*.xlsx"},
    {"cmdCustomerLogoPath", "txtCustomerLogoPath", "open | 그림 파일 (*.jpg)|*.jpg"},
    {"cmdVelLogoPath", "txtVelLogoPath", "open | 그림 파일 (*.jpg)|*.jpg"},
    {"cmdMPPFilePathPPT", "txtMPPFilePathPPT", "open | ms project 파일 (*.xml;*.mpp)|*.xml;*.mpp"},
    {"cmdConvertFilePathPPT", "txtConvertFilePathPPT", "save | 파워포인트 파일 (*.pptx)|*.pptx"},
};

forms::TextBox& Box(frmMain& f, const char* name) {
  return *static_cast<forms::TextBox*>(f.Find(name));
}
void Click(frmMain& f, const char* name) {
  f.Find(name)->RaiseClick();
}

TEST_F(MainWindowTest, EachPickerShowsItsDialogWithThePresetAndFillsItsBox) {
  frmMain& f = Load();
  for (const Picker& picker : kPickers) {
    services.Log.clear();
    services.DialogResults.push_back(std::string("/chosen/") + picker.box);
    Click(f, picker.button);
    services.DialogResults.push_back(std::string("/again/") + picker.box);
    Click(f, picker.button);
    EXPECT_EQ(services.Lines("DIALOG "),
              (Strings{std::string(picker.dialog) + " | ",
                       std::string(picker.dialog) + " | /chosen/" + picker.box}))
        << picker.button;
    EXPECT_EQ(Box(f, picker.box).Text, std::string("/again/") + picker.box);
  }
}

TEST_F(MainWindowTest, CancelLeavesTheBoxAsItWas) {
  frmMain& f = Load();
  f.txtMPPFilePathExcel.Text = "/data/plan.xml";
  services.DialogResults.push_back(std::nullopt);
  f.cmdMPPFilePathExcel.RaiseClick();
  EXPECT_EQ(f.txtMPPFilePathExcel.Text, "/data/plan.xml");

  // The output picker shares the dialog control with the schedule picker just used.
  services.DialogResults.push_back("/out/plan.xlsx");
  f.cmdMPPFilePathExcel.RaiseClick();
  services.DialogResults.push_back(std::nullopt);
  f.cmdConvertFilePathExcel.RaiseClick();
  EXPECT_EQ(f.txtConvertFilePathExcel.Text, "");
  EXPECT_EQ(services.Lines("DIALOG ").back(), "save | 엑셀 파일 (*.xlsx)|*.xlsx | ");

  services.DialogResults.push_back("/img/a.jpg");
  f.cmdCustomerLogoPath.RaiseClick();
  services.DialogResults.push_back(std::nullopt);
  f.cmdVelLogoPath.RaiseClick();
  EXPECT_EQ(f.txtVelLogoPath.Text, "");
  EXPECT_EQ(f.txtCustomerLogoPath.Text, "/img/a.jpg");
}

// A dialog that refuses its preset raises; the box keeps its text and the next picker
// starts afresh.
class FailingDialogServices : public RecordingServices {
 public:
  std::optional<std::string> ShowOpenDialog(const std::string& filter,
                                            const std::string& preset) override {
    RecordingServices::ShowOpenDialog(filter, preset);
    throw AutomationError(20476, "파일 이름이 잘못되었습니다.");
  }
};

TEST(PathPickers, AFailingDialogLeavesTheBoxUnchanged) {
  FailingDialogServices services;
  RecordingExporters exporters(services);
  frmMain f(services, exporters);
  f.Form_Load();
  f.txtMPPFilePathPPT.Text = "/bad\x01name.xml";
  f.txtVelLogoPath.Text = "/img/own.jpg";
  EXPECT_NO_THROW(f.cmdMPPFilePathPPT.RaiseClick());
  EXPECT_NO_THROW(f.cmdVelLogoPath.RaiseClick());
  EXPECT_EQ(f.txtMPPFilePathPPT.Text, "/bad\x01name.xml");
  EXPECT_EQ(f.txtVelLogoPath.Text, "/img/own.jpg");
  services.DialogResults.push_back("/out/r.pptx");
  f.cmdConvertFilePathPPT.RaiseClick();
  EXPECT_EQ(services.Lines("DIALOG ").back(), "save | 파워포인트 파일 (*.pptx)|*.pptx | ");
  EXPECT_EQ(f.txtConvertFilePathPPT.Text, "/out/r.pptx");
}

TEST_F(MainWindowTest, LogoOptionsEnableTheirPathBoxAndButton) {
  frmMain& f = Load();
  // First start: unticked, yet usable until the option is ticked once.
  EXPECT_TRUE(f.txtCustomerLogoPath.Enabled);
  EXPECT_TRUE(f.cmdCustomerLogoPath.Enabled);
  EXPECT_EQ(f.txtCustomerLogoPath.BackColor, forms::kColorWindowBackground);

  f.txtVelLogoPath.Text = "/img/own.jpg";
  f.chkUseVelLogo.UserClick();
  EXPECT_TRUE(f.txtVelLogoPath.Enabled);
  EXPECT_TRUE(f.cmdVelLogoPath.Enabled);
  f.chkUseVelLogo.UserClick();
  EXPECT_FALSE(f.txtVelLogoPath.Enabled);
  EXPECT_FALSE(f.cmdVelLogoPath.Enabled);
  EXPECT_EQ(f.txtVelLogoPath.BackColor, forms::kColorButtonFace);
  EXPECT_EQ(f.txtVelLogoPath.Text, "/img/own.jpg") << "unticking keeps the path";
  f.chkUseVelLogo.UserClick();
  EXPECT_TRUE(f.txtVelLogoPath.Enabled);
  EXPECT_EQ(f.txtVelLogoPath.BackColor, forms::kColorWindowBackground);
  EXPECT_EQ(f.txtVelLogoPath.Text, "/img/own.jpg");
  EXPECT_TRUE(f.txtCustomerLogoPath.Enabled) << "each option rules its own pair";
}

TEST_F(MainWindowTest, RestoredTickRaisesTheLogoRule) {
  Store("UseCustomerLogo", "1");
  Store("CustomerLogoPath", "/img/customer.jpg");
  frmMain& f = Load();
  EXPECT_EQ(f.chkUseCustomerLogo.Value, forms::vbChecked);
  EXPECT_TRUE(f.txtCustomerLogoPath.Enabled);
  EXPECT_TRUE(f.cmdCustomerLogoPath.Enabled);
  EXPECT_EQ(f.txtCustomerLogoPath.Text, "/img/customer.jpg");
  f.chkUseCustomerLogo.UserClick();
  EXPECT_FALSE(f.cmdCustomerLogoPath.Enabled);
}

TEST_F(MainWindowTest, MainBuildLocksThePathBoxes) {
  frmMain& f = Load();
  for (const Picker& picker : kPickers) {
    EXPECT_TRUE(Box(f, picker.box).Locked) << picker.box;
    EXPECT_TRUE(f.Find(picker.button)->Enabled) << picker.button;
  }
  EXPECT_FALSE(f.txtTitleExcel.Locked);
  EXPECT_FALSE(f.txtPJTNamePPT.Locked);
  EXPECT_TRUE(f.conCommonDialog.has_value());
  EXPECT_TRUE(f.conCommonDialog2.has_value());
}

TEST_F(MainWindowTest, LiteBuildHasEditableBoxesAndInertButtons) {
  Store("UseVelLogo", "1");
  Store("MPPFilePathExcel", "/data/saved-by-main.xml");
  frmMain& f = Load(BuildVariant::Lite);
  EXPECT_FALSE(f.conCommonDialog.has_value());
  EXPECT_FALSE(f.conCommonDialog2.has_value());
  EXPECT_EQ(f.Find("conCommonDialog"), nullptr);
  EXPECT_EQ(f.txtMPPFilePathExcel.Text, "/data/saved-by-main.xml");
  for (const Picker& picker : kPickers) {
    EXPECT_FALSE(Box(f, picker.box).Locked) << picker.box;
  }
  for (const char* button : {"cmdMPPFilePathExcel", "cmdConvertFilePathExcel",
                             "cmdCustomerLogoPath", "cmdMPPFilePathPPT", "cmdConvertFilePathPPT"}) {
    EXPECT_FALSE(f.Find(button)->Enabled) << button;
  }
  EXPECT_TRUE(f.cmdVelLogoPath.Enabled) << "the restored tick enabled it";

  f.txtVelLogoPath.Text = "/img/typed.jpg";
  services.DialogResults.push_back("/never/shown.jpg");
  for (const Picker& picker : kPickers) Click(f, picker.button);
  EXPECT_TRUE(services.Lines("DIALOG ").empty());
  EXPECT_EQ(f.txtVelLogoPath.Text, "/img/typed.jpg");

  f.chkUseCustomerLogo.UserClick();
  EXPECT_TRUE(f.cmdCustomerLogoPath.Enabled);
  f.cmdCustomerLogoPath.RaiseClick();
  EXPECT_TRUE(services.Lines("DIALOG ").empty());
  f.chkUseCustomerLogo.UserClick();
  EXPECT_FALSE(f.cmdCustomerLogoPath.Enabled);
  EXPECT_FALSE(f.txtCustomerLogoPath.Enabled);

  // What the dialog-free build saves, the main build shows.
  f.txtConvertFilePathExcel.Text = "/out/typed.xlsx";
  f.SaveConversionSettings();
  frmMain main(services, exporters, BuildVariant::Main);
  main.Form_Load();
  EXPECT_EQ(main.txtConvertFilePathExcel.Text, "/out/typed.xlsx");
  EXPECT_EQ(main.chkUseVelLogo.Value, forms::vbChecked);
}

}  // namespace
}  // namespace taskvane::testing
