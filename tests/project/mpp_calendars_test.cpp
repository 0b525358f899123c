// Calendars of binary schedules on crafted records: day records, the default week,
// exceptions of both layouts with their recurring patterns and overlaps, work weeks, the
// calendar list and derived calendars.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/project/calendar.h"
#include "platform/project/mpp/calendar_data.h"
#include "platform/project/mpp/calendar_records.h"
#include "platform/project/mpp/calendar_set.h"
#include "platform/project/mpp/day_records.h"
#include "platform/project/mpp/exceptions.h"
#include "platform/project/mpp/work_weeks.h"
#include "platform/project/mspdi_calendars.h"
#include "platform/runtime/automation_error.h"
#include "tests/project/calendar_bytes.h"
#include "tests/project/xml_document.h"

namespace taskvane::project::mpp {
namespace {

using testing::Bytes;
using testing::CalendarItem12;
using testing::CalendarItem9;
using testing::DayRecord;
using testing::ExceptionRecord12;
using testing::RangeRecord12;

const DayPattern kOff{};
const DayPattern kMorning{{8 * 60, 12 * 60}};
const DayPattern kEvening{{18 * 60, 22 * 60}};
const DayPattern kStandardDay{{8 * 60, 12 * 60}, {13 * 60, 17 * 60}};
const std::array<std::optional<DayPattern>, 7> kAllDefault{};

DaySerial D(int year, int month, int day) {
  return DateSerial(year, month, day);
}

// The single days of `exceptions`, each range taken apart, with its working times.
std::vector<std::pair<DaySerial, DayPattern>> DaysOf(
    const std::vector<CalendarException>& exceptions) {
  std::vector<std::pair<DaySerial, DayPattern>> days;
  for (const CalendarException& e : exceptions) {
    for (DaySerial day = e.first_day; day <= e.last_day; ++day) {
      days.emplace_back(day, e.working_times);
    }
  }
  return days;
}

std::vector<DaySerial> DatesOf(const std::vector<CalendarException>& exceptions) {
  std::vector<DaySerial> dates;
  for (const auto& [day, times] : DaysOf(exceptions)) dates.push_back(day);
  return dates;
}

Recurrence Pattern(int type, DaySerial first, DaySerial last, int occurrences) {
  Recurrence r;
  r.type = type;
  r.first_day = first;
  r.last_day = last;
  r.occurrences = occurrences;
  return r;
}

// The exceptions of a format-12 data item holding `records`.
std::vector<CalendarException> Decoded(const std::vector<Bytes>& records) {
  const Bytes item = CalendarItem12(kAllDefault, records);
  return ReadCalendarData(item.view(), 12).exceptions;
}

TEST(MppDayRecords, PeriodsFlagsAndOddValues) {
  const Bytes night = DayRecord({{0, 180}, {240, 480}, {23 * 60, 1440}});
  EXPECT_EQ(ReadDayRecord(night.view()), (DayPattern{{0, 180}, {240, 480}, {23 * 60, 1440}}))
      << "only the counted periods; 23:00 + 1 h ends at 24:00";
  EXPECT_EQ(ReadDayRecord(DayRecord({}).view()), DayPattern{}) << "no period: a day off";
  EXPECT_EQ(ReadDayRecord(DayRecord(kMorning, true).view()), std::nullopt);

  Bytes odd = DayRecord({{60, 120}, {180, 240}, {300, 360}, {420, 480}, {540, 600}});
  odd.vector()[2] = 9;  // more periods than the record has slots
  EXPECT_EQ(ReadDayRecord(odd.view())->size(), 5u);
  Bytes late = DayRecord({{22 * 60, 23 * 60}});
  late.vector()[20] = 0x40;  // a duration of many days: cut at midnight
  late.vector()[21] = 0x9C;
  EXPECT_EQ(ReadDayRecord(late.view()), (DayPattern{{22 * 60, 1440}}));
  EXPECT_EQ(ReadDayRecord(night.view().Sub(0, 1)), std::nullopt) << "too short to say";
}

TEST(MppDayRecords, DefaultWeekFromThePropsItemOrProjectsStandard) {
  std::array<std::optional<DayPattern>, 7> week{kOff,     kMorning, kMorning, std::nullopt,
                                                kMorning, kMorning, kEvening};
  const Bytes records = testing::WeekRecords(week);
  for (int format : {9, 12, 14}) {
    Bytes value;
    if (format == 9) value.U32(0);
    value.Append(records);
    Bytes props;
    props.Zeros(12).U16(1).Zeros(2);
    props.U32(static_cast<std::uint32_t>(value.size())).U32(0x02401388).U32(0).Append(value);
    const std::array<DayPattern, 7> got = ProjectDefaultWeek(PropsStream(props.view()), format);
    EXPECT_EQ(got[1], kMorning) << format;
    EXPECT_EQ(got[3], kStandardDay) << "a default day in the default week: " << format;
    EXPECT_EQ(got[6], kEvening) << format;
  }
  EXPECT_EQ(ProjectDefaultWeek(PropsStream(), 12), CalendarData::Standard().week);
}

TEST(MppCalendarData, Format9WeekAndRanges) {
  const Bytes item = CalendarItem9({kOff, kEvening, std::nullopt, kOff, kOff, kOff, kOff},
                                   {{D(2024, 5, 1), D(2024, 5, 3), kOff},
                                    {D(2024, 5, 10), D(2024, 5, 10), kMorning},
                                    {D(2024, 5, 12), D(2024, 5, 11), kOff}});  // backwards
  const CalendarLayer layer = ReadCalendarData(item.view(), 9);
  EXPECT_EQ(layer.week[1], kEvening);
  EXPECT_EQ(layer.week[2], std::nullopt);
  ASSERT_EQ(layer.exceptions.size(), 2u);
  EXPECT_EQ(layer.exceptions[0].first_day, D(2024, 5, 1));
  EXPECT_EQ(layer.exceptions[0].last_day, D(2024, 5, 3));
  EXPECT_EQ(layer.exceptions[0].working_times, kOff);
  EXPECT_EQ(layer.exceptions[1].first_day, D(2024, 5, 10));
  EXPECT_EQ(layer.exceptions[1].working_times, kMorning);
  EXPECT_TRUE(layer.work_weeks.empty());

  // A count beyond what the item holds stops at the last whole record.
  Bytes cut = item;
  cut.vector()[0] = 200;
  cut.vector().resize(cut.size() - 70);
  EXPECT_EQ(ReadCalendarData(cut.view(), 9).exceptions.size(), 1u);
  EXPECT_THROW(ReadCalendarData(item.view().Sub(0, 423), 9), AutomationError);
  EXPECT_THROW(ReadCalendarData(Bytes().Zeros(419).view(), 12), AutomationError);
}

// One pattern of each type with its days, worked out by hand.
struct RecurrenceCase {
  const char* what;
  Recurrence r;
  std::vector<DaySerial> days;
};

std::vector<RecurrenceCase> RecurrenceCases() {
  std::vector<RecurrenceCase> cases;
  {
    Recurrence r = Pattern(Recurrence::kDaily, D(2000, 1, 1), D(2000, 1, 3), 3);
    cases.push_back({"a range of days", r, {D(2000, 1, 1), D(2000, 1, 2), D(2000, 1, 3)}});
  }
  {
    Recurrence r = Pattern(Recurrence::kEveryNDays, D(2000, 2, 1), D(2000, 2, 10), 4);
    r.period = 3;
    cases.push_back(
        {"every 3 days", r, {D(2000, 2, 1), D(2000, 2, 4), D(2000, 2, 7), D(2000, 2, 10)}});
  }
  {
    Recurrence r = Pattern(Recurrence::kWeekly, D(2001, 1, 1), D(2001, 2, 13), 4);
    r.days_of_week = 4;  // Tuesday
    r.period = 2;
    cases.push_back({"every other Tuesday",
                     r,
                     {D(2001, 1, 2), D(2001, 1, 16), D(2001, 1, 30), D(2001, 2, 13)}});
  }
  {
    // Weeks count from Sunday; counted from Monday the days would be 7, 15 and 21.
    Recurrence r = Pattern(Recurrence::kWeekly, D(2001, 1, 7), D(2001, 1, 22), 4);
    r.days_of_week = 1 | 2;  // Sunday and Monday
    r.period = 2;
    cases.push_back(
        {"Sunday-based weeks", r, {D(2001, 1, 7), D(2001, 1, 8), D(2001, 1, 21), D(2001, 1, 22)}});
  }
  {
    Recurrence r = Pattern(Recurrence::kMonthlyByDay, D(2003, 1, 1), D(2005, 2, 4), 6);
    r.month_day = 4;
    r.period = 5;
    cases.push_back({"day 4 every 5 months",
                     r,
                     {D(2003, 1, 4), D(2003, 6, 4), D(2003, 11, 4), D(2004, 4, 4), D(2004, 9, 4),
                      D(2005, 2, 4)}});
  }
  {
    Recurrence r = Pattern(Recurrence::kMonthlyByPosition, D(2002, 1, 1), D(2005, 1, 28), 7);
    r.month_position = 4;  // last
    r.month_item = 8;      // Friday
    r.period = 6;
    cases.push_back({"last Friday every 6 months",
                     r,
                     {D(2002, 1, 25), D(2002, 7, 26), D(2003, 1, 31), D(2003, 7, 25),
                      D(2004, 1, 30), D(2004, 7, 30), D(2005, 1, 28)}});
  }
  {
    Recurrence r = Pattern(Recurrence::kYearlyByDay, D(2005, 1, 1), D(2007, 3, 2), 3);
    r.month = 2;  // March
    r.month_day = 2;
    cases.push_back({"2 March yearly", r, {D(2005, 3, 2), D(2006, 3, 2), D(2007, 3, 2)}});
  }
  {
    Recurrence r = Pattern(Recurrence::kYearlyByPosition, D(2004, 1, 1), D(2007, 3, 6), 4);
    r.month = 2;           // March
    r.month_position = 0;  // first
    r.month_item = 5;      // Tuesday
    cases.push_back({"first Tuesday of March",
                     r,
                     {D(2004, 3, 2), D(2005, 3, 1), D(2006, 3, 7), D(2007, 3, 6)}});
  }
  return cases;
}

TEST(MppExceptions, EveryRecurrenceTypeGivesItsDays) {
  for (const RecurrenceCase& c : RecurrenceCases()) {
    const std::vector<CalendarException> got = Decoded({ExceptionRecord12(c.r, kMorning, "Ab")});
    EXPECT_EQ(DatesOf(got), c.days) << c.what;
    for (const CalendarException& e : got) EXPECT_EQ(e.working_times, kMorning) << c.what;
  }
}

// The pattern as an Exceptions entry of Project XML, working in the morning.
std::string ExceptionXml(const Recurrence& r) {
  auto element = [](const char* name, auto value) {
    return "<" + std::string(name) + ">" + std::to_string(value) + "</" + name + ">";
  };
  return "<Exception><TimePeriod><FromDate>" + FormatDate(r.first_day) +
         "T00:00:00</FromDate><ToDate>" + FormatDate(r.last_day) +
         "T23:59:00</ToDate></TimePeriod>" + element("Occurrences", r.occurrences) +
         element("Type", r.type) + element("Period", r.period) +
         element("DaysOfWeek", r.days_of_week) + element("MonthItem", r.month_item) +
         element("MonthPosition", r.month_position) + element("Month", r.month) +
         element("MonthDay", r.month_day) +
         "<DayWorking>1</DayWorking><WorkingTimes><WorkingTime><FromTime>08:00:00</FromTime>"
         "<ToTime>12:00:00</ToTime></WorkingTime></WorkingTimes></Exception>";
}

TEST(MppExceptions, PatternsGiveTheDaysTheXmlReaderGivesForThem) {
  std::string xml = "<Calendars><Calendar><UID>1</UID><Name>Standard</Name><Exceptions>";
  std::vector<Bytes> records;
  for (const RecurrenceCase& c : RecurrenceCases()) {
    xml += ExceptionXml(c.r);
    records.push_back(ExceptionRecord12(c.r, kMorning));
  }
  xml += "</Exceptions></Calendar></Calendars>";
  const XmlFragment document = testing::ReadXmlDocument(xml);
  ASSERT_TRUE(document.root());
  const CalendarData from_xml = project::ReadProjectCalendar(document.root(), 1);

  CalendarData from_records = CalendarData::Standard();
  OverlayCalendar(from_records, ReadCalendarData(CalendarItem12(kAllDefault, records).view(), 12),
                  kMaxWorkWeeks);
  EXPECT_EQ(from_records.week, from_xml.week);
  EXPECT_EQ(DaysOf(from_records.exceptions), DaysOf(from_xml.exceptions));
  EXPECT_EQ(DaysOf(from_records.exceptions).size(), 35u);
}

TEST(MppExceptions, NamesArePaddedToFourBytesBeforeTheNextRecord) {
  const std::vector<Bytes> records{
      ExceptionRecord12(Pattern(1, D(2024, 1, 1), D(2024, 1, 1), 1), kOff, "Four"),  // 10 bytes
      ExceptionRecord12(Pattern(1, D(2024, 2, 1), D(2024, 2, 1), 1), kOff, "Seven!!"),
      ExceptionRecord12(Pattern(1, D(2024, 3, 1), D(2024, 3, 1), 1), kOff)};
  EXPECT_EQ(DatesOf(Decoded(records)),
            (std::vector<DaySerial>{D(2024, 1, 1), D(2024, 2, 1), D(2024, 3, 1)}));
}

TEST(MppExceptions, APatternThatDisagreesWithItsRecordIsOneRange) {
  Recurrence weekly = Pattern(Recurrence::kWeekly, D(2024, 1, 1), D(2024, 1, 29), 5);
  weekly.days_of_week = 2;  // Mondays: 1, 8, 15, 22, 29
  weekly.period = 1;
  ASSERT_EQ(DatesOf(Decoded({ExceptionRecord12(weekly, kOff)})).size(), 5u);

  Recurrence too_many = weekly;
  too_many.occurrences = 6;
  Recurrence wrong_end = weekly;
  wrong_end.last_day = D(2024, 1, 30);
  Recurrence unknown = weekly;
  unknown.type = 9;
  Recurrence no_days = weekly;
  no_days.days_of_week = 0;
  Recurrence no_such_day = Pattern(Recurrence::kMonthlyByPosition, D(2024, 1, 1), D(2024, 3, 1), 3);
  no_such_day.month_item = 12;
  // Read as December, the month would agree with the record.
  Recurrence no_such_month = Pattern(Recurrence::kYearlyByDay, D(2024, 1, 1), D(2026, 12, 1), 3);
  no_such_month.month = 12;
  no_such_month.month_day = 1;
  for (const Recurrence& r : {too_many, wrong_end, unknown, no_days, no_such_day, no_such_month}) {
    const std::vector<CalendarException> got = Decoded({ExceptionRecord12(r, kOff)});
    ASSERT_EQ(got.size(), 1u) << r.type << " " << r.occurrences;
    EXPECT_EQ(got[0].first_day, r.first_day);
    EXPECT_EQ(got[0].last_day, r.last_day);
  }
}

TEST(MppExceptions, OverlapsFollowThePrecedenceOfTheirKinds) {
  // 2024-01-08 is a Monday, the second Monday of the month, and 7 days after 1 January.
  const DaySerial day = D(2024, 1, 8);
  Recurrence weekly = Pattern(Recurrence::kWeekly, D(2024, 1, 1), D(2024, 1, 15), 3);
  weekly.days_of_week = 2;
  Recurrence monthly = Pattern(Recurrence::kMonthlyByPosition, D(2024, 1, 1), D(2024, 2, 12), 2);
  monthly.month_position = 1;
  monthly.month_item = 4;  // second Monday
  Recurrence yearly = Pattern(Recurrence::kYearlyByDay, D(2024, 1, 1), D(2025, 1, 8), 2);
  yearly.month = 0;
  yearly.month_day = 8;
  Recurrence every = Pattern(Recurrence::kEveryNDays, D(2024, 1, 1), D(2024, 1, 15), 3);
  every.period = 7;
  const Bytes single = RangeRecord12(day, day, kEvening);

  auto on_day = [&](const std::vector<Bytes>& records) {
    for (const auto& [d, times] : DaysOf(Decoded(records))) {
      if (d == day) return times;
    }
    return DayPattern{{0, 1}};  // not covered
  };
  // A single day wins over every pattern, listed before or after them.
  EXPECT_EQ(on_day({single, ExceptionRecord12(weekly, kOff), ExceptionRecord12(monthly, kOff),
                    ExceptionRecord12(yearly, kOff), ExceptionRecord12(every, kOff)}),
            kEvening);
  EXPECT_EQ(on_day({ExceptionRecord12(every, kOff), ExceptionRecord12(yearly, kOff), single}),
            kEvening);
  // Every N days over yearly over monthly over weekly, whatever the order.
  EXPECT_EQ(on_day({ExceptionRecord12(weekly, kOff), ExceptionRecord12(monthly, kMorning)}),
            kMorning);
  EXPECT_EQ(on_day({ExceptionRecord12(monthly, kMorning), ExceptionRecord12(weekly, kOff)}),
            kMorning);
  EXPECT_EQ(on_day({ExceptionRecord12(yearly, kEvening), ExceptionRecord12(monthly, kMorning)}),
            kEvening);
  EXPECT_EQ(on_day({ExceptionRecord12(monthly, kMorning), ExceptionRecord12(yearly, kEvening),
                    ExceptionRecord12(weekly, kOff)}),
            kEvening);
  EXPECT_EQ(on_day({ExceptionRecord12(every, kMorning), ExceptionRecord12(yearly, kEvening)}),
            kMorning);
  // Within a kind the later record wins.
  Recurrence other_weekly = weekly;
  other_weekly.days_of_week = 2 | 4;
  other_weekly.occurrences = 6;
  other_weekly.last_day = D(2024, 1, 16);
  EXPECT_EQ(on_day({ExceptionRecord12(weekly, kOff), ExceptionRecord12(other_weekly, kMorning)}),
            kMorning);
  EXPECT_EQ(on_day({ExceptionRecord12(other_weekly, kMorning), ExceptionRecord12(weekly, kOff)}),
            kOff);
  // A pattern of a single occurrence counts as a single day.
  Recurrence once = yearly;
  once.occurrences = 1;
  once.last_day = day;
  EXPECT_EQ(on_day({ExceptionRecord12(once, kEvening), ExceptionRecord12(every, kMorning)}),
            kEvening);
  EXPECT_EQ(DatesOf(Decoded({ExceptionRecord12(once, kEvening)})), std::vector<DaySerial>{day})
      << "only its occurrence, not the days before it";
}

TEST(MppExceptions, ResolvedDaysAreSortedJoinedAndCutAroundTheWinner) {
  // A working range across a non-working weekly pattern: the range wins on its days, the
  // pattern keeps its other days; neighbouring days with equal times are joined.
  Recurrence weekly = Pattern(Recurrence::kWeekly, D(2024, 1, 1), D(2024, 1, 23), 8);
  weekly.days_of_week = 2 | 4;  // Monday and Tuesday
  const std::vector<CalendarException> got = Decoded(
      {ExceptionRecord12(weekly, kOff), RangeRecord12(D(2024, 1, 9), D(2024, 1, 16), kMorning)});
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0].first_day, D(2024, 1, 1));
  EXPECT_EQ(got[0].last_day, D(2024, 1, 2));
  EXPECT_EQ(got[1].first_day, D(2024, 1, 8));
  EXPECT_EQ(got[1].last_day, D(2024, 1, 8));
  EXPECT_EQ(got[2].first_day, D(2024, 1, 9));
  EXPECT_EQ(got[2].last_day, D(2024, 1, 16));
  EXPECT_EQ(got[2].working_times, kMorning);
  EXPECT_EQ(got[3].first_day, D(2024, 1, 22));
  EXPECT_EQ(got[3].last_day, D(2024, 1, 23));
}

