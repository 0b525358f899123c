#include "platform/excel/value_rule.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "platform/ooxml/xml_writer.h"
#include "platform/runtime/date.h"

namespace taskvane::excel {

namespace {

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::optional<double> ParseDecimal(std::string_view s) {
  double value = 0;
  auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// "42", "0.5", "3.25": the General format shows it back unchanged (no leading zeros, no
// trailing fraction zeros, at most 11 characters, exact to 15 digits).
std::optional<double> PlainNumber(std::string_view s) {
  if (s.size() > 11) return std::nullopt;
  const auto dot = s.find('.');
  const std::string_view whole = s.substr(0, dot);
  if (!AllDigits(whole)) return std::nullopt;
  if (whole.size() > 1 && whole[0] == '0') return std::nullopt;
  if (dot != std::string_view::npos) {
    const std::string_view fraction = s.substr(dot + 1);
    if (!AllDigits(fraction) || fraction.back() == '0') return std::nullopt;
  }
  auto value = ParseDecimal(s);
  if (!value || ooxml::FormatDouble(*value) != s) return std::nullopt;
  return value;
}

// "1,234", "12,345,678.50": groups of three, shown back unchanged by #,##0(.00).
std::optional<double> GroupedNumber(std::string_view s, bool& two_decimals) {
  const auto dot = s.find('.');
  std::string_view whole = s.substr(0, dot);
  two_decimals = dot != std::string_view::npos;
  if (two_decimals) {
    const std::string_view fraction = s.substr(dot + 1);
    if (fraction.size() != 2 || !AllDigits(fraction)) return std::nullopt;
  }
  const auto first_comma = whole.find(',');
  if (first_comma == std::string_view::npos || first_comma == 0 || first_comma > 3) {
    return std::nullopt;
  }
  if (whole[0] == '0') return std::nullopt;
  std::string digits(whole.substr(0, first_comma));
  if (!AllDigits(digits)) return std::nullopt;
  for (std::size_t i = first_comma; i < whole.size(); i += 4) {
    if (whole[i] != ',' || i + 4 > whole.size()) return std::nullopt;
    const std::string_view group = whole.substr(i + 1, 3);
    if (!AllDigits(group)) return std::nullopt;
    digits += group;
  }
  if (digits.size() > 15) return std::nullopt;
  if (two_decimals) digits += s.substr(dot);
  return ParseDecimal(digits);
}

// "50%", "12.50%".
std::optional<double> Percent(std::string_view s, bool& two_decimals) {
  if (s.size() < 2 || s.back() != '%') return std::nullopt;
  const std::string_view number = s.substr(0, s.size() - 1);
  const auto dot = number.find('.');
  const std::string_view whole = number.substr(0, dot);
  if (!AllDigits(whole) || whole.size() > 13 || (whole.size() > 1 && whole[0] == '0')) {
    return std::nullopt;
  }
  two_decimals = dot != std::string_view::npos;
  if (two_decimals) {
    const std::string_view fraction = number.substr(dot + 1);
    if (fraction.size() != 2 || !AllDigits(fraction)) return std::nullopt;
  }
  auto value = ParseDecimal(number);
  if (!value) return std::nullopt;
  return *value / 100;
}

// "2024-01-05": exactly four, two and two digits, a real day from 1900-03-01 on (earlier
// serials count a day that never was).
std::optional<DaySerial> IsoDate(std::string_view s) {
  if (s.size() != 10 || s[4] != '-' || s[7] != '-') return std::nullopt;
  if (!AllDigits(s.substr(0, 4)) || !AllDigits(s.substr(5, 2)) || !AllDigits(s.substr(8, 2))) {
    return std::nullopt;
  }
  const int year = std::stoi(std::string(s.substr(0, 4)));
  const int month = std::stoi(std::string(s.substr(5, 2)));
  const int day = std::stoi(std::string(s.substr(8, 2)));
  if (!IsValidCivil(year, month, day)) return std::nullopt;
  const DaySerial serial = DateSerial(year, month, day);
  if (serial < DateSerial(1900, 3, 1)) return std::nullopt;
  return serial;
}

}  // namespace

ConvertedText ConvertText(std::string_view text, bool cell_is_text_format) {
  ConvertedText result{CellValue::Text(std::string(text)), ""};
  if (text.empty()) {
    result.value = CellValue();
    return result;
  }
  if (cell_is_text_format) return result;
  const char first = text.front();
  if (first == '=' || first == '+' || first == '-' || first == '@') return result;

  if (auto date = IsoDate(text)) return {CellValue::Date(static_cast<double>(*date)), "yyyy-mm-dd"};
  if (auto number = PlainNumber(text)) return {CellValue::Number(*number), ""};
  bool two_decimals = false;
  if (auto number = GroupedNumber(text, two_decimals)) {
    return {CellValue::Number(*number), two_decimals ? "#,##0.00" : "#,##0"};
  }
  if (auto number = Percent(text, two_decimals)) {
    return {CellValue::Number(*number), two_decimals ? "0.00%" : "0%"};
  }
  return result;
}

}  // namespace taskvane::excel
