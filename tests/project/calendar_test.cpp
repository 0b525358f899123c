// Working time: Application.DateDifference on the Standard calendar and on calendars read
// from files (exceptions, recurring exceptions, work weeks, base calendars).

#include <gtest/gtest.h>

#include <random>

#include "platform/project/calendar.h"
#include "platform/project/project.h"
#include "platform/project/project_builder.h"
#include "platform/project/recurrence.h"
#include "tests/project/test_files.h"

namespace taskvane::project {
namespace {

using testing::ProjectXml;
using testing::TempFile;

long Diff(const Project& project, std::string_view from, std::string_view to) {
  return project.Application().DateDifference(from, to);
}

std::shared_ptr<Project> LoadXml(const std::string& xml) {
  TempFile file("calendar.xml", xml);
  return OpenProjectFile(file.path());
}

// A project whose calendar (UID 1, or the one given) is written as `calendars`.
std::shared_ptr<Project> WithCalendars(std::string_view calendars, int calendar_uid = 1) {
  return LoadXml(ProjectXml("", "<CalendarUID>" + std::to_string(calendar_uid) +
                                    "</CalendarUID><Calendars>" + std::string(calendars) +
                                    "</Calendars>"));
}

constexpr std::string_view kStandardWeek =
    "<WeekDays>"
    "<WeekDay><DayType>1</DayType><DayWorking>0</DayWorking></WeekDay>"
    "<WeekDay><DayType>2</DayType><DayWorking>1</DayWorking><WorkingTimes>"
    "<WorkingTime><FromTime>08:00:00</FromTime><ToTime>12:00:00</ToTime></WorkingTime>"
    "<WorkingTime><FromTime>13:00:00</FromTime><ToTime>17:00:00</ToTime></WorkingTime>"
    "</WorkingTimes></WeekDay>"
    "<WeekDay><DayType>3</DayType><DayWorking>1</DayWorking><WorkingTimes>"
    "<WorkingTime><FromTime>08:00:00</FromTime><ToTime>12:00:00</ToTime></WorkingTime>"
    "<WorkingTime><FromTime>13:00:00</FromTime><ToTime>17:00:00</ToTime></WorkingTime>"
    "</WorkingTimes></WeekDay>"
    "<WeekDay><DayType>4</DayType><DayWorking>1</DayWorking><WorkingTimes>"
    "<WorkingTime><FromTime>08:00:00</FromTime><ToTime>12:00:00</ToTime></WorkingTime>"
    "<WorkingTime><FromTime>13:00:00</FromTime><ToTime>17:00:00</ToTime></WorkingTime>"
    "</WorkingTimes></WeekDay>"
    "<WeekDay><DayType>5</DayType><DayWorking>1</DayWorking><WorkingTimes>"
    "<WorkingTime><FromTime>08:00:00</FromTime><ToTime>12:00:00</ToTime></WorkingTime>"
    "<WorkingTime><FromTime>13:00:00</FromTime><ToTime>17:00:00</ToTime></WorkingTime>"
    "</WorkingTimes></WeekDay>"
    "<WeekDay><DayType>6</DayType><DayWorking>1</DayWorking><WorkingTimes>"
    "<WorkingTime><FromTime>08:00:00</FromTime><ToTime>12:00:00</ToTime></WorkingTime>"
    "<WorkingTime><FromTime>13:00:00</FromTime><ToTime>17:00:00</ToTime></WorkingTime>"
    "</WorkingTimes></WeekDay>"
    "<WeekDay><DayType>7</DayType><DayWorking>0</DayWorking></WeekDay>"
    "</WeekDays>";

std::string Calendar(int uid, std::string_view name, int base_uid, std::string_view body) {
  return "<Calendar><UID>" + std::to_string(uid) + "</UID><Name>" + std::string(name) +
         "</Name><BaseCalendarUID>" + std::to_string(base_uid) + "</BaseCalendarUID>" +
         std::string(body) + "</Calendar>";
}

std::string Exception(std::string_view from, std::string_view to, std::string_view more) {
  return "<Exception><TimePeriod><FromDate>" + std::string(from) + "T00:00:00</FromDate><ToDate>" +
         std::string(to) + "T23:59:00</ToDate></TimePeriod>" + std::string(more) + "</Exception>";
}

// 2024-03-04 is a Monday.
TEST(DateDifference, StandardCalendarCountsWorkingMinutesOnly) {
  auto project = ProjectBuilder().Build();
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-03-06"), 960);
  EXPECT_EQ(Diff(*project, "2024-03-04 00:00", "2024-03-06 00:00"), 960);
  EXPECT_EQ(Diff(*project, "2024-03-04 10:30", "2024-03-04 14:00"), 90 + 60);
  EXPECT_EQ(Diff(*project, "2024-03-04 12:00", "2024-03-04 13:00"), 0);          // lunch
  EXPECT_EQ(Diff(*project, "2024-03-08 12:00", "2024-03-11 12:00"), 240 + 240);  // weekend
  EXPECT_EQ(Diff(*project, "2024-03-09", "2024-03-11"), 0);  // Saturday to Monday 00:00
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-03-04"), 0);
  EXPECT_EQ(Diff(*project, "2024-03-06", "2024-03-04"), -960);
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-03-11"), 2400);  // one week
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-12-30"), 43 * 2400);
}

TEST(DateDifference, MatchesVariancesComputedByProject) {
  // Start and finish variances that Project wrote (in tenths of minutes) for baseline
  // dates against task dates, on the Standard calendar.
  auto project = ProjectBuilder().Build();
  EXPECT_EQ(Diff(*project, "2014-03-01 09:00", "2018-10-18 17:00"), 580320);
  EXPECT_EQ(Diff(*project, "2014-04-01 09:00", "2018-10-18 08:00"), 569700);
}

TEST(DateDifference, RefusesTextsThatAreNotDates) {
  auto project = ProjectBuilder().Build();
  for (std::string_view bad : {"", "사용할 수 없음", "NA", "2024-02-30", "2024-03-04 25:00"}) {
    try {
      Diff(*project, bad, "2024-03-04");
      ADD_FAILURE() << "accepted " << bad;
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.Number, kErrTypeMismatch);
    }
  }
}

TEST(DateDifference, ExceptionsOfTheProjectCalendar) {
  // Tuesday 5 March off; Saturday 9 March worked 09:00-12:00.
  const std::string exceptions =
      "<Exceptions>" +
      Exception("2024-03-05", "2024-03-05", "<Type>1</Type><DayWorking>0</DayWorking>") +
      Exception("2024-03-09", "2024-03-09",
                "<Type>1</Type><DayWorking>1</DayWorking><WorkingTimes><WorkingTime>"
                "<FromTime>09:00:00</FromTime><ToTime>12:00:00</ToTime></WorkingTime>"
                "</WorkingTimes>") +
      "</Exceptions>";
  auto project =
      WithCalendars(Calendar(1, "Standard", -1, std::string(kStandardWeek) + exceptions));
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-03-06"), 480);
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-03-11"), 2400 - 480 + 180);
  EXPECT_EQ(Diff(*project, "2024-03-09 10:00", "2024-03-09 11:30"), 90);
  // A year away nothing is different.
  EXPECT_EQ(Diff(*project, "2025-03-03", "2025-03-10"), 2400);
}

TEST(DateDifference, RecurringExceptionEveryOtherFriday) {
  // Every second week on Friday, four times from Monday 4 March: 8, 22 March, 5, 19 April.
  const std::string exceptions =
      "<Exceptions>" +
      Exception("2024-03-04", "2024-04-19",
                "<Occurrences>4</Occurrences><Type>6</Type><Period>2</Period>"
                "<DaysOfWeek>32</DaysOfWeek><DayWorking>0</DayWorking>") +
      "</Exceptions>";
  auto project =
      WithCalendars(Calendar(1, "Standard", -1, std::string(kStandardWeek) + exceptions));
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-03-11"), 1920);
  EXPECT_EQ(Diff(*project, "2024-03-11", "2024-03-18"), 2400);
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-04-29"), 8 * 2400 - 4 * 480);
}

TEST(DateDifference, OldStyleExceptionDaysWhenNoExceptionList) {
  const std::string body = std::string(kStandardWeek);
  const std::string with_day =
      body.substr(0, body.size() - std::string("</WeekDays>").size()) +
      "<WeekDay><DayType>0</DayType><DayWorking>0</DayWorking><TimePeriod>"
      "<FromDate>2024-03-05T00:00:00</FromDate><ToDate>2024-03-06T23:59:00</ToDate>"
      "</TimePeriod></WeekDay></WeekDays>";
  auto project = WithCalendars(Calendar(1, "Standard", -1, with_day));
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-03-08"), 960);
}

TEST(DateDifference, WorkWeekReplacesTheWeekForItsPeriod) {
  // From 11 to 24 March Fridays are off and Saturdays are worked 08:00-12:00.
  const std::string work_weeks =
      "<WorkWeeks><WorkWeek><TimePeriod><FromDate>2024-03-11T00:00:00</FromDate>"
      "<ToDate>2024-03-24T23:59:00</ToDate></TimePeriod><Name>Spring</Name><WeekDays>"
      "<WeekDay><DayType>6</DayType><DayWorking>0</DayWorking></WeekDay>"
      "<WeekDay><DayType>7</DayType><DayWorking>1</DayWorking><WorkingTimes><WorkingTime>"
      "<FromTime>08:00:00</FromTime><ToTime>12:00:00</ToTime></WorkingTime></WorkingTimes>"
      "</WeekDay></WeekDays></WorkWeek></WorkWeeks>";
  auto project =
      WithCalendars(Calendar(1, "Standard", -1, std::string(kStandardWeek) + work_weeks));
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-03-11"), 2400);
  EXPECT_EQ(Diff(*project, "2024-03-11", "2024-03-25"), 2 * (2400 - 480 + 240));
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-04-01"), 2 * 2400 + 2 * (2400 - 480 + 240));
}

TEST(DateDifference, DerivedCalendarInheritsFromItsBase) {
  // Base: Standard week with 5 March off. Derived project calendar: Monday 06:00-10:00
  // only, and 6 March off.
  const std::string base = Calendar(
      1, "Standard", -1,
      std::string(kStandardWeek) + "<Exceptions>" +
          Exception("2024-03-05", "2024-03-05", "<DayWorking>0</DayWorking>") + "</Exceptions>");
  const std::string derived = Calendar(
      7, "Team", 1,
      "<WeekDays><WeekDay><DayType>2</DayType><DayWorking>1</DayWorking><WorkingTimes>"
      "<WorkingTime><FromTime>06:00:00</FromTime><ToTime>10:00:00</ToTime></WorkingTime>"
      "</WorkingTimes></WeekDay></WeekDays><Exceptions>" +
          Exception("2024-03-06", "2024-03-06", "<DayWorking>0</DayWorking>") + "</Exceptions>");
  auto project = WithCalendars(base + derived, 7);
  // Mon 240 + Tue off (base) + Wed off (own) + Thu 480 + Fri 480.
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-03-09"), 240 + 480 + 480);
}

TEST(DateDifference, CalendarChoiceAndFallbacks) {
  const std::string night =
      "<WeekDays>"
      "<WeekDay><DayType>2</DayType><DayWorking>1</DayWorking><WorkingTimes><WorkingTime>"
      "<FromTime>23:00:00</FromTime><ToTime>00:00:00</ToTime></WorkingTime></WorkingTimes>"
      "</WeekDay></WeekDays>";
  // The calendar named by CalendarUID; ToTime 00:00 is midnight at the end of the day.
  auto night_shift = WithCalendars(
      Calendar(1, "Standard", -1, kStandardWeek) + Calendar(2, "Night", -1, night), 2);
  EXPECT_EQ(Diff(*night_shift, "2024-03-04", "2024-03-05"), 60);
  // An unknown CalendarUID falls back to the calendar named Standard.
  auto fallback = WithCalendars(
      Calendar(2, "Night", -1, night) + Calendar(5, "Standard", -1, kStandardWeek), 9);
  EXPECT_EQ(Diff(*fallback, "2024-03-04", "2024-03-05"), 480);
  // No calendars at all: the Standard calendar.
  auto none = LoadXml(ProjectXml(""));
  EXPECT_EQ(Diff(*none, "2024-03-04", "2024-03-06"), 960);
  // Base calendars that refer to each other in a loop still load.
  auto loop = WithCalendars(Calendar(1, "A", 2, "") + Calendar(2, "B", 1, ""));
  EXPECT_EQ(Diff(*loop, "2024-03-04", "2024-03-06"), 960);
}

TEST(DateDifference, SpansOfCenturiesAnswerAtOnce) {
  // A daily exception over a thousand years and a weekly one capped by its limit: the
  // answer comes without walking every day.
  const std::string exceptions =
      "<Exceptions>" +
      Exception("2100-01-01", "3099-12-31", "<Type>1</Type><DayWorking>0</DayWorking>") +
      Exception("1900-01-01", "9999-12-31",
                "<Type>6</Type><Period>1</Period><DaysOfWeek>2</DaysOfWeek>"
                "<DayWorking>0</DayWorking>") +
      "</Exceptions>";
  auto project =
      WithCalendars(Calendar(1, "Standard", -1, std::string(kStandardWeek) + exceptions));
  EXPECT_EQ(Diff(*project, "2100-01-01", "3100-01-01"), 0);
  EXPECT_GT(Diff(*project, "0100-01-01", "9999-12-31 23:59"), 0);
  EXPECT_EQ(Diff(*project, "2024-03-04", "2024-03-11"), 1920);  // Monday off
}

TEST(Recurrence, ExpandsEachKindAsProjectDoes) {
  auto days = [](Recurrence r) {
    std::vector<std::string> texts;
    for (DaySerial d : ExpandRecurrence(r, 100)) texts.push_back(FormatDate(d));
    return texts;
  };
  using V = std::vector<std::string>;
  Recurrence monthly_by_position{
      Recurrence::kMonthlyByPosition, 2, 0, 4, 0, 0, 1, DateSerial(2002, 1, 1),
      DateSerial(2002, 5, 6),         3};
  EXPECT_EQ(days(monthly_by_position), (V{"2002-01-07", "2002-03-04", "2002-05-06"}));
  // Weeks are counted from the Sunday before the first day.
  Recurrence weekly{Recurrence::kWeekly,     7, 1, 0, 0, 0, 1, DateSerial(2001, 1, 1),
                    DateSerial(2002, 3, 17), 9};
  EXPECT_EQ(days(weekly).front(), "2001-02-18");
  EXPECT_EQ(days(weekly).back(), "2002-03-17");
  EXPECT_EQ(days(weekly).size(), 9u);
  Recurrence last_friday_of_march{
      Recurrence::kYearlyByPosition, 1, 0, 8, 4, 2, 1, DateSerial(2023, 1, 1),
      DateSerial(2024, 12, 31),      0};
  EXPECT_EQ(days(last_friday_of_march), (V{"2023-03-31", "2024-03-29"}));
  Recurrence day_31{Recurrence::kMonthlyByDay, 1, 0, 0, 0, 0, 31, DateSerial(2024, 1, 1),
                    DateSerial(2024, 3, 31),   0};
  EXPECT_EQ(days(day_31), (V{"2024-01-31", "2024-02-29", "2024-03-31"}));
  Recurrence every_third_day{Recurrence::kEveryNDays, 3, 0, 0, 0, 0, 1, DateSerial(2000, 2, 1),
                             DateSerial(2000, 2, 10), 0};
  EXPECT_EQ(days(every_third_day), (V{"2000-02-01", "2000-02-04", "2000-02-07", "2000-02-10"}));
  Recurrence second_weekend_day{
      Recurrence::kMonthlyByPosition, 1, 0, 2, 1, 0, 1, DateSerial(2024, 6, 1),
      DateSerial(2024, 6, 30),        0};
  EXPECT_EQ(days(second_weekend_day), (V{"2024-06-02"}));
  // The limit holds however long the range.
  Recurrence endless{Recurrence::kEveryNDays,  1, 0, 0, 0, 0, 1, DateSerial(100, 1, 1),
                     DateSerial(9999, 12, 31), 0};
  EXPECT_EQ(ExpandRecurrence(endless, 50).size(), 50u);
}

TEST(Exceptions, OverlapsAndMergingWithTheBase) {
  const DayPattern morning{{480, 720}};
  auto normalized = NormalizeExceptions({{10, 20, {}}, {15, 25, morning}, {30, 29, {}}});
  ASSERT_EQ(normalized.size(), 2u);
  EXPECT_EQ(normalized[1].first_day, 21);
  EXPECT_EQ(normalized[1].last_day, 25);
  auto merged = MergeExceptions({{10, 12, {}}, {20, 20, {}}}, {{5, 25, morning}});
  // Base days 5-9, 13-19 and 21-25 remain around the calendar's own.
  ASSERT_EQ(merged.size(), 5u);
  EXPECT_EQ(merged[0].first_day, 5);
  EXPECT_EQ(merged[0].last_day, 9);
  EXPECT_EQ(merged[2].first_day, 13);
  EXPECT_EQ(merged[4].last_day, 25);
}

TEST(WorkingTimeCalendar, SumsAgreeWithCountingDayByDay) {
  // Random calendars of exceptions and overlapping work weeks over three years: every
  // span must give what adding up the days one by one gives.
  std::mt19937 random(20240304);
  const DaySerial origin = DateSerial(2023, 1, 1);
  auto pattern = [&]() {
    DayPattern p;
    const int from = static_cast<int>(random() % 12) * 60;
    if (random() % 4 != 0) p.push_back({from, from + static_cast<int>(1 + random() % 600)});
    return p;
  };
  for (int round = 0; round < 20; ++round) {
    CalendarData data = CalendarData::Standard();
    for (int i = 0; i < 40; ++i) {
      const DaySerial first = origin + static_cast<DaySerial>(random() % 1000);
      data.exceptions.push_back({first, first + static_cast<DaySerial>(random() % 5), pattern()});
    }
    for (int i = 0; i < 4; ++i) {
      WorkWeek week;
      week.first_day = origin + static_cast<DaySerial>(random() % 1000);
      week.last_day = week.first_day + static_cast<DaySerial>(random() % 200);
      for (auto& day : week.days) {
        if (random() % 2) day = pattern();
      }
      data.work_weeks.push_back(week);
    }
    const std::vector<CalendarException> exceptions = NormalizeExceptions(data.exceptions);
    auto reference_day = [&](DaySerial day) {
      for (const CalendarException& e : exceptions) {
        if (e.first_day <= day && day <= e.last_day) return PatternMinutes(e.working_times);
      }
      const int weekday = Weekday(day) - 1;
      for (const WorkWeek& week : data.work_weeks) {
        if (week.first_day <= day && day <= week.last_day && week.days[weekday]) {
          return PatternMinutes(*week.days[weekday]);
        }
      }
      return PatternMinutes(data.week[weekday]);
    };
    const WorkingTimeCalendar calendar(data);
    for (int query = 0; query < 50; ++query) {
      const DaySerial a = origin - 10 + static_cast<DaySerial>(random() % 1100);
      const DaySerial b = a + static_cast<DaySerial>(random() % 400);
      const int from_minute = static_cast<int>(random() % 1440);
      const int to_minute = static_cast<int>(random() % 1440);
      long long expected = 0;
      for (DaySerial day = a + 1; day < b; ++day) expected += reference_day(day);
      if (a == b) {
        expected = PatternMinutes(calendar.WorkingTimesOn(a), from_minute, to_minute);
      } else {
        expected += PatternMinutes(calendar.WorkingTimesOn(a), from_minute, 1440) +
                    PatternMinutes(calendar.WorkingTimesOn(b), 0, to_minute);
      }
      ASSERT_EQ(reference_day(a), PatternMinutes(calendar.WorkingTimesOn(a)));
      if (a == b && to_minute < from_minute) continue;
      ASSERT_EQ(calendar.WorkingMinutes({a, from_minute}, {b, to_minute}), expected)
          << "round " << round << " query " << query;
    }
  }
}

}  // namespace
}  // namespace taskvane::project
