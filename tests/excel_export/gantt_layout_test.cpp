#include <gtest/gtest.h>

#include "excel_export/gantt_timeline.h"
#include "tests/excel_export/gantt_fixture.h"

namespace taskvane::testing {
namespace {

using excel::CellValue;

class GanttLayoutTest : public GanttTest {};

TEST_F(GanttLayoutTest, WeekSheetFromAWednesdayWithAChosenField) {
  Project("2024-03-06", "2024-03-19");
  Task("A", 1, "2024-03-06", "2024-03-19");
  ChooseField(188743709, "기간");
  ASSERT_TRUE(Write(GanttTimeline::Week));
  EXPECT_EQ(conv().WeekCount, 3);
  EXPECT_EQ(conv().WeekKeys, (std::vector<std::string>{"2024.10", "2024.11", "2024.12"}));
  EXPECT_EQ(At(3, 1), "단계");
  EXPECT_EQ(At(3, 2), "태스크");
  EXPECT_EQ(At(3, 3), "공정");
  EXPECT_EQ(At(3, 4), "1주");
  EXPECT_EQ(At(3, 6), "3주");
  EXPECT_EQ(At(4, 4), CellValue::Date(DateSerial(2024, 3, 6)));
  EXPECT_EQ(At(4, 5), CellValue::Date(DateSerial(2024, 3, 11)));
  EXPECT_EQ(At(4, 6), CellValue::Date(DateSerial(2024, 3, 18)));
  EXPECT_EQ(sheet().Cells(4, 5).NumberFormatLocal.get(), "m\"/\"d");
  EXPECT_EQ(gantt().DateColumn, 7);
  EXPECT_EQ(gantt().LastColumn, 9);
  EXPECT_EQ(At(3, 7), "시작 날짜");
  EXPECT_EQ(At(3, 8), "완료 날짜");
  EXPECT_EQ(At(3, 9), "기간");
}

TEST_F(GanttLayoutTest, WeekSheetOfAOneDaySundayProjectHasNoTimeline) {
  Project("2024-03-03", "2024-03-03");
  Task("A", 1, "2024-03-03", "2024-03-03");
  ASSERT_TRUE(Write(GanttTimeline::Week));
  EXPECT_EQ(conv().WeekCount, 0);
  EXPECT_EQ(At(3, 4), "시작 날짜");
  EXPECT_EQ(gantt().LastColumn, 5);  // no chosen fields: the finish date is the last column
}

TEST_F(GanttLayoutTest, WeekSheetStartingOnSundayBeginsWithTheMonday) {
  Project("2024-03-03", "2024-03-12");
  Task("A", 1, "2024-03-03", "2024-03-12");
  ASSERT_TRUE(Write(GanttTimeline::Week));
  EXPECT_EQ(conv().WeekCount, 2);
  EXPECT_EQ(At(4, 4), CellValue::Date(DateSerial(2024, 3, 4)));
  EXPECT_EQ(At(4, 5), CellValue::Date(DateSerial(2024, 3, 11)));
  EXPECT_EQ(WeekColumnIndex("2024-03-03 08:00", conv().WeekKeys, conv().WeekCount, kNA), 1);
}

TEST_F(GanttLayoutTest, DaySheetFromWednesdayToTheNextThursday) {
  Project("2024-03-06", "2024-03-14");
  Task("A", 1, "2024-03-06", "2024-03-14");
  ASSERT_TRUE(Write(GanttTimeline::Day));
  EXPECT_EQ(gantt().DayCount, 14);
  EXPECT_EQ(gantt().DateColumn, 18);
  EXPECT_EQ(At(3, 18), "시작 날짜");
  // Each week's Sunday date over its seven row-3 cells.
  EXPECT_EQ(At(3, 4), CellValue::Date(DateSerial(2024, 3, 3)));
  EXPECT_EQ(At(3, 11), CellValue::Date(DateSerial(2024, 3, 10)));
  const auto& merges = sheet().Model().Merges();
  EXPECT_NE(std::find(merges.begin(), merges.end(), excel::Area{3, 4, 3, 10}), merges.end());
  EXPECT_NE(std::find(merges.begin(), merges.end(), excel::Area{3, 11, 3, 17}), merges.end());
  EXPECT_EQ(sheet().Cells(3, 4).NumberFormatLocal.get(), "yyyy\"년\" mm\"월\" dd\"일\";@");
  // Row 4: the day of the month, shown as text once the sheet is formatted.
  EXPECT_EQ(At(4, 4), 3.0);
  EXPECT_EQ(At(4, 17), 16.0);
  EXPECT_EQ(sheet().Cells(4, 10).NumberFormatLocal.get(), "@");
}

class GanttDayLimitTest : public GanttTest {
 protected:
  // A day sheet of exactly `days` days (Sunday to Saturday) on a workbook of `version`.
  bool WriteDays(int days, const std::string& version) {
    const DaySerial sunday = DateSerial(2024, 3, 3);
    Project(FormatDate(sunday), FormatDate(sunday + days - 1));
    Task("A", 1, FormatDate(sunday), FormatDate(sunday + 5));
    return Write(GanttTimeline::Day, version);
  }
};

TEST_F(GanttDayLimitTest, OldestGenerationWrites210Days) {
  ASSERT_TRUE(WriteDays(210, "11.0"));
  EXPECT_EQ(gantt().DayCount, 210);
  EXPECT_TRUE(services.Messages().empty());
}

TEST_F(GanttDayLimitTest, OldestGenerationRefuses217Days) {
  EXPECT_FALSE(WriteDays(217, "11.0"));
  EXPECT_EQ(services.Messages(),
            std::vector<std::string>{
                "Taskvane | OK | 엑셀 2003 버전에서 일별 저장은 210 일을 초과할 수 없습니다."});
  EXPECT_EQ(statuses.back(), "저장 중");
  EXPECT_EQ(conv().Sheet, nullptr);
}

TEST_F(GanttDayLimitTest, OtherGenerationsHaveNoLimit) {
  ASSERT_TRUE(WriteDays(217, "12.0"));
  EXPECT_EQ(gantt().DayCount, 217);
  EXPECT_TRUE(services.Messages().empty());
}

TEST_F(GanttLayoutTest, WidthsAndHeightsByVersion) {
  Project("2024-03-04", "2024-04-30");
  Task("A", 1, "2024-03-04", "2024-03-08");
  ASSERT_TRUE(Write(GanttTimeline::Week, "12.0"));
  EXPECT_DOUBLE_EQ(sheet().Columns(4).ColumnWidth, 5.38);
  EXPECT_DOUBLE_EQ(sheet().Columns(1).ColumnWidth, 11.5);
  EXPECT_DOUBLE_EQ(sheet().Columns(2).ColumnWidth, 22.75);
  EXPECT_DOUBLE_EQ(sheet().Columns(3).ColumnWidth, 34);
  // The geometry the progress rectangles count on.
  EXPECT_DOUBLE_EQ(sheet().Model().ColumnLeft(4), 420.75);
  EXPECT_DOUBLE_EQ(sheet().Model().ColumnLeft(5) - sheet().Model().ColumnLeft(4), 36);
  EXPECT_DOUBLE_EQ(sheet().Rows(1).RowHeight, 18.75);

  ASSERT_TRUE(Write(GanttTimeline::Day, "12.0"));
  EXPECT_DOUBLE_EQ(sheet().Columns(4).ColumnWidth, 2.5);
  EXPECT_DOUBLE_EQ(sheet().Model().ColumnLeft(5) - sheet().Model().ColumnLeft(4), 18.75);
  EXPECT_DOUBLE_EQ(sheet().Model().ColumnLeft(4), 420.75);

  ASSERT_TRUE(Write(GanttTimeline::Week, "11.0"));
  EXPECT_DOUBLE_EQ(sheet().Columns(4).ColumnWidth, 4.5);
  EXPECT_DOUBLE_EQ(sheet().Columns(3).ColumnWidth, 30);
  ASSERT_TRUE(Write(GanttTimeline::Day, "14.0"));
  EXPECT_DOUBLE_EQ(sheet().Columns(4).ColumnWidth, 2);
  EXPECT_DOUBLE_EQ(sheet().Columns(1).ColumnWidth, 10);
}

}  // namespace
}  // namespace taskvane::testing
