#include "platform/runtime/date.h"

#include <array>
#include <cstdio>

namespace taskvane {
namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr std::int64_t kEpochOffset = 25569;  // 1970-01-01 is day 25569

// The `width` last decimal digits of a value of 0 or more, with leading zeros.
void PutDigits(char* to, int value, int width) {
  for (int i = width - 1; i >= 0; --i) {
    to[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}

bool IsLeap(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

bool ReadNumber(std::string_view text, size_t& pos, int max_digits, int& out) {
  int digits = 0;
  int value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < max_digits) {
    value = value * 10 + (text[pos] - '0');
    ++pos;
    ++digits;
  }
  if (digits == 0) return false;
  out = value;
  return true;
}

}  // namespace

bool IsValidCivil(int year, int month, int day) {
  return year >= kMinYear && year <= kMaxYear && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

DaySerial DateSerial(int year, int month, int day) {
  std::int64_t y = year;
  std::int64_t m = month - 1;
  y += m >= 0 ? m / 12 : (m - 11) / 12;
  m = ((m % 12) + 12) % 12;
  return DaysFromCivil(y, static_cast<unsigned>(m + 1), 1) + kEpochOffset + (day - 1);
}

CivilDate ToCivil(DaySerial serial) {
  std::int64_t z = serial - kEpochOffset + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

int Weekday(DaySerial day) {
  // Day 0 (1899-12-30) was a Saturday.
  const std::int64_t r = ((day % 7) + 7) % 7;  // 0 = Saturday
  return static_cast<int>(r == 0 ? 7 : r);
}

std::string_view WeekdayName(DaySerial day) {
  static constexpr std::array<std::string_view, 7> kNames{
      "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  return kNames[Weekday(day) - 1];
}

int WeekOfYear(DaySerial day) {
  const CivilDate c = ToCivil(day);
  const DaySerial jan1 = DateSerial(c.year, 1, 1);
  const DaySerial first_sunday_week_start = jan1 - (Weekday(jan1) - 1);
  return static_cast<int>((day - first_sunday_week_start) / 7) + 1;
}

std::optional<DateTime> ParseDateTime(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  size_t pos = 0;
  int y = 0, m = 0, d = 0;
  if (!ReadNumber(text, pos, 4, y) || pos != 4) return std::nullopt;
  if (pos >= text.size()) return std::nullopt;
  const char sep = text[pos];
  if (sep != '-' && sep != '/' && sep != '.') return std::nullopt;
  ++pos;
  if (!ReadNumber(text, pos, 2, m) || pos >= text.size() || text[pos] != sep) return std::nullopt;
  ++pos;
  if (!ReadNumber(text, pos, 2, d)) return std::nullopt;
  if (!IsValidCivil(y, m, d)) return std::nullopt;
  DateTime result{DateSerial(y, m, d), 0};
  if (pos == text.size()) return result;
  if (text[pos] != ' ' && text[pos] != 'T') return std::nullopt;
  ++pos;
  int hh = 0, mm = 0, ss = 0;
  if (!ReadNumber(text, pos, 2, hh) || pos >= text.size() || text[pos] != ':') return std::nullopt;
  ++pos;
  if (!ReadNumber(text, pos, 2, mm)) return std::nullopt;
  if (pos < text.size() && text[pos] == ':') {
    ++pos;
    if (!ReadNumber(text, pos, 2, ss)) return std::nullopt;
  }
  if (pos != text.size() || hh > 24 || mm > 59 || ss > 59 || (hh == 24 && (mm || ss))) {
    return std::nullopt;
  }
  // 24:00 is the end of the day: the start of the next one.
  if (hh == 24) {
    result.day += 1;
  } else {
    result.minute = hh * 60 + mm;
  }
  return result;
}

std::optional<DaySerial> ParseDate(std::string_view text) {
  auto value = ParseDateTime(text);
  if (!value) return std::nullopt;
  return value->day;
}

std::string FormatDate(DaySerial day) {
  const CivilDate c = ToCivil(day);
  if (c.year < 0 || c.year > 9999) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.year, c.month, c.day);
    return buf;
  }
  // Schedules ask for dates by the thousand: digits placed directly.
  char buf[10] = {0, 0, 0, 0, '-', 0, 0, '-', 0, 0};
  PutDigits(buf, c.year, 4);
  PutDigits(buf + 5, c.month, 2);
  PutDigits(buf + 8, c.day, 2);
  return std::string(buf, sizeof buf);
}

std::string FormatDateTime(const DateTime& value) {
  std::string text = FormatDate(value.day);
  if (value.minute < 0 || value.minute >= 100 * 60) {
    char buf[32];
    std::snprintf(buf, sizeof buf, " %02d:%02d", value.minute / 60, value.minute % 60);
    return text + buf;
  }
  char buf[6] = {' ', 0, 0, ':', 0, 0};
  PutDigits(buf + 1, value.minute / 60, 2);
  PutDigits(buf + 4, value.minute % 60, 2);
  return text.append(buf, sizeof buf);
}

}  // namespace taskvane
