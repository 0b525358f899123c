#include "platform/project/mspdi_calendars.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/project/calendar.h"
#include "platform/project/mspdi_values.h"
#include "platform/project/recurrence.h"
#include "platform/project/xml_fragment.h"

namespace taskvane::project {
namespace {

// Limits that keep a damaged or hostile file from growing a calendar without bound.
constexpr size_t kMaxExceptionDays = 100000;  // per calendar, after expansion
constexpr size_t kMaxWorkWeeks = 1000;
constexpr size_t kMaxWorkingTimesPerDay = 16;
constexpr int kMaxBaseDepth = 16;

DayPattern ReadWorkingTimes(const XmlElement& owner) {
  DayPattern pattern;
  ForEachChild(Child(owner, "WorkingTimes"), "WorkingTime", [&](const XmlElement& time) {
    if (pattern.size() >= kMaxWorkingTimesPerDay) return;
    auto from = ReadTimeOfDay(ChildText(time, "FromTime"));
    auto to = ReadTimeOfDay(ChildText(time, "ToTime"));
    if (!from || !to) return;
    // 00:00 as the end of a stretch is midnight at the end of the day.
    const int end = *to == 0 ? 1440 : *to;
    if (end > *from) pattern.push_back({*from, end});
  });
  return NormalizePattern(std::move(pattern));
}

// The working times of a day entry: none when it is not a working day; a working day
// written without times gets the ordinary 08:00-12:00, 13:00-17:00.
DayPattern ReadDay(const XmlElement& day) {
  if (ReadFlag(ChildText(day, "DayWorking")).value_or(false) == false) return {};
  DayPattern pattern = ReadWorkingTimes(day);
  if (pattern.empty()) pattern = CalendarData::Standard().week[1];
  return pattern;
}

struct DayRange {
  DaySerial first = 0;
  DaySerial last = -1;
};

std::optional<DayRange> ReadTimePeriod(const XmlElement& owner) {
  const XmlElement period = Child(owner, "TimePeriod");
  auto from = ReadDateTime(ChildText(period, "FromDate"));
  auto to = ReadDateTime(ChildText(period, "ToDate"));
  if (!from || !to || to->day < from->day) return std::nullopt;
  return DayRange{from->day, to->day};
}

int ReadSmall(const XmlElement& owner, std::string_view name, int fallback) {
  auto value = ReadInteger(ChildText(owner, name));
  if (!value || *value < -1000000 || *value > 1000000) return fallback;
  return static_cast<int>(*value);
}

// Appends the days of one Exceptions entry, joining consecutive days into ranges.
void ReadException(const XmlElement& node, std::vector<CalendarException>& out, size_t& budget) {
  auto range = ReadTimePeriod(node);
  if (!range || budget == 0) return;
  const DayPattern times = ReadDay(node);
  Recurrence r;
  r.type = ReadSmall(node, "Type", Recurrence::kDaily);
  r.period = ReadSmall(node, "Period", 1);
  r.days_of_week = ReadSmall(node, "DaysOfWeek", 0);
  r.month_item = ReadSmall(node, "MonthItem", 0);
  r.month_position = ReadSmall(node, "MonthPosition", 0);
  r.month = ReadSmall(node, "Month", 0);
  r.month_day = ReadSmall(node, "MonthDay", 1);
  r.occurrences = ReadSmall(node, "Occurrences", 0);
  r.first_day = range->first;
  r.last_day = range->last;
  const bool recurring = r.type >= Recurrence::kYearlyByDay && r.type <= Recurrence::kEveryNDays;
  if (!recurring) {
    // A plain stretch of days: one range, however long.
    out.push_back({range->first, range->last, times});
    --budget;
    return;
  }
  const std::vector<DaySerial> days = ExpandRecurrence(r, budget);
  budget -= days.size();
  for (DaySerial day : days) {
    if (!out.empty() && out.back().last_day + 1 == day && out.back().working_times == times) {
      out.back().last_day = day;
    } else {
      out.push_back({day, day, times});
    }
  }
}

CalendarLayer ReadCalendar(const XmlElement& node) {
  CalendarLayer calendar;
  size_t budget = kMaxExceptionDays;

  std::vector<CalendarException> old_style;
  ForEachChild(Child(node, "WeekDays"), "WeekDay", [&](const XmlElement& day) {
    auto type = ReadInteger(ChildText(day, "DayType"));
    if (!type) return;
    if (*type >= 1 && *type <= 7) {
      if (!calendar.week[*type - 1]) calendar.week[*type - 1] = ReadDay(day);
    } else if (*type == 0 && budget > 0) {
      if (auto range = ReadTimePeriod(day)) {
        old_style.push_back({range->first, range->last, ReadDay(day)});
        --budget;
      }
    }
  });

  const XmlElement exceptions = Child(node, "Exceptions");
  if (Child(exceptions, "Exception")) {
    budget = kMaxExceptionDays;
    ForEachChild(exceptions, "Exception",
                 [&](const XmlElement& e) { ReadException(e, calendar.exceptions, budget); });
  } else {
    calendar.exceptions = std::move(old_style);
  }
  calendar.exceptions = NormalizeExceptions(std::move(calendar.exceptions));

  ForEachChild(Child(node, "WorkWeeks"), "WorkWeek", [&](const XmlElement& ww) {
    if (calendar.work_weeks.size() >= kMaxWorkWeeks) return;
    auto range = ReadTimePeriod(ww);
    if (!range) return;
    WorkWeek week{range->first, range->last, {}};
    ForEachChild(Child(ww, "WeekDays"), "WeekDay", [&](const XmlElement& day) {
      auto type = ReadInteger(ChildText(day, "DayType"));
      if (type && *type >= 1 && *type <= 7 && !week.days[*type - 1]) {
        week.days[*type - 1] = ReadDay(day);
      }
    });
    calendar.work_weeks.push_back(std::move(week));
  });
  return calendar;
}

// A calendar entry of the file, read only as far as needed to choose calendars.
struct CalendarEntry {
  std::optional<long long> uid;
  XmlElement node;
};

const CalendarEntry* FindByUid(const std::vector<CalendarEntry>& entries, long long uid) {
  for (const CalendarEntry& entry : entries) {
    if (entry.uid == uid) return &entry;
  }
  return nullptr;
}

// The calendar with its base calendars merged in; a chain that loops or runs too deep
// stops where it is.
CalendarData Resolve(const std::vector<CalendarEntry>& entries, const CalendarEntry& start) {
  std::vector<const CalendarEntry*> chain{&start};
  while (chain.size() < kMaxBaseDepth) {
    auto base_uid = ReadInteger(ChildText(chain.back()->node, "BaseCalendarUID"));
    if (!base_uid || *base_uid < 0) break;
    const CalendarEntry* base = FindByUid(entries, *base_uid);
    if (base == nullptr || std::find(chain.begin(), chain.end(), base) != chain.end()) break;
    chain.push_back(base);
  }
  // Start from the Standard week and let each calendar, from the deepest base up,
  // override what it defines.
  CalendarData result = CalendarData::Standard();
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    OverlayCalendar(result, ReadCalendar((*it)->node), kMaxWorkWeeks);
  }
  return result;
}

}  // namespace

CalendarData ReadProjectCalendar(const XmlElement& calendars,
                                 std::optional<long long> calendar_uid) {
  std::vector<CalendarEntry> entries;
  ForEachChild(calendars, "Calendar", [&](const XmlElement& node) {
    entries.push_back({ReadInteger(ChildText(node, "UID")), node});
  });
  const CalendarEntry* chosen = calendar_uid ? FindByUid(entries, *calendar_uid) : nullptr;
  if (chosen == nullptr) {
    for (const CalendarEntry& entry : entries) {
      if (TrimBlanks(ChildText(entry.node, "Name")) == "Standard") {
        chosen = &entry;
        break;
      }
    }
  }
  if (chosen == nullptr && !entries.empty()) chosen = &entries.front();
  if (chosen == nullptr) return CalendarData::Standard();
  return Resolve(entries, *chosen);
}

}  // namespace taskvane::project
