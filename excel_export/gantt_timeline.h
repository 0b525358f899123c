#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/runtime/date.h"

namespace taskvane {

// Sheet layout shared by the two Gantt sheets.
inline constexpr int StageColumn = 1;    // column A, level S
inline constexpr int TaskColumn = 2;     // column B, level S + 1
inline constexpr int ProcessColumn = 3;  // column C, level S + 2 and deeper
inline constexpr int kGanttFirstDataRow = 5;
// Timeline index k lives in sheet column k + 3, so index 1 is column D.
inline constexpr int kTimelineColumnOffset = 3;

// "yyyy.w": the day's four-digit year, a dot and its week of the year (weeks from Sunday,
// week 1 holds 1 January), unpadded.
std::string WeekKey(DaySerial day);

// First days of the week columns of a timeline that starts on `project_start` and covers
// `day_count` days: the first day unless it is a Sunday, then every Monday.
std::vector<DaySerial> WeekColumnStarts(DaySerial project_start, int day_count);

// The week column index of a date text as the schedule returns it ("yyyy-mm-dd[ HH:MM]"),
// from 0 to WeekCount; the sheet column is the index + 3. `NotAvailableText` gives 0. A text
// that is no date raises a type mismatch (13) once there is a column to compare with.
//
// The rule walks the keys in column order: the first key of the date's year whose week is
// the date's week gives its column, one whose week is later gives the column before it, and
// a date no key answers gets WeekCount. The lookup works that walk out once for every week
// of every year the keys name, so each date is then answered in constant time.
class WeekColumnLookup {
 public:
  WeekColumnLookup() = default;
  // `WeekKeys` holds at least WeekCount keys.
  WeekColumnLookup(const std::vector<std::string>& WeekKeys, int WeekCount);

  int Index(std::string_view date_text, std::string_view NotAvailableText) const;

 private:
  static constexpr int kWeeksInTable = 56;  // week numbers run from 1 to at most 54
  int week_count_ = 0;
  // The answer for each week number, by year, sorted by year.
  std::vector<std::pair<int, std::array<std::int32_t, kWeeksInTable>>> years_;
};

// The same rule answered once (a lookup built for one date).
int WeekColumnIndex(std::string_view date_text, const std::vector<std::string>& WeekKeys,
                    int WeekCount, std::string_view NotAvailableText);

// The day sheet runs from the Sunday on or before the project start to the Saturday on or
// after the project finish.
struct DaySheetBounds {
  DaySerial SheetStartDate = 0;
  DaySerial SheetEndDate = 0;
  int DayCount = 0;
};
DaySheetBounds DaySheetBoundsFor(DaySerial project_start, DaySerial project_finish);

// Day index of a date text on the day sheet: days from SheetStartDate, plus 1 (may be 0 or
// less, or beyond DayCount). A text that is no date raises a type mismatch (13).
int DayIndex(std::string_view date_text, DaySerial SheetStartDate);

// "Sunday" -> "일" ... "Saturday" -> "토"; any other text gives "".
std::string KoreanWeekdayLetter(std::string_view english_weekday);

// Column widths in characters, by the version of the running workbook application.
struct GanttColumnWidths {
  double all_columns;
  double stage;    // A
  double task;     // B
  double process;  // C
};
GanttColumnWidths WeekSheetColumnWidths(std::string_view ExcelVersion);
GanttColumnWidths DaySheetColumnWidths(std::string_view ExcelVersion);

// The oldest workbook generation cannot hold a day sheet longer than this.
inline constexpr int kMaxDaysForExcel2003 = 210;

// Reads a date text as the schedule returns it; raises a type mismatch (13) otherwise.
DaySerial DateOfText(std::string_view date_text);

}  // namespace taskvane