TEST(MppExceptions, ExpandedDaysAreCapped) {
  Recurrence daily = Pattern(Recurrence::kEveryNDays, D(2000, 1, 1), D(2000, 1, 1) + 9999, 10000);
  daily.period = 1;
  std::vector<ExceptionRecord> records(3, ExceptionRecord{daily, kOff});
  records[1].recurrence.first_day += 20000;
  records[1].recurrence.last_day += 20000;
  // The first pattern fits the budget; the second does not and is taken as its range.
  const std::vector<CalendarException> got = ResolveExceptions(records, 15000);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[1].first_day, D(2000, 1, 1) + 20000);
  EXPECT_EQ(got[1].last_day, D(2000, 1, 1) + 29999);

  // The days a disagreeing pattern generated count too, so that a hostile list cannot make
  // every record expand in full.
  Recurrence wrong = Pattern(Recurrence::kEveryNDays, D(2000, 1, 1), D(2000, 12, 31), 0);
  wrong.period = 1;
  Recurrence fine = Pattern(Recurrence::kEveryNDays, D(2001, 1, 1), D(2001, 1, 5), 2);
  fine.period = 4;
  const std::vector<ExceptionRecord> pair{{wrong, kOff}, {fine, kMorning}};
  EXPECT_EQ(DatesOf(ResolveExceptions({{fine, kMorning}}, 100)),
            (std::vector<DaySerial>{D(2001, 1, 1), D(2001, 1, 5)}));
  const std::vector<CalendarException> spent = ResolveExceptions(pair, 100);
  ASSERT_EQ(spent.size(), 2u);
  EXPECT_EQ(spent[1].first_day, D(2001, 1, 1));
  EXPECT_EQ(spent[1].last_day, D(2001, 1, 5)) << "taken as its range";
}

