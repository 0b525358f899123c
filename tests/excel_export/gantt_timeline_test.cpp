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

// The rule as written: walk the keys in column order.
int WalkTheKeys(DaySerial day, const std::vector<std::string>& keys) {
  const std::string year = std::to_string(ToCivil(day).year);
  const int week = WeekOfYear(day);
  for (size_t i = 1; i <= keys.size(); ++i) {
    const std::string& key = keys[i - 1];
    const size_t dot = key.find('.');
    if (dot == std::string::npos || key.substr(0, dot) != year) continue;
    const int key_week = std::stoi(key.substr(dot + 1));
    if (week < key_week) return static_cast<int>(i) - 1;
    if (week == key_week) return static_cast<int>(i);
  }
  return static_cast<int>(keys.size());
}

TEST(GanttWeekColumns, TheLookupAnswersEveryDateAsTheWalkOverTheKeys) {
  std::vector<std::vector<std::string>> timelines;
  for (DaySerial start : {DateSerial(2008, 12, 15), DateSerial(2011, 1, 2), DateSerial(2012, 2, 29),
                          DateSerial(2015, 12, 27), DateSerial(2020, 6, 10)}) {
    for (int days : {1, 6, 40, 380, 1100}) {
      timelines.push_back(WeeksOf(start, start + days - 1).WeekKeys);
    }
  }
  // Keys no writer makes: a year that comes back, a malformed key, weeks out of order.
  timelines.push_back({"2009.50", "2010.2", "2009.52", "nonsense", "2010.1", "2010.30"});
  for (const auto& keys : timelines) {
    const WeekColumnLookup lookup(keys, static_cast<int>(keys.size()));
    SCOPED_TRACE(keys.empty() ? std::string("no columns") : keys.front() + " .. " + keys.back());
    const DaySerial first = DateSerial(2007, 1, 1);
    for (DaySerial day = first; day < DateSerial(2023, 1, 1); ++day) {
      ASSERT_EQ(lookup.Index(FormatDate(day), "사용할 수 없음"), WalkTheKeys(day, keys))
          << FormatDate(day);
    }
    EXPECT_EQ(lookup.Index("사용할 수 없음", "사용할 수 없음"), 0);
  }
  EXPECT_EQ(WeekColumnLookup({"2009.50"}, 0).Index("NA", "사용할 수 없음"), 0);  // no columns
}

TEST(GanttDaySheet, BoundsWidenToWholeWeeks) {
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

TEST(GanttTimeline, KoreanWeekdayLetters) {
  EXPECT_EQ(KoreanWeekdayLetter("Sunday"), "일");
  EXPECT_EQ(KoreanWeekdayLetter("Wednesday"), "수");
  EXPECT_EQ(KoreanWeekdayLetter("Saturday"), "토");
  EXPECT_EQ(KoreanWeekdayLetter("sunday"), "");
}

}  // namespace
}  // namespace taskvane
