#include "excel_export/gantt_geometry.h"

#include <algorithm>

namespace taskvane {

std::optional<TimelineSpan> ClipToTimeline(int first, int last) {
  if (last < 1 || first > last) return std::nullopt;
  return TimelineSpan{std::max(first, 1), last};
}

RectangleGeometry ProgressRectangleGeometry(TimelineSpan span, int task_row, double fraction,
                                            double column_points) {
  const double left = kTimelineLeftPoints + (span.first - 1) * column_points;
  const double top = kFirstDataRowTopPoints + (task_row - 5) * kDataRowPoints + kRectangleGapPoints;
  const double width = (span.last - span.first + 1) * column_points * fraction;
  return RectangleGeometry{static_cast<float>(left), static_cast<float>(top),
                           static_cast<float>(width), static_cast<float>(kRectangleHeightPoints)};
}

std::optional<int> BaselineNumber(std::string_view cmbBaseline_text) {
  static constexpr std::string_view kPrefix = "초기계획";
  if (!cmbBaseline_text.starts_with(kPrefix)) return std::nullopt;
  const std::string_view rest = cmbBaseline_text.substr(kPrefix.size());
  if (rest.empty()) return 0;
  static constexpr std::string_view kNumbers[] = {"1", "2", "3", "4", "5",
                                                  "6", "7", "8", "9", "10"};
  for (int n = 1; n <= 10; ++n) {
    if (rest == kNumbers[n - 1]) return n;
  }
  return std::nullopt;
}

}  // namespace taskvane
