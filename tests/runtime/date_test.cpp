#include "platform/runtime/date.h"

#include <gtest/gtest.h>

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
  for (const char* bad : {"", "2009", "2009-02-30", "2009-13-01", "20090115", "2009-01-15x",
                          "abc", "2009-01-15 25:00", "0099-01-01", "2009-01/15"}) {
    EXPECT_FALSE(ParseDateTime(bad)) << bad;
  }
}

}  // namespace
}  // namespace taskvane
