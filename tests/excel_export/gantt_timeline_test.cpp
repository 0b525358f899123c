#include "excel_export/gantt_timeline.h"

#include <gtest/gtest.h>

#include "platform/runtime/automation_error.h"

namespace taskvane {
namespace {

struct WeekTimeline {
  std::vector<std::string> WeekKeys;
  int WeekCount = 0;
  std::vector<DaySerial> starts;
};

WeekTimeline WeeksOf(DaySerial start, DaySerial finish) {
  WeekTimeline t;
  t.starts = WeekColumnStarts(start, static_cast<int>(finish - start) + 1);
  t.WeekCount = static_cast<int>(t.starts.size());
  for (DaySerial d : t.starts) t.WeekKeys.push_back(WeekKey(d));
  return t;
}

int Index(const WeekTimeline& t, const std::string& text) {
  return WeekColumnIndex(text, t.WeekKeys, t.WeekCount, "사용할 수 없음");
}

TEST(GanttWeekColumns, ProjectStartingOnSundayBeginsOnTheNextMonday) {
  const DaySerial sunday = DateSerial(2024, 3, 3);
  const WeekTimeline t = WeeksOf(sunday, DateSerial(2024, 3, 20));
  ASSERT_EQ(t.WeekCount, 3);
  EXPECT_EQ(t.starts[0], DateSerial(2024, 3, 4));
  EXPECT_EQ(t.starts[1], DateSerial(2024, 3, 11));
  EXPECT_EQ(Index(t, "2024-03-03 08:00"), 1);
}

TEST(GanttWeekColumns, ProjectStartingOnWednesdayBeginsThatDay) {
  const WeekTimeline t = WeeksOf(DateSerial(2024, 3, 6), DateSerial(2024, 3, 12));
  ASSERT_EQ(t.WeekCount, 2);
  EXPECT_EQ(t.starts[0], DateSerial(2024, 3, 6));
  EXPECT_EQ(t.starts[1], DateSerial(2024, 3, 11));
  EXPECT_EQ(Index(t, "2024-03-10"), 2);  // Sunday carries the next Monday's key
  EXPECT_EQ(Index(t, "2024-03-09"), 1);
}

TEST(GanttWeekColumns, OneDaySundayProjectHasNoColumn) {
  const DaySerial sunday = DateSerial(2024, 3, 3);
  const WeekTimeline t = WeeksOf(sunday, sunday);
  EXPECT_EQ(t.WeekCount, 0);
  EXPECT_EQ(Index(t, "2024-03-03"), 0);
  EXPECT_EQ(Index(t, "no date at all"), 0);  // nothing to compare with
}

TEST(GanttWeekColumns, KeysAndIndexesAcrossTheTurnOfTheYear) {
  const WeekTimeline t = WeeksOf(DateSerial(2008, 12, 15), DateSerial(2009, 1, 15));
  ASSERT_EQ(t.WeekCount, 5);
  EXPECT_EQ(t.WeekKeys,
            (std::vector<std::string>{"2008.51", "2008.52", "2008.53", "2009.2", "2009.3"}));
  for (int day = 29; day <= 31; ++day) {
    EXPECT_EQ(Index(t, FormatDate(DateSerial(2008, 12, day))), 3) << day;
  }
  for (int day = 1; day <= 3; ++day) {
    EXPECT_EQ(Index(t, FormatDate(DateSerial(2009, 1, day)) + " 17:00"), 3) << day;
  }
  EXPECT_EQ(Index(t, "2009-01-04"), 4);
  EXPECT_EQ(Index(t, "2008-12-28"), 3);  // a Sunday: the column of the Monday after
  EXPECT_EQ(Index(t, "2008-12-15"), 1);
  EXPECT_EQ(Index(t, "2008-12-01"), 0);  // before the first column, same year
  EXPECT_EQ(Index(t, "2009-06-01"), 5);  // after the last column
  EXPECT_EQ(Index(t, "2007-06-01"), 5);  // an earlier year falls through to the end
  EXPECT_EQ(Index(t, "사용할 수 없음"), 0);
  EXPECT_THROW(Index(t, "NA"), AutomationError);
}

TEST(GanttDaySheet, BoundsWidenToWholeWeeks) {
  // Wednesday 2024-03-06 to Thursday 2024-03-14.
  const DaySheetBounds b = DaySheetBoundsFor(DateSerial(2024, 3, 6), DateSerial(2024, 3, 14));
  EXPECT_EQ(b.SheetStartDate, DateSerial(2024, 3, 3));
  EXPECT_EQ(b.SheetEndDate, DateSerial(2024, 3, 16));
  EXPECT_EQ(b.DayCount, 14);
  // A Sunday start and a Saturday finish stay where they are.
  const DaySheetBounds same = DaySheetBoundsFor(DateSerial(2024, 3, 3), DateSerial(2024, 3, 9));
  EXPECT_EQ(same.DayCount, 7);
  // A Saturday start goes back six days; a Sunday finish forward six.
  const DaySheetBounds wide = DaySheetBoundsFor(DateSerial(2024, 3, 9), DateSerial(2024, 3, 10));
  EXPECT_EQ(wide.SheetStartDate, DateSerial(2024, 3, 3));
  EXPECT_EQ(wide.SheetEndDate, DateSerial(2024, 3, 16));
}

TEST(GanttDaySheet, DayIndexCountsFromTheSheetStart) {
  const DaySerial start = DateSerial(2024, 3, 3);
  EXPECT_EQ(DayIndex("2024-03-03 08:00", start), 1);
  EXPECT_EQ(DayIndex("2024-03-06 17:00", start), 4);
  EXPECT_EQ(DayIndex("2024-03-01", start), -1);
  EXPECT_THROW(DayIndex("미정", start), AutomationError);
}

TEST(GanttTimeline, WeekdayLettersAndWidths) {
  EXPECT_EQ(KoreanWeekdayLetter("Sunday"), "일");
  EXPECT_EQ(KoreanWeekdayLetter("Wednesday"), "수");
  EXPECT_EQ(KoreanWeekdayLetter("Saturday"), "토");
  EXPECT_EQ(KoreanWeekdayLetter("sunday"), "");
  EXPECT_EQ(WeekSheetColumnWidths("12.0").all_columns, 5.38);
  EXPECT_EQ(WeekSheetColumnWidths("11.0").all_columns, 4.5);
  EXPECT_EQ(DaySheetColumnWidths("12.0").all_columns, 2.5);
  EXPECT_EQ(DaySheetColumnWidths("16.0").all_columns, 2);
  EXPECT_EQ(DaySheetColumnWidths("12.0").process, 34);
  EXPECT_EQ(WeekSheetColumnWidths("14.0").stage, 10);
}

}  // namespace
}  // namespace taskvane
