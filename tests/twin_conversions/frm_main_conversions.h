#pragma once

// The five conversions of a schedule, each run the way a user runs it: a fresh main window
// over recording services and the real exporters, the options set through its controls and
// handlers, then the convert command.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace taskvane::testing {

enum class Conversion { kColumnList, kIndentedList, kWeekGantt, kDayGantt, kWeeklyReport };

inline constexpr std::array<Conversion, 5> kAllConversions = {
    Conversion::kColumnList, Conversion::kIndentedList, Conversion::kWeekGantt,
    Conversion::kDayGantt, Conversion::kWeeklyReport};

std::string_view ConversionName(Conversion conversion);   // "column-list", ...
std::string_view OutputExtension(Conversion conversion);  // ".xlsx" or ".pptx"

// The weekly report's two periods, "yyyy-mm-dd": txtDate(1)..txtDate(4).
struct ReportPeriods {
  std::array<std::string, 4> dates;
};

struct ConversionRun {
  std::vector<std::string> messages;  // every message box, "Taskvane | OK | <text>"
  bool saved = false;                 // the output file exists afterwards
};

// Converts `schedule` to `output` (which must not exist yet). The outline lists get every
// field of the catalogue as extra columns, chosen category by category in the field
// chooser; the Gantt sheets show plan and actual against the initial plan from level 1; the
// report starts at level 1 with the current figures.
ConversionRun RunConversion(Conversion conversion, const std::string& schedule,
                            const std::string& output, const ReportPeriods& periods);

}  // namespace taskvane::testing
