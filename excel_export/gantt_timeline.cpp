#include "excel_export/gantt_timeline.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <stdexcept>

#include "platform/runtime/automation_error.h"

namespace taskvane {
namespace {

constexpr int kSunday = 1;
constexpr int kMonday = 2;

struct YearWeek {
  int year = 0;
  int week = 0;
};

// Splits "yyyy.w" at the dot; a malformed key gives an impossible pair that matches nothing.
YearWeek SplitWeekKey(std::string_view key) {
  YearWeek result{-1, -1};
  const size_t dot = key.find('.');
  if (dot == std::string_view::npos) return result;
  const char* first = key.data();
  std::from_chars(first, first + dot, result.year);
  std::from_chars(first + dot + 1, first + key.size(), result.week);
  return result;
}

}  // namespace

DaySerial DateOfText(std::string_view date_text) {
  const auto day = ParseDate(date_text);
  if (!day) throw AutomationError(kErrTypeMismatch, "형식이 일치하지 않습니다.");
  return *day;
}

std::string WeekKey(DaySerial day) {
  const CivilDate civil = ToCivil(day);
  char year[8];
  std::snprintf(year, sizeof year, "%04d", civil.year);
  return std::string(year) + "." + std::to_string(WeekOfYear(day));
}

std::vector<DaySerial> WeekColumnStarts(DaySerial project_start, int day_count) {
  std::vector<DaySerial> starts;
  for (int i = 1; i <= day_count; ++i) {
    const DaySerial d = project_start + i - 1;
    const int weekday = Weekday(d);
    if ((i == 1 && weekday != kSunday) || (i > 1 && weekday == kMonday)) starts.push_back(d);
  }
  return starts;
}

WeekColumnLookup::WeekColumnLookup(const std::vector<std::string>& WeekKeys, int WeekCount)
    : week_count_(std::max(WeekCount, 0)) {
  if (WeekKeys.size() < static_cast<size_t>(week_count_)) {
    throw std::logic_error("WeekColumnLookup: fewer week keys than week columns");
  }
  // The keys of each year, in column order.
  std::map<int, std::vector<std::pair<int, int>>> keys_by_year;  // year -> (week, column)
  for (int i = 1; i <= week_count_; ++i) {
    const YearWeek key = SplitWeekKey(WeekKeys[static_cast<size_t>(i - 1)]);
    keys_by_year[key.year].emplace_back(key.week, i);
  }
  for (const auto& [year, keys] : keys_by_year) {
    auto& answers = years_.emplace_back(year, std::array<std::int32_t, kWeeksInTable>{}).second;
    for (int week = 0; week < kWeeksInTable; ++week) {
      answers[static_cast<size_t>(week)] = week_count_;
      for (const auto& [key_week, column] : keys) {
        if (week <= key_week) {
          answers[static_cast<size_t>(week)] = week < key_week ? column - 1 : column;
          break;
        }
      }
    }
  }
}

int WeekColumnLookup::Index(std::string_view date_text, std::string_view NotAvailableText) const {
  if (week_count_ == 0) return 0;
  if (date_text == NotAvailableText) return 0;
  const DaySerial day = DateOfText(date_text);
  const int year = ToCivil(day).year;
  const int week = WeekOfYear(day);
  const auto it = std::lower_bound(years_.begin(), years_.end(), year,
                                   [](const auto& entry, int y) { return entry.first < y; });
  if (it == years_.end() || it->first != year || week < 0 || week >= kWeeksInTable) {
    return week_count_;
  }
  return it->second[static_cast<size_t>(week)];
}

int WeekColumnIndex(std::string_view date_text, const std::vector<std::string>& WeekKeys,
                    int WeekCount, std::string_view NotAvailableText) {
  return WeekColumnLookup(WeekKeys, WeekCount).Index(date_text, NotAvailableText);
}

DaySheetBounds DaySheetBoundsFor(DaySerial project_start, DaySerial project_finish) {
  DaySheetBounds bounds;
  // Weekday 1 (Sunday) moves the start by 0, Saturday (7) by -6; the finish goes the
  // other way to the Saturday on or after it.
  bounds.SheetStartDate = project_start - (Weekday(project_start) - 1);
  bounds.SheetEndDate = project_finish + (7 - Weekday(project_finish));
  bounds.DayCount = static_cast<int>(bounds.SheetEndDate - bounds.SheetStartDate) + 1;
  return bounds;
}

int DayIndex(std::string_view date_text, DaySerial SheetStartDate) {
  return static_cast<int>(DateOfText(date_text) - SheetStartDate) + 1;
}

std::string KoreanWeekdayLetter(std::string_view english_weekday) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kLetters{{
      {"Sunday", "일"},
      {"Monday", "월"},
      {"Tuesday", "화"},
      {"Wednesday", "수"},
      {"Thursday", "목"},
      {"Friday", "금"},
      {"Saturday", "토"},
  }};
  for (const auto& [name, letter] : kLetters) {
    if (name == english_weekday) return std::string(letter);
  }
  return "";
}

GanttColumnWidths WeekSheetColumnWidths(std::string_view ExcelVersion) {
  if (ExcelVersion == "12.0") return {5.38, 11.5, 22.75, 34};
  return {4.5, 10, 20, 30};
}

GanttColumnWidths DaySheetColumnWidths(std::string_view ExcelVersion) {
  // 2.5 characters render 25 px = 18.75 pt with the workbook's font: exactly the day
  // column of the progress rectangles, so bars stay on their days across a long sheet.
  if (ExcelVersion == "12.0") return {2.5, 11.5, 22.75, 34};
  return {2, 10, 20, 30};
}

}  // namespace taskvane