TEST(MppWorkWeeks, RecordsThatFillTheirAreaExactly) {
  Bytes week;
  week.Append(testing::WeekRecords(
      {std::nullopt, kMorning, kMorning, kMorning, kMorning, kMorning, std::nullopt}));
  week.U16(testing::DayNumberOf(D(2024, 7, 1))).U16(testing::DayNumberOf(D(2024, 8, 31)));
  week.Zeros(8).Append(testing::RecordName("Summer"));
  const Bytes item = CalendarItem12(kAllDefault, {}, week);
  const CalendarLayer layer = ReadCalendarData(item.view(), 14);
  ASSERT_EQ(layer.work_weeks.size(), 1u);
  EXPECT_EQ(layer.work_weeks[0].first_day, D(2024, 7, 1));
  EXPECT_EQ(layer.work_weeks[0].last_day, D(2024, 8, 31));
  EXPECT_EQ(layer.work_weeks[0].days[0], std::nullopt);
  EXPECT_EQ(layer.work_weeks[0].days[3], kMorning);

  Bytes extra = item;
  extra.Zeros(4);
  EXPECT_TRUE(ReadCalendarData(extra.view(), 14).work_weeks.empty()) << "bytes left over";
  Bytes cut = item;
  cut.vector().resize(cut.size() - 4);
  EXPECT_TRUE(ReadCalendarData(cut.view(), 14).work_weeks.empty()) << "name cut short";
  const Bytes none = CalendarItem12(kAllDefault, {});
  EXPECT_EQ(none.size(), 428u);
  EXPECT_TRUE(ReadCalendarData(none.view(), 12).work_weeks.empty());
}

