#pragma once

#include <string>
#include <vector>

namespace taskvane::qt {

// One entry of a file dialog's filter, as the Qt file dialog takes it.
struct NameFilter {
  std::string qt_filter;       // "엑셀 파일 (*.xlsx)"
  std::string default_suffix;  // "xlsx"; empty when the first pattern has no plain extension
};

// Converts the toolkit's filter text "description|pattern[|description|pattern...]" (patterns
// separated by ";") into Qt name filters. A pattern list already written in parentheses at
// the end of the description is replaced by the real patterns, so the dialog matches what
// the filter says.
std::vector<NameFilter> ConvertFilter(const std::string& filter);

}  // namespace taskvane::qt
