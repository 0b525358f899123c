#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/frm_main.h"
#include "platform/runtime/date.h"
#include "tests/console/convert_recording_exporters.h"
#include "tests/support/recording_services.h"

namespace taskvane {
namespace {

using testing::RecordingExporters;
using testing::RecordingServices;
using Strings = std::vector<std::string>;

const DaySerial kToday = DateSerial(2024, 3, 13);

class ReportCalendar : public ::testing::Test {
 protected:
  ReportCalendar() {
    services.TodayValue = kToday;
    form.Form_Load();
    form.mnuConvertPPT_Click();
  }

  // The user opens the calendar beside box k and clicks a day.
  void Choose(int k, int year, int month, int day) {
    form.cmdGetCalnedar(k).RaiseClick();
    ASSERT_TRUE(form.MonthView2.Visible);
    form.MonthView2.UserClickDate(DateSerial(year, month, day));
  }
  std::string Box(int k) const { return form.txtDate(k).Text; }

  RecordingServices services;
  RecordingExporters exporters{services};
  frmMain form{services, exporters};
};

TEST_F(ReportCalendar, OpensAtTheFirstRowsHeightLeftOfThePressedColumn) {
  ASSERT_EQ(form.fraWeek.Top, 2400);
  form.cmdGetCalnedar(2).RaiseClick();
  EXPECT_TRUE(form.MonthView2.Visible);
  EXPECT_EQ(form.MonthView2.Tag.get(), "2");
  EXPECT_EQ(form.MonthView2.Top, 2640);
  EXPECT_EQ(form.MonthView2.Left, 3810);

  // Another button re-targets the open calendar; the second row opens as high as the first.
  form.cmdGetCalnedar(3).RaiseClick();
  EXPECT_EQ(form.MonthView2.Tag.get(), "3");
  EXPECT_EQ(form.MonthView2.Top, 2640);
  EXPECT_EQ(form.MonthView2.Left, 570);
  form.cmdGetCalnedar(4).RaiseClick();
  EXPECT_EQ(form.MonthView2.Top, 2640);
  EXPECT_EQ(form.MonthView2.Left, 3810);
}

TEST_F(ReportCalendar, PresetIsTheBoxsDateElseToday) {
  form.txtDate(1).Text = "";
  form.cmdGetCalnedar_Click(1);
  EXPECT_EQ(form.MonthView2.Value, kToday);

  form.txtDate(2).Text = "2023-12-25";
  form.cmdGetCalnedar_Click(2);
  EXPECT_EQ(form.MonthView2.Value, DateSerial(2023, 12, 25));

  // A text that is no date (an edited settings store) opens on today.
  form.txtDate(3).Text = "다음 주";
  form.cmdGetCalnedar_Click(3);
  EXPECT_EQ(form.MonthView2.Value, kToday);
}

TEST_F(ReportCalendar, StartDateIsWrittenWithoutLookingAtTheEnd) {
  form.txtDate(2).Text = "2024-03-01";
  Choose(1, 2024, 3, 4);
  EXPECT_EQ(Box(1), "2024-03-04");
  EXPECT_FALSE(form.MonthView2.Visible);
  // A start after the shown end is accepted and the end is left as it is.
  EXPECT_EQ(Box(2), "2024-03-01");
  EXPECT_TRUE(services.Messages().empty());
}

TEST_F(ReportCalendar, EndDateUpToFourteenDaysAfterTheStartIsAccepted) {
  Choose(3, 2024, 2, 26);
  Choose(4, 2024, 2, 26);
  EXPECT_EQ(Box(4), "2024-02-26");
  Choose(4, 2024, 3, 11);  // 14 days, across the leap day
  EXPECT_EQ(Box(4), "2024-03-11");
  EXPECT_TRUE(services.Messages().empty());
  EXPECT_FALSE(form.MonthView2.Visible);
}

TEST_F(ReportCalendar, RefusedEndDatesClearTheBox) {
  Choose(1, 2024, 3, 4);
  Choose(2, 2024, 3, 8);
  Choose(2, 2024, 3, 19);  // 15 days
  EXPECT_EQ(Box(2), "");
  EXPECT_FALSE(form.MonthView2.Visible);

  Choose(2, 2024, 3, 8);
  Choose(2, 2024, 3, 3);  // the day before the start
  EXPECT_EQ(Box(2), "");
  EXPECT_FALSE(form.MonthView2.Visible);
  EXPECT_EQ(services.Messages(), (Strings{"Taskvane | OK | 보고서는 2주일 이하로 지정 가능합니다.",
                                          "Taskvane | OK | 종료일이 시작일보다 작습니다."}));
}

TEST_F(ReportCalendar, EndDateWithoutAReadableStartKeepsTheBox) {
  form.txtDate(1).Text = "";
  form.txtDate(2).Text = "2024-03-08";
  Choose(2, 2024, 3, 9);
  EXPECT_EQ(Box(2), "2024-03-08");
  EXPECT_FALSE(form.MonthView2.Visible);

  form.txtDate(3).Text = "다음 주";
  form.txtDate(4).Text = "";
  Choose(4, 2024, 3, 9);
  EXPECT_EQ(Box(4), "");
  EXPECT_EQ(services.Messages(), (Strings{"Taskvane | OK | 시작일을 넣어주세요",
                                          "Taskvane | OK | 시작일을 넣어주세요"}));
}

TEST_F(ReportCalendar, StartLevelShowsThreeLevels) {
  EXPECT_EQ(form.txtDisplayOutline.Text.get(), "1,2,3");  // start-up selects "1"
  ASSERT_TRUE(form.cmbStartOutline.SelectText("4"));
  EXPECT_EQ(form.txtDisplayOutline.Text.get(), "4,5,6");
  ASSERT_TRUE(form.cmbStartOutline.SelectText("2"));
  EXPECT_EQ(form.txtDisplayOutline.Text.get(), "2,3,4");
}

TEST_F(ReportCalendar, SavedStartLevelIsShownAtStartUp) {
  RecordingServices saved;
  saved.Settings["Taskvane/frmMain/StartOutline"] = "3";
  frmMain restored{saved, exporters};
  restored.Form_Load();
  EXPECT_EQ(restored.txtDisplayOutline.Text.get(), "3,4,5");
}

}  // namespace
}  // namespace taskvane
