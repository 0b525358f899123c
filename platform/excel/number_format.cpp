#include "platform/excel/number_format.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "platform/ooxml/xml_writer.h"
#include "platform/runtime/date.h"

namespace taskvane::excel {

namespace {

std::string FirstSection(const std::string& code) {
  bool quoted = false;
  for (std::size_t i = 0; i < code.size(); ++i) {
    if (code[i] == '"') quoted = !quoted;
    if (code[i] == '\\') ++i;
    if (!quoted && code[i] == ';') return code.substr(0, i);
  }
  return code;
}

std::string General(double number) {
  std::string text = ooxml::FormatDouble(number);
  if (text.size() > 11) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.5E", number);
    text = buf;
  }
  return text;
}

std::string Grouped(double number, int decimals, bool group) {
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, number);
  const std::string text = buf;
  if (!group) return text;
  const auto dot = text.find('.');
  const std::size_t end = dot == std::string::npos ? text.size() : dot;
  const std::size_t start = text[0] == '-' ? 1 : 0;
  std::string out = text.substr(0, start);
  for (std::size_t i = start; i < end; ++i) {
    if (i > start && (end - i) % 3 == 0) out += ',';
    out += text[i];
  }
  out += text.substr(end);
  return out;
}

std::string Date(double serial, const std::string& section) {
  const CivilDate d = ToCivil(static_cast<DaySerial>(std::floor(serial)));
  std::string out;
  for (std::size_t i = 0; i < section.size();) {
    const char c = section[i];
    if (c == '"') {
      const auto close = section.find('"', i + 1);
      out += section.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
      i = close == std::string::npos ? section.size() : close + 1;
      continue;
    }
    if (c == '\\' && i + 1 < section.size()) {
      out += section[i + 1];
      i += 2;
      continue;
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == 'y' || lower == 'm' || lower == 'd') {
      std::size_t n = 1;
      while (i + n < section.size() &&
             std::tolower(static_cast<unsigned char>(section[i + n])) == lower) {
        ++n;
      }
      char buf[16];
      const int value = lower == 'y' ? d.year : lower == 'm' ? d.month : d.day;
      if (lower == 'y') {
        std::snprintf(buf, sizeof buf, n <= 2 ? "%02d" : "%04d", n <= 2 ? value % 100 : value);
      } else {
        std::snprintf(buf, sizeof buf, n >= 2 ? "%02d" : "%d", value);
      }
      out += buf;
      i += n;
      continue;
    }
    if (c != '@' && c != '[' && c != ']') out += c;
    ++i;
  }
  return out;
}

}  // namespace

bool IsDateFormat(const std::string& code) {
  const std::string section = FirstSection(code);
  bool quoted = false;
  for (std::size_t i = 0; i < section.size(); ++i) {
    const char c = section[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\\') {
      ++i;
      continue;
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == 'y' || lower == 'm' || lower == 'd') return true;
  }
  return false;
}

std::string DisplayText(const CellValue& value, const std::string& code) {
  switch (value.kind()) {
    case CellValue::Kind::Empty:
      return "";
    case CellValue::Kind::Text:
      return value.text();
    case CellValue::Kind::Number:
    case CellValue::Kind::Date:
      break;
  }
  const double number = value.number();
  if (code == "General" || code == "@") {
    return value.IsDate() ? FormatDate(static_cast<DaySerial>(number)) : General(number);
  }
  const std::string section = FirstSection(code);
  if (IsDateFormat(code)) return Date(number, section);
  const bool percent = section.find('%') != std::string::npos;
  const bool group = section.find(',') != std::string::npos;
  const auto dot = section.find('.');
  int decimals = 0;
  if (dot != std::string::npos) {
    while (dot + 1 + decimals < section.size() && section[dot + 1 + decimals] == '0') ++decimals;
  }
  return Grouped(percent ? number * 100 : number, decimals, group) + (percent ? "%" : "");
}

}  // namespace taskvane::excel
