#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace taskvane {

// Where the progress rectangles go, in points: column D starts at 420.75 and row 5 at
// 59.25 with the sheet's widths and heights (row 1 is 18.75 high, rows 2 and on 13.5).
inline constexpr double kTimelineLeftPoints = 420.75;
inline constexpr double kWeekColumnPoints = 36;
inline constexpr double kDayColumnPoints = 18.75;
inline constexpr double kFirstDataRowTopPoints = 59.25;
inline constexpr double kDataRowPoints = 13.5;
inline constexpr double kRectangleGapPoints = 3.5;
inline constexpr double kRectangleHeightPoints = 7;

// A run of timeline indexes, first <= last, both >= 1.
struct TimelineSpan {
  int first = 1;
  int last = 1;
  friend bool operator==(const TimelineSpan&, const TimelineSpan&) = default;
};

// Cuts a span of timeline indexes to the timeline's left edge: a start below 1 becomes 1; a
// span that ends before index 1, or starts after its end, has nothing on the timeline.
std::optional<TimelineSpan> ClipToTimeline(int first, int last);

struct RectangleGeometry {
  float Left = 0;
  float Top = 0;
  float Width = 0;
  float Height = 0;
};

// The progress rectangle over `span` in `task_row`, covering `fraction` (0..1) of the span
// from its left, on a timeline of columns `column_points` wide.
RectangleGeometry ProgressRectangleGeometry(TimelineSpan span, int task_row, double fraction,
                                            double column_points);

// The baseline that a cmbBaseline entry names: 0 for "초기계획", N for "초기계획N" (1..10);
// nothing for any other text.
std::optional<int> BaselineNumber(std::string_view cmbBaseline_text);

}  // namespace taskvane