// A calendar block of format `format`: the FixedMeta and FixedData of the records (four
// placeholders first), VarMeta and Var2Data with the names and data items.
struct CraftedBlock {
  Bytes fixed_meta, fixed_data, var_meta, var_data;
  std::size_t var_entries = 0;

  explicit CraftedBlock(int format) : format_(format) {
    fixed_meta.U32(0xFADFADBA).U32(0).U32(0).U32(0);
    for (std::uint8_t i = 0; i < 4; ++i) {
      Item(0x04, Bytes().U8(i).U8(0).U16(0xFFFF).Zeros(format == 9 ? 4 : 12));
    }
  }
  void Item(std::uint8_t flags, const Bytes& data) {
    fixed_meta.U8(flags).Zeros(3).U32(static_cast<std::uint32_t>(fixed_data.size())).Zeros(2);
    fixed_data.Append(data);
  }
  void Var(std::int32_t unique_id, std::uint16_t key, const Bytes& value) {
    entries_.push_back({unique_id, key, static_cast<std::uint32_t>(var_data.size())});
    var_data.U32(static_cast<std::uint32_t>(value.size())).Append(value);
  }
  CalendarStreams Streams() {
    var_meta = Bytes();
    var_meta.U32(0xFADFADBA).U32(0).U32(static_cast<std::uint32_t>(entries_.size())).Zeros(12);
    for (const Entry& e : entries_) {
      if (format_ == 9) {
        var_meta.U16(static_cast<std::uint16_t>(e.unique_id))
            .U8(0)
            .U8(static_cast<std::uint8_t>(e.key));
        var_meta.U32(e.offset);
      } else {
        var_meta.I32(e.unique_id).U32(e.offset).U16(e.key).U16(0);
      }
    }
    return {fixed_meta.view(), fixed_data.view(), var_meta.view(), var_data.view()};
  }

