#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace taskvane {

// A calendar day counted as the language runtime and the workbook count it: day 0 is
// 1899-12-30, so 1 January 1900 + n days = day 2 + n (valid from year 100 to 9999).
using DaySerial = std::int64_t;

struct CivilDate {
  int year = 1899;
  int month = 12;
  int day = 30;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// A point in time: a day and the minute of that day (0..1439).
struct DateTime {
  DaySerial day = 0;
  int minute = 0;
  friend auto operator<=>(const DateTime&, const DateTime&) = default;
  std::int64_t TotalMinutes() const { return day * 1440 + minute; }
};

inline constexpr int kMinYear = 100;
inline constexpr int kMaxYear = 9999;

DaySerial DateSerial(int year, int month, int day);  // month and day may overflow, as in the runtime
CivilDate ToCivil(DaySerial day);
bool IsValidCivil(int year, int month, int day);

// 1 = Sunday ... 7 = Saturday.
int Weekday(DaySerial day);
// "Sunday" ... "Saturday".
std::string_view WeekdayName(DaySerial day);
// Week of the year with weeks starting on Sunday and week 1 holding 1 January.
int WeekOfYear(DaySerial day);

// Reads "yyyy-mm-dd", "yyyy-m-d", with "-", "/" or "." between the fields, optionally
// followed by a time " HH:MM[:SS]" or "THH:MM[:SS]". Nothing else counts as a date.
std::optional<DateTime> ParseDateTime(std::string_view text);
std::optional<DaySerial> ParseDate(std::string_view text);  // the day of ParseDateTime

std::string FormatDate(DaySerial day);               // "yyyy-mm-dd"
std::string FormatDateTime(const DateTime& value);   // "yyyy-mm-dd HH:MM"

}  // namespace taskvane
