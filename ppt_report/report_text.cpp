#include "ppt_report/report_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/runtime/date.h"

namespace taskvane {

namespace {

// Spaces only, as the runtime's Trim.
std::string TrimSpaces(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// A date text as "yyyy-mm-dd"; a text that is no date stays as it is.
std::string AsDateText(const std::string& text) {
  const std::optional<DaySerial> day = ParseDate(text);
  return day ? FormatDate(*day) : text;
}

std::string TextBefore(const std::string& text, std::string_view mark) {
  const auto at = text.find(mark);
  return at == std::string::npos ? text : TrimSpaces(text.substr(0, at));
}

}  // namespace

std::string FormatTaskDate(const std::string& text, const std::string& NotAvailableText) {
  if (text == NotAvailableText) return text;
  const auto parenthesis = text.find('(');
  if (parenthesis != std::string::npos) {
    return AsDateText(TrimSpaces(text.substr(0, parenthesis)));
  }
  if (text.starts_with("20")) return AsDateText(text);
  return "";
}

std::string StripDayUnit(const std::string& text) {
  return TextBefore(TextBefore(text, "일"), "day");
}

std::string TextAfterNthDot(const std::string& text, int n) {
  // Positions are 1-based; 0 means "no dot found".
  std::size_t p = 0;
  for (int i = 0; i < n; ++i) {
    const auto dot = text.find('.', p);
    p = dot == std::string::npos ? 0 : dot + 1;
  }
  if (p == text.size()) return "";
  return text.substr(p);
}

std::string NumberText(double value) {
  if (!std::isfinite(value)) return "0";
  if (value == 0) return "0";  // also -0
  char buffer[400];
  // Fifteen significant digits, as the runtime shows a number; never an exponent.
  auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (result.ec == std::errc() && std::find(buffer, result.ptr, 'e') == result.ptr) {
    return std::string(buffer, result.ptr);
  }
  result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return result.ec == std::errc() ? std::string(buffer, result.ptr) : "0";
}

double NumberValue(const std::string& text) {
  const std::string trimmed = TrimSpaces(text);
  double value = 0;
  const char* first = trimmed.data();
  const char* last = first + trimmed.size();
  if (first != last && *first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (trimmed.empty() || ec != std::errc() || end != last || !std::isfinite(value)) return 0;
  return value;
}

}  // namespace taskvane
