#include "tests/drive/script_runner.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "tests/drive/sample_form.h"

namespace taskvane::drive {
namespace {

using taskvane::testing::SampleForm;

struct Outcome {
  int status;
  std::string output;
};

class ScriptRunnerTest : public ::testing::Test {
 protected:
  Outcome Run(const std::string& script) {
    std::ostringstream out;
    bool* lite_seen = &lite_seen_;
    ScriptRunner runner(out, [lite_seen](forms::Services& services, bool lite) {
      *lite_seen = lite;
      auto form = std::make_unique<SampleForm>(services);
      SampleForm* sample = form.get();
      return LoadedForm{std::move(form), [sample] { sample->Form_Load(); }};
    });
    std::istringstream in(script);
    const int status = runner.Run(in);
    return {status, out.str()};
  }
  std::string Settings() const { return dir_.filePath("settings.ini").toStdString(); }

  QTemporaryDir dir_;
  bool lite_seen_ = false;
};

TEST_F(ScriptRunnerTest, PrintsBoxesStatusTextsAndPropertiesInOrder) {
  const Outcome run =
      Run("# greet the user\n"
          "settings " +
          Settings() +
          "\n"
          "load\n"
          "set txtName 김 철수\n"
          "answer yes\n"
          "click cmdGreet\n"
          "pick cmbCount 둘\n"
          "show cmbCount.ListIndex\n"
          "click optSize(2)\n"
          "show optSize(1).Value\n"
          "show optSize(2).Value\n"
          "click chkLoud\n"
          "show chkLoud.Value\n"
          "select lvwItems 2\n"
          "dblclick lvwItems\n"
          "show lvwItems.Items\n"
          "show frmSample.Caption\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output,
            "MSGBOX 견본 창 | YesNo | 김 철수님, 인사할까요?\n"
            "STATUS 안녕하세요, 김 철수\n"
            "STATUS 개수 둘\n"
            "SHOW cmbCount.ListIndex = 1\n"
            "SHOW optSize(1).Value = False\n"
            "SHOW optSize(2).Value = True\n"
            "SHOW chkLoud.Value = 1\n"
            "STATUS 선택 2\n"
            "SHOW lvwItems.Items = a=가; b=나\n"
            "SHOW frmSample.Caption = 견본 창\n");
}

TEST_F(ScriptRunnerTest, SettingsFileCarriesValuesFromOneLoadToTheNext) {
  const std::string script = "settings " + Settings() +
                             "\nload\nshow txtName.Text\nset txtName 영희\nanswer yes\n"
                             "click cmdGreet\n";
  EXPECT_EQ(Run(script).output,
            "SHOW txtName.Text = 손님\nMSGBOX 견본 창 | YesNo | 영희님, 인사할까요?\n"
            "STATUS 안녕하세요, 영희\n");
  EXPECT_EQ(Run("settings " + Settings() + "\nlite\nload\nshow txtName.Text\n").output,
            "SHOW txtName.Text = 영희\n");
  EXPECT_TRUE(lite_seen_);
  std::ifstream file(Settings());
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_NE(text.str().find("[frmSample]"), std::string::npos) << text.str();
}

TEST_F(ScriptRunnerTest, UnansweredBoxesTakeTheirDefaultAnswer) {
  const Outcome run = Run("load\nclick cmdGreet\nclick mnuHello\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output,
            "MSGBOX 견본 창 | YesNo | 손님님, 인사할까요?\n"
            "MSGBOX 견본 창 | OK | 안녕하세요\n");
}

TEST_F(ScriptRunnerTest, TheCalendarTakesADateOnlyWhileItIsOpen) {
  EXPECT_EQ(Run("load\ndate 2024-02-29\n").output, "ERROR 2: no calendar is open\n");
  const Outcome run =
      Run("load\nclick cmdGreet\ndate 2024-02-29\nshow txtName.Text\n"
          "show calDay.Value\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.output.find("SHOW txtName.Text = 2024-02-29\nSHOW calDay.Value = 2024-02-29\n"),
            std::string::npos)
      << run.output;
}

TEST_F(ScriptRunnerTest, AScriptErrorNamesItsLineAndStopsTheScript) {
  struct Case {
    std::string script;
    std::string output;
  };
  const Case cases[] = {
      {"show txtName.Text\n", "ERROR 1: no form is loaded (load comes first)\n"},
      {"# comment\n\nload\nfrobnicate\nshow txtName.Text\n",
       "ERROR 4: unknown command: frobnicate\n"},
      {"load\nclick cmdNothing\n", "ERROR 2: no control named cmdNothing\n"},
      {"load\nshow txtName.Caption\n", "ERROR 2: txtName has no property Caption\n"},
      {"load\nclick txtName\n", "ERROR 2: txtName cannot be clicked\n"},
      {"load\npick cmbCount 넷\n", "ERROR 2: cmbCount has no entry \"넷\"\n"},
      {"load\nselect lvwItems 3\n", "ERROR 2: lvwItems has no item 3 (it has 2)\n"},
      {"load\nselect lvwItems x\n", "ERROR 2: not an item number: x\n"},
      {"today 2024-13-01\n", "ERROR 1: not a date (YYYY-MM-DD): 2024-13-01\n"},
      {"load\nanswer maybe\n", "ERROR 2: answer takes yes, no or ok\n"},
      {"load\nlite\n", "ERROR 2: lite must come before load\n"},
      {"load\nanswer yes\nclick mnuHello\n",
       "MSGBOX 견본 창 | OK | 안녕하세요\n"
       "ERROR 3: the answer yes does not fit a message box with OK\n"},
  };
  for (const Case& c : cases) {
    const Outcome run = Run(c.script);
    EXPECT_EQ(run.status, 2) << c.script;
    EXPECT_EQ(run.output, c.output) << c.script;
  }
}

TEST_F(ScriptRunnerTest, TheUserReachesOnlyVisibleEnabledUnlockedControls) {
  EXPECT_EQ(Run("load\nclick calDay\n").output, "ERROR 2: cannot click calDay: calDay is hidden\n");
  EXPECT_EQ(Run("load\nclick cmdLater\n").output,
            "ERROR 2: cannot click cmdLater: cmdLater is disabled\n");
  EXPECT_EQ(Run("load\nclick chkInside\n").output,
            "ERROR 2: cannot click chkInside: fraHidden is hidden\n");
  EXPECT_EQ(Run("load\nset txtCode B-2\n").output, "ERROR 2: txtCode is locked\n");
  EXPECT_EQ(
      Run("load\nshow txtCode.Locked\nshow cmdLater.Enabled\nshow txtCode.BackColor\n").output,
      "SHOW txtCode.Locked = True\nSHOW cmdLater.Enabled = False\n"
      "SHOW txtCode.BackColor = &H80000005\n");
}

TEST_F(ScriptRunnerTest, EndOfTheProgramStopsTheScript) {
  const Outcome run = Run("load\nclick mnuExit\nshow txtName.Text\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "END\n");
}

TEST_F(ScriptRunnerTest, SetTakesTheRestOfTheLineAndMayClearABox) {
  EXPECT_EQ(Run("load\nset txtName   두 칸 앞\nshow txtName.Text\nset txtName\n"
                "show txtName.Text\n")
                .output,
            "SHOW txtName.Text =   두 칸 앞\nSHOW txtName.Text = \n");
}

}  // namespace
}  // namespace taskvane::drive
