// Calendars of the binary sample schedules: each against its Project XML twin, the base
// calendars of sample1.mpp, and the recurring exceptions of a Project XML sample written
// as binary exception records.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/project/calendar.h"
#include "platform/project/mpp/calendar_data.h"
#include "platform/project/mpp/calendar_reader.h"
#include "platform/project/mpp/mpp_file.h"
#include "platform/project/mpp/mpp_values.h"
#include "platform/project/mspdi_calendars.h"
#include "platform/project/mspdi_values.h"
#include "platform/project/xml_fragment.h"
#include "tests/project/calendar_bytes.h"
#include "tests/project/mpp_samples.h"
#include "tests/project/test_files.h"
#include "tests/project/xml_document.h"

namespace taskvane::project::mpp {
namespace {

// The exception days of a calendar one by one, so that ranges joined differently compare
// equal.
std::vector<std::pair<DaySerial, DayPattern>> ExceptionDays(const CalendarData& calendar) {
  std::vector<std::pair<DaySerial, DayPattern>> days;
  for (const CalendarException& e : calendar.exceptions) {
    for (DaySerial day = e.first_day; day <= e.last_day; ++day) {
      days.emplace_back(day, e.working_times);
    }
  }
  return days;
}

void ExpectSameCalendar(const CalendarData& got, const CalendarData& want) {
  EXPECT_EQ(got.week, want.week);
  EXPECT_EQ(ExceptionDays(got), ExceptionDays(want));
  ASSERT_EQ(got.work_weeks.size(), want.work_weeks.size());
  for (std::size_t i = 0; i < got.work_weeks.size(); ++i) {
    EXPECT_EQ(got.work_weeks[i].first_day, want.work_weeks[i].first_day) << i;
    EXPECT_EQ(got.work_weeks[i].last_day, want.work_weeks[i].last_day) << i;
    EXPECT_EQ(got.work_weeks[i].days, want.work_weeks[i].days) << i;
  }
}

// Whether both calendars give every day of first..last the same working times.
void ExpectSameDays(const CalendarData& got, const CalendarData& want, DaySerial first,
                    DaySerial last) {
  const WorkingTimeCalendar a(got);
  const WorkingTimeCalendar b(want);
  for (DaySerial day = first; day <= last; ++day) {
    ASSERT_EQ(a.WorkingTimesOn(day), b.WorkingTimesOn(day)) << FormatDate(day);
  }
}

TEST(MppSampleCalendars, EveryProjectCalendarAnswersLikeItsTwin) {
  const bool any = testing::ForEachSampleWithTwin([](const MppFile& file, const ProjectData& twin) {
    const CalendarData calendar = ReadProjectCalendar(file);
    ExpectSameCalendar(calendar, twin.calendar);
    ASSERT_TRUE(twin.start && twin.finish);
    ExpectSameDays(calendar, twin.calendar, twin.start->day - 3 * 366, twin.finish->day + 3 * 366);
  });
  if (!any) GTEST_SKIP() << testing::kNoMppSamples;
}

// The calendar named `name` in a Project XML file, as the XML loader reads it.
std::optional<CalendarData> XmlCalendarNamed(const std::string& path, std::string_view name) {
  const XmlFragment document = testing::ReadXmlDocumentFile(path);
  if (!document.root()) return std::nullopt;
  const XmlElement calendars = Child(document.root(), "Calendars");
  std::optional<long long> uid;
  ForEachChild(calendars, "Calendar", [&](const XmlElement& calendar) {
    if (!uid && ChildText(calendar, "Name") == name) uid = ReadInteger(ChildText(calendar, "UID"));
  });
  if (!uid) return std::nullopt;
  return project::ReadProjectCalendar(calendars, uid);
}

TEST(MppSampleCalendars, BaseCalendarsOfSample1) {
  TV_REQUIRE_SAMPLE(path, "mpp/misc/sample1.mpp");
  const std::vector<std::uint8_t> bytes = testing::ReadFileBytes(path);
  const MppFile file = MppFile::Open(bytes);

  ExpectSameCalendar(ReadProjectCalendar(file), CalendarData::Standard());

  const std::optional<CalendarData> all_day = ReadBaseCalendar(file, "24 Hours");
  ASSERT_TRUE(all_day);
  for (const DayPattern& day : all_day->week) EXPECT_EQ(day, (DayPattern{{0, 1440}}));
  EXPECT_TRUE(all_day->exceptions.empty());

  const std::optional<CalendarData> night = ReadBaseCalendar(file, "Night Shift");
  ASSERT_TRUE(night);
  const DayPattern early{{0, 180}, {240, 480}};
  DayPattern weekday = early;
  weekday.push_back({23 * 60, 1440});
  const std::array<DayPattern, 7> night_week{
      DayPattern{}, DayPattern{{23 * 60, 1440}}, weekday, weekday, weekday, weekday, early};
  EXPECT_EQ(night->week, night_week);
  EXPECT_FALSE(ReadBaseCalendar(file, "First Resource")) << "a resource calendar";

  // sample1.xml holds another schedule, but its Standard and Night Shift are the same.
  TV_REQUIRE_SAMPLE(xml, "sample1.xml");
  for (const char* name : {"Standard", "Night Shift"}) {
    SCOPED_TRACE(name);
    const std::optional<CalendarData> twin = XmlCalendarNamed(xml, name);
    ASSERT_TRUE(twin);
    ExpectSameCalendar(*ReadBaseCalendar(file, name), *twin);
  }
}

// An Exceptions entry of Project XML as an exception record of formats 12 and 14.
testing::Bytes BinaryRecordOf(const XmlElement& node) {
  auto number = [&](std::string_view name, int fallback) {
    return static_cast<int>(ReadInteger(ChildText(node, name)).value_or(fallback));
  };
  Recurrence r;
  r.type = number("Type", 1);
  r.period = number("Period", 1);
  r.days_of_week = number("DaysOfWeek", 0);
  r.month_item = number("MonthItem", 0);
  r.month_position = number("MonthPosition", 0);
  r.month = number("Month", 0);
  r.month_day = number("MonthDay", 1);
  r.occurrences = number("Occurrences", 0);
  const XmlElement period = Child(node, "TimePeriod");
  r.first_day = ReadDateTime(ChildText(period, "FromDate"))->day;
  r.last_day = ReadDateTime(ChildText(period, "ToDate"))->day;
  DayPattern times;
  ForEachChild(Child(node, "WorkingTimes"), "WorkingTime", [&](const XmlElement& time) {
    const int from = *ReadTimeOfDay(ChildText(time, "FromTime"));
    const int to = *ReadTimeOfDay(ChildText(time, "ToTime"));
    times.push_back({from, to == 0 ? 1440 : to});
  });
  return testing::ExceptionRecord12(r, times, ChildText(node, "Name"));
}

TEST(MppSampleCalendars, RecurringExceptionsExpandAsTheXmlLoaderExpandsThem) {
  // Project wrote these 27 patterns (every type, each with its last occurrence as the end
  // of its range); written as binary records they must give the same days.
  TV_REQUIRE_SAMPLE(path, "calendar-recurring-exceptions-project2016-mspdi.xml");
  const XmlFragment document = testing::ReadXmlDocumentFile(path);
  ASSERT_TRUE(document.root());
  const XmlElement calendar = Child(Child(document.root(), "Calendars"), "Calendar");
  std::vector<testing::Bytes> records;
  ForEachChild(Child(calendar, "Exceptions"), "Exception",
               [&](const XmlElement& node) { records.push_back(BinaryRecordOf(node)); });
  ASSERT_EQ(records.size(), 27u);

  const ProjectData twin = testing::LoadXmlFile(path);
  const testing::Bytes item =
      testing::CalendarItem12(testing::DefinedWeekOf(twin.calendar), records);
  CalendarData calendar_read;
  OverlayCalendar(calendar_read, ReadCalendarData(item.view(), 12), kMaxWorkWeeks);
  ExpectSameCalendar(calendar_read, twin.calendar);
  EXPECT_EQ(ExceptionDays(calendar_read).size(), 140u) << "141 occurrences, two on one day";
}

}  // namespace
}  // namespace taskvane::project::mpp