 private:
  struct Entry {
    std::int32_t unique_id;
    std::uint16_t key;
    std::uint32_t offset;
  };
  int format_;
  std::vector<Entry> entries_;
};

Bytes Records(std::initializer_list<std::array<std::int32_t, 3>> records) {
  Bytes b;
  for (const auto& r : records) b.I32(r[0]).I32(r[1]).I32(r[2]);
  return b;
}

TEST(MppCalendarList, RecordsPlaceholdersDuplicatesAndFieldOrder) {
  for (bool unique_id_last : {false, true}) {
    CraftedBlock block(14);
    auto rec = [&](std::int32_t id, std::int32_t base, std::int32_t resource) {
      return unique_id_last ? std::array<std::int32_t, 3>{base, resource, id}
                            : std::array<std::int32_t, 3>{id, base, resource};
    };
    block.Item(0, Records({rec(1, -1, -1), rec(2, 1, 0)}));  // two records in one item
    block.Item(0, Records({rec(1, 5, 5), rec(0, -1, -1), rec(3, 0, 0)}));
    const CalendarStreams s = block.Streams();
    const std::vector<CalendarRecord> records =
        ReadCalendarRecords(s.fixed_meta, s.fixed_data, unique_id_last);
    ASSERT_EQ(records.size(), 3u) << unique_id_last;
    EXPECT_EQ(records[0].unique_id, 1);
    EXPECT_TRUE(records[0].IsBase()) << "the first record of an ID counts";
    EXPECT_EQ(records[1].unique_id, 2);
    EXPECT_EQ(records[1].base_id, 1);
    EXPECT_EQ(records[1].resource_id, 0);
    EXPECT_FALSE(records[1].IsBase());
    EXPECT_EQ(records[2].unique_id, 3);
    EXPECT_TRUE(records[2].IsBase());
  }
}

