#include "platform/project/mspdi_values.h"

#include <charconv>
#include <cmath>

namespace taskvane::project {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads an unsigned decimal number with an optional fraction at `pos`.
bool ReadAmount(std::string_view text, size_t& pos, double& out) {
  const size_t begin = pos;
  while (pos < text.size() && ((text[pos] >= '0' && text[pos] <= '9') || text[pos] == '.')) {
    ++pos;
  }
  if (pos == begin) return false;
  const char* first = text.data() + begin;
  const char* last = text.data() + pos;
  auto [end, ec] = std::from_chars(first, last, out, std::chars_format::fixed);
  return ec == std::errc() && end == last && std::isfinite(out);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<DateTime> ReadDateTime(std::string_view text) {
  text = TrimBlanks(text);
  // The runtime reader also accepts "/" and "." and a space before the time; a schedule
  // writes only the ISO form, and anything else is a damaged value.
  if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  if (text.size() > 10 && text[10] != 'T') return std::nullopt;
  return ParseDateTime(text);
}

std::optional<int> ReadTimeOfDay(std::string_view text) {
  text = TrimBlanks(text);
  auto value = ParseDateTime(std::string("2000-01-01T").append(text));
  if (!value) return std::nullopt;
  // "24:00" comes back as the next day at 00:00: the end of this day.
  return value->day == DateSerial(2000, 1, 1) ? value->minute : 1440;
}

std::optional<double> ReadDuration(std::string_view text) {
  text = TrimBlanks(text);
  size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && text[pos] == '-') {
    negative = true;
    ++pos;
  }
  if (pos >= text.size() || text[pos] != 'P') return std::nullopt;
  ++pos;
  double minutes = 0;
  bool in_time = false;
  bool any = false;
  while (pos < text.size()) {
    if (text[pos] == 'T') {
      if (in_time) return std::nullopt;
      in_time = true;
      ++pos;
      continue;
    }
    double amount = 0;
    if (!ReadAmount(text, pos, amount) || pos >= text.size()) return std::nullopt;
    const char unit = text[pos++];
    double factor = 0;
    if (!in_time) {
      if (unit == 'Y')
        factor = 365.0 * 1440;
      else if (unit == 'M')
        factor = 30.0 * 1440;
      else if (unit == 'D')
        factor = 1440;
    } else {
      if (unit == 'H')
        factor = 60;
      else if (unit == 'M')
        factor = 1;
      else if (unit == 'S')
        factor = 1.0 / 60;
    }
    if (factor == 0) return std::nullopt;
    minutes += amount * factor;
    if (!(minutes <= 1e12)) return std::nullopt;
    any = true;
  }
  if (!any) return std::nullopt;
  return negative ? -minutes : minutes;
}

std::optional<long long> ReadInteger(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::optional<double> ReadNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<bool> ReadFlag(std::string_view text) {
  text = TrimBlanks(text);
  if (text == "1" || text == "true") return true;
  if (text == "0" || text == "false") return false;
  return std::nullopt;
}

}  // namespace taskvane::project
