#include "excel_export/gantt_swatches.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "platform/runtime/automation_error.h"
#include "platform/runtime/rounding.h"

namespace taskvane {
namespace {

std::vector<std::string> SplitAtComma(const std::string& text) {
  std::vector<std::string> parts;
  size_t begin = 0;
  while (true) {
    const size_t comma = text.find(',', begin);
    parts.push_back(text.substr(begin, comma - begin));
    if (comma == std::string::npos) break;
    begin = comma + 1;
  }
  return parts;
}

}  // namespace

long WholeNumberOfText(const std::string& text, long min, long max) {
  const size_t first = text.find_first_not_of(' ');
  const size_t last = text.find_last_not_of(' ');
  const std::string trimmed =
      first == std::string::npos ? "" : text.substr(first, last - first + 1);
  const bool plain =
      !trimmed.empty() && trimmed.find_first_not_of("0123456789+-.eE") == std::string::npos;
  char* end = nullptr;
  const double value = plain ? std::strtod(trimmed.c_str(), &end) : 0;
  if (!plain || end != trimmed.c_str() + trimmed.size() || !std::isfinite(value)) {
    throw AutomationError(kErrTypeMismatch, "형식이 일치하지 않습니다.");
  }
  const double rounded = RoundHalfEven(value);
  if (rounded < static_cast<double>(min) || rounded > static_cast<double>(max)) {
    throw AutomationError(kErrOverflow, "오버플로");
  }
  return static_cast<long>(rounded);
}

GanttSwatches::GanttSwatches(const std::array<std::string, 4>& tags) {
  for (size_t i = 0; i < tags.size(); ++i) fields_[i] = SplitAtComma(tags[i]);
}

const std::string& GanttSwatches::Value(int slot) const {
  const auto& fields = fields_.at(static_cast<size_t>(slot - 1));
  if (fields.size() < 2) throw AutomationError(kErrSubscript, "첨자 사용이 잘못되었습니다.");
  return fields[1];
}

int GanttSwatches::CellPattern() const {
  return static_cast<int>(WholeNumberOfText(Value(1), std::numeric_limits<std::int16_t>::min(),
                                            std::numeric_limits<std::int16_t>::max()));
}

long GanttSwatches::CellColorIndex() const {
  return WholeNumberOfText(Value(2), std::numeric_limits<std::int32_t>::min(),
                           std::numeric_limits<std::int32_t>::max());
}

long GanttSwatches::CompleteSchemeColor() const {
  return WholeNumberOfText(Value(3), std::numeric_limits<std::int32_t>::min(),
                           std::numeric_limits<std::int32_t>::max());
}

long GanttSwatches::InProgressSchemeColor() const {
  return WholeNumberOfText(Value(4), std::numeric_limits<std::int32_t>::min(),
                           std::numeric_limits<std::int32_t>::max());
}

}  // namespace taskvane
