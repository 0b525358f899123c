#pragma once

// Reading the value texts of Project XML: date-times, times of day, durations, numbers
// and flags. Each reader gives nothing for a text it cannot read or a value out of the
// range this system handles, so that one bad value never fails a whole schedule.

#include <optional>
#include <string_view>

#include "platform/runtime/date.h"

namespace taskvane::project {

// "yyyy-mm-ddTHH:MM:SS" (seconds optional); years 100..9999.
std::optional<DateTime> ReadDateTime(std::string_view text);

// "HH:MM:SS" or "HH:MM" as minutes from 00:00; "24:00:00" gives 1440.
std::optional<int> ReadTimeOfDay(std::string_view text);

// An xsd:duration ("PT40H0M0S", "-P1DT2H", "PT0H0M45.01S") as minutes. Days count 24
// hours, months 30 days and years 365 days. Nothing beyond +-1e12 minutes.
std::optional<double> ReadDuration(std::string_view text);

// A whole number in the range of long long.
std::optional<long long> ReadInteger(std::string_view text);

// A finite decimal number ("55.56", "-3", "1e3").
std::optional<double> ReadNumber(std::string_view text);

// "1"/"0"/"true"/"false".
std::optional<bool> ReadFlag(std::string_view text);

// The text without leading and trailing blanks (space, tab, CR, LF).
std::string_view TrimBlanks(std::string_view text);

}  // namespace taskvane::project
