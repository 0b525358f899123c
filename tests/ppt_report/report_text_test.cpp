#include <gtest/gtest.h>

#include "ppt_report/report_text.h"

namespace taskvane {
namespace {

const std::string kNotAvailable = "사용할 수 없음";

TEST(FormatTaskDateTest, KeepsNotAvailableTextAndReadsDates) {
  EXPECT_EQ(FormatTaskDate("2010-05-07 17:00", kNotAvailable), "2010-05-07");
  EXPECT_EQ(FormatTaskDate(kNotAvailable, kNotAvailable), kNotAvailable);
  // The not-available text of another version is no date and does not begin with "20".
  EXPECT_EQ(FormatTaskDate("NA", kNotAvailable), "");
  EXPECT_EQ(FormatTaskDate("2010-5-7 (금)", kNotAvailable), "2010-05-07");
  EXPECT_EQ(FormatTaskDate("  2010-05-07  (금)", kNotAvailable), "2010-05-07");
  // Dates outside the years 2000..2099 are not read as dates.
  EXPECT_EQ(FormatTaskDate("1999-12-31 17:00", kNotAvailable), "");
  EXPECT_EQ(FormatTaskDate("", kNotAvailable), "");
}

TEST(StripDayUnitTest, CutsTheDayUnitOnly) {
  EXPECT_EQ(StripDayUnit("5일"), "5");
  EXPECT_EQ(StripDayUnit("0.5 일?"), "0.5");
  EXPECT_EQ(StripDayUnit("3 days"), "3");
  EXPECT_EQ(StripDayUnit("4800"), "4800");
  EXPECT_EQ(StripDayUnit("3 Days"), "3 Days");  // matching is case-sensitive
}

TEST(TextAfterNthDotTest, CountsOnlyTheFirstDots) {
  EXPECT_EQ(TextAfterNthDot("1.2.Name", 2), "Name");
  EXPECT_EQ(TextAfterNthDot("2.3.Interfaces", 2), "Interfaces");
  EXPECT_EQ(TextAfterNthDot("1.0.", 2), "");
  EXPECT_EQ(TextAfterNthDot("", 2), "");
  EXPECT_EQ(TextAfterNthDot("2.Design", 1), "Design");
  EXPECT_EQ(TextAfterNthDot("3.v1.2 Release", 1), "v1.2 Release");
  EXPECT_EQ(TextAfterNthDot("3.4.v1.2 Release.", 2), "v1.2 Release.");
  // Without enough dots the whole text remains; after a miss the search starts over.
  EXPECT_EQ(TextAfterNthDot("Design", 1), "Design");
  EXPECT_EQ(TextAfterNthDot("1.Design", 2), "1.Design");
  EXPECT_EQ(TextAfterNthDot("a.b", 3), "b");
}

TEST(NumberTextTest, PlainDecimalsWithoutTrailingZeros) {
  EXPECT_EQ(NumberText(29), "29");
  EXPECT_EQ(NumberText(42.5), "42.5");
  EXPECT_EQ(NumberText(0.29 * 100), "29");
  EXPECT_EQ(NumberText(-0.0), "0");
  EXPECT_EQ(NumberText(1e20), "100000000000000000000");
  EXPECT_EQ(NumberValue(" 4800 "), 4800);
  EXPECT_EQ(NumberValue("4800.5"), 4800.5);
  EXPECT_EQ(NumberValue("5일"), 0);
  EXPECT_EQ(NumberValue(""), 0);
  EXPECT_EQ(NumberValue("nan"), 0);
}

}  // namespace
}  // namespace taskvane
