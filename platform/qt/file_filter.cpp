#include "platform/qt/file_filter.h"

#include <string_view>

namespace taskvane::qt {

namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::string Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// "*.xlsx" gives "xlsx"; "*.*", "*" and names with wildcards in the extension give "".
std::string PlainExtension(const std::string& pattern) {
  const size_t dot = pattern.rfind('.');
  if (dot == std::string::npos) return {};
  std::string extension = pattern.substr(dot + 1);
  if (extension.empty() || extension.find_first_of("*?[]") != std::string::npos) return {};
  return extension;
}

}  // namespace

std::vector<NameFilter> ConvertFilter(const std::string& filter) {
  std::vector<NameFilter> result;
  if (Trim(filter).empty()) return result;
  const std::vector<std::string> fields = Split(filter, '|');
  for (size_t i = 0; i < fields.size(); i += 2) {
    std::string description = Trim(fields[i]);
    const std::string pattern_text = i + 1 < fields.size() ? fields[i + 1] : "*";
    std::vector<std::string> patterns;
    for (const std::string& pattern : Split(pattern_text, ';')) {
      std::string trimmed = Trim(pattern);
      if (!trimmed.empty()) patterns.push_back(std::move(trimmed));
    }
    if (patterns.empty()) patterns.push_back("*");
    // Qt reads the patterns from the last parentheses of the text: drop a list the
    // description already shows and write the real one, separated by spaces.
    if (!description.empty() && description.back() == ')') {
      const size_t open = description.rfind('(');
      if (open != std::string::npos) description = Trim(description.substr(0, open));
    }
    std::string joined;
    for (const std::string& pattern : patterns) joined += (joined.empty() ? "" : " ") + pattern;
    NameFilter entry;
    entry.qt_filter = (description.empty() ? "" : description + " ") + "(" + joined + ")";
    entry.default_suffix = PlainExtension(patterns.front());
    result.push_back(std::move(entry));
  }
  return result;
}

}  // namespace taskvane::qt
