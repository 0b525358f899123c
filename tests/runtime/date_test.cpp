#include "platform/runtime/date.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace taskvane {
namespace {

TEST(DateTest, SerialsMatchTheWorkbookCount) {
  EXPECT_EQ(DateSerial(1899, 12, 30), 0);
  EXPECT_EQ(DateSerial(1900, 3, 1), 61);
  EXPECT_EQ(DateSerial(2008, 12, 15), 39797);
  EXPECT_EQ(ToCivil(39797), (CivilDate{2008, 12, 15}));
  // Month and day overflow roll into the next year and month.
  EXPECT_EQ(DateSerial(2008, 13, 1), DateSerial(2009, 1, 1));
  EXPECT_EQ(DateSerial(2009, 3, 0), DateSerial(2009, 2, 28));
}

TEST(DateTest, WeekdaysAndWeekNumbersStartOnSunday) {
  const DaySerial sunday = DateSerial(2008, 12, 14);
  EXPECT_EQ(Weekday(sunday), 1);
  EXPECT_EQ(WeekdayName(sunday), "Sunday");
  EXPECT_EQ(WeekdayName(sunday + 6), "Saturday");
  EXPECT_EQ(Weekday(DateSerial(1899, 12, 30)), 7);
  // 2009-01-01 is a Thursday: week 1 runs from Sunday 2008-12-28 to Saturday 2009-01-03.
  EXPECT_EQ(WeekOfYear(DateSerial(2009, 1, 1)), 1);
  EXPECT_EQ(WeekOfYear(DateSerial(2009, 1, 3)), 1);
  EXPECT_EQ(WeekOfYear(DateSerial(2009, 1, 4)), 2);
  EXPECT_EQ(WeekOfYear(DateSerial(2008, 12, 27)), 52);
  EXPECT_EQ(WeekOfYear(DateSerial(2008, 12, 28)), 53);
  EXPECT_EQ(WeekOfYear(DateSerial(2008, 12, 31)), 53);
}

TEST(DateTest, ParsesOnlyWellFormedDates) {
  auto v = ParseDateTime("2009-01-15 08:30");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->day, DateSerial(2009, 1, 15));
  EXPECT_EQ(v->minute, 510);
  EXPECT_EQ(FormatDateTime(*v), "2009-01-15 08:30");
  EXPECT_EQ(ParseDate("2009-1-5"), DateSerial(2009, 1, 5));
  EXPECT_EQ(ParseDate("2009/01/05"), DateSerial(2009, 1, 5));
  EXPECT_EQ(ParseDateTime("2009-01-15T17:00:00")->minute, 17 * 60);
  EXPECT_EQ(ParseDateTime("2009-01-15 24:00")->day, DateSerial(2009, 1, 16));
  for (const char* bad : {"", "2009", "2009-02-30", "2009-13-01", "20090115", "2009-01-15x", "abc",
                          "2009-01-15 25:00", "0099-01-01", "2009-01/15"}) {
    EXPECT_FALSE(ParseDateTime(bad)) << bad;
  }
}

TEST(DateTest, TextsAreYearMonthDayWithLeadingZeros) {
  EXPECT_EQ(FormatDate(DateSerial(2009, 1, 5)), "2009-01-05");
  EXPECT_EQ(FormatDateTime({DateSerial(2009, 1, 5), 0}), "2009-01-05 00:00");
  EXPECT_EQ(FormatDateTime({DateSerial(2009, 1, 5), 23 * 60 + 59}), "2009-01-05 23:59");
  // Every day from year 1 to 9999 and the years outside it read as printf would write them.
  char expected[48];
  for (DaySerial day = DateSerial(1, 1, 1) - 1000; day <= DateSerial(9999, 12, 31) + 400;
       day += 37) {
    const CivilDate c = ToCivil(day);
    std::snprintf(expected, sizeof expected, "%04d-%02d-%02d", c.year, c.month, c.day);
    ASSERT_EQ(FormatDate(day), expected) << day;
  }
  for (int minute : {-61, -1, 0, 59, 61, 1439, 5999, 6000, 100000}) {
    std::snprintf(expected, sizeof expected, "2009-01-05 %02d:%02d", minute / 60, minute % 60);
    EXPECT_EQ(FormatDateTime({DateSerial(2009, 1, 5), minute}), expected) << minute;
  }
}

}  // namespace
}  // namespace taskvane
