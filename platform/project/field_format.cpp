#include "platform/project/field_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace taskvane::project {

std::string FormatDecimal(double value, int decimals, bool group, bool keep_zeros) {
  decimals = std::clamp(decimals, 0, 6);
  if (!std::isfinite(value)) value = 0;
  const double scale = std::pow(10.0, decimals);
  // Beyond 1e15 the digits are not exact anyway; keep the scaled value in range.
  const double magnitude = std::min(std::round(std::fabs(value) * scale), 9e18);
  auto scaled = static_cast<unsigned long long>(magnitude);
  const auto unit = static_cast<unsigned long long>(scale);
  const std::string digits = std::to_string(scaled / unit);
  std::string whole;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (group && i > 0 && (digits.size() - i) % 3 == 0) whole += ',';
    whole += digits[i];
  }
  std::string fraction;
  if (decimals > 0) {
    fraction = std::to_string(scaled % unit);
    fraction.insert(0, decimals - fraction.size(), '0');
    if (!keep_zeros) {
      while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    }
  }
  std::string text = (value < 0 && scaled != 0) ? "-" : "";
  text += whole;
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

std::string FormatDays(double minutes, int minutes_per_day, bool estimated) {
  if (minutes_per_day <= 0) minutes_per_day = 480;
  std::string text = FormatDecimal(minutes / minutes_per_day, 2, false, false) + "일";
  if (estimated) text += "?";
  return text;
}

std::string FormatHours(double minutes) {
  return FormatDecimal(minutes / 60, 2, false, false) + "시간";
}

std::string FormatPercent(int percent) {
  return std::to_string(percent) + "%";
}

std::string FormatCost(double amount, const CurrencyFormat& currency) {
  std::string digits = FormatDecimal(std::fabs(amount), currency.digits, true, true);
  const bool negative = amount < 0 && digits.find_first_not_of("0.,") != std::string::npos;
  std::string text;
  switch (currency.position) {
    case 1:
      text = digits + currency.symbol;
      break;
    case 2:
      text = currency.symbol + " " + digits;
      break;
    case 3:
      text = digits + " " + currency.symbol;
      break;
    default:
      text = currency.symbol + digits;
      break;
  }
  return negative ? "-" + text : text;
}

std::string FormatNumberField(double value) {
  if (!std::isfinite(value)) return "0";
  if (value == 0) return "0";
  // Independent of the process locale: the decimal mark is always ".".
  char buffer[40];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

}  // namespace taskvane::project