TEST(MppCalendarList, DerivedCalendarsTakeWhatTheyLeaveAtDefaultFromTheirBase) {
  for (int format : {9, 12}) {
    CraftedBlock block(format);
    block.Item(0, Records({{1, -1, -1}, {2, 1, 0}, {3, -1, -1}, {4, 3, 7}}));
    block.Var(1, 1, Bytes().Utf16("Standard"));
    block.Var(3, 1, Bytes().Utf16("Night"));
    block.Var(4, 1, Bytes().Utf16("Standard"));  // a resource calendar named like a base
    const std::array<std::optional<DayPattern>, 7> night{std::nullopt, kEvening, kEvening, kEvening,
                                                         kEvening,     kEvening, kOff};
    const std::array<std::optional<DayPattern>, 7> resource{
        std::nullopt, std::nullopt, kMorning,    std::nullopt,
        std::nullopt, std::nullopt, std::nullopt};
    const DaySerial holiday = D(2024, 12, 25);
    const DaySerial leave = D(2024, 12, 27);
    const std::uint16_t data_key = format == 9 ? 3 : 8;
    if (format == 9) {
      block.Var(3, data_key, CalendarItem9(night, {{holiday, holiday, kOff}}));
      block.Var(4, data_key, CalendarItem9(resource, {{leave, leave, kOff}}));
    } else {
      block.Var(3, data_key, CalendarItem12(night, {RangeRecord12(holiday, holiday, kOff)}));
      block.Var(4, data_key, CalendarItem12(resource, {RangeRecord12(leave, leave, kOff)}));
    }
    std::array<DayPattern, 7> default_week = CalendarData::Standard().week;
    default_week[0] = kMorning;
    const CalendarSet set(block.Streams(), format, false, default_week);

    const CalendarRecord* standard = set.FindBase("Standard");
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(standard->unique_id, 1);
    EXPECT_EQ(set.FindBase("Nigh"), nullptr) << "names compare exactly";
    EXPECT_EQ(set.FirstBase()->unique_id, 1);
    const CalendarData plain = set.Resolve(*standard);
    EXPECT_EQ(plain.week, default_week) << "no data: every weekday default";
    EXPECT_TRUE(plain.exceptions.empty());

    // Calendar 4 derives from Night: its default days are Night's, Night's default Sunday
    // is the default week's; both calendars' exceptions apply.
    const CalendarRecord derived{4, 3, 7};
    const CalendarData merged = set.Resolve(derived);
    EXPECT_EQ(merged.week[0], kMorning) << format;
    EXPECT_EQ(merged.week[1], kEvening) << format;
    EXPECT_EQ(merged.week[2], kMorning) << format;
    EXPECT_EQ(merged.week[6], kOff) << format;
    EXPECT_EQ(DatesOf(merged.exceptions), (std::vector<DaySerial>{holiday, leave})) << format;
  }
}

TEST(MppCalendarList, ABlockWithoutCalendarsIsDamaged) {
  CraftedBlock block(12);
  EXPECT_THROW(CalendarSet(block.Streams(), 12, false, CalendarData::Standard().week),
               AutomationError);
}

}  // namespace
}  // namespace taskvane::project::mpp
