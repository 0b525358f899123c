#pragma once

// How Project shows field values as text.

#include <string>

#include "platform/project/schedule_data.h"

namespace taskvane::project {

// `value` with at most `decimals` decimals (halves away from zero), trailing zeros of
// the fraction dropped unless `keep_zeros`, and "," between thousands when `group`.
std::string FormatDecimal(double value, int decimals, bool group, bool keep_zeros);

// A duration in days of `minutes_per_day` minutes: "5일", "0.5일", "1일?" when estimated.
std::string FormatDays(double minutes, int minutes_per_day, bool estimated);

// Work in hours: "40시간", "12.5시간".
std::string FormatHours(double minutes);

// "45%".
std::string FormatPercent(int percent);

// An amount of money with the file's symbol, its position and its decimals: "₩1,500",
// "£1,234.50", "1,500 €"; negative amounts lead with "-".
std::string FormatCost(double amount, const CurrencyFormat& currency);

// A Number custom field: its decimal value in the shortest exact form ("55.56", "0").
std::string FormatNumberField(double value);

}  // namespace taskvane::project
