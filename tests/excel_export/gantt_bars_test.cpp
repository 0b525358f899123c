#include "excel_export/gantt_geometry.h"
#include "excel_export/gantt_swatches.h"

#include <gtest/gtest.h>

#include "platform/runtime/automation_error.h"

namespace taskvane {
namespace {

TEST(GanttRectangleGeometry, WeekAndDayExamples) {
  const RectangleGeometry week =
      ProgressRectangleGeometry(TimelineSpan{3, 5}, 7, 1.0, kWeekColumnPoints);
  EXPECT_FLOAT_EQ(week.Left, 492.75f);
  EXPECT_FLOAT_EQ(week.Top, 89.75f);
  EXPECT_FLOAT_EQ(week.Width, 108.0f);
  EXPECT_FLOAT_EQ(week.Height, 7.0f);
  const RectangleGeometry day =
      ProgressRectangleGeometry(TimelineSpan{4, 9}, 6, 50 * 0.01, kDayColumnPoints);
  EXPECT_FLOAT_EQ(day.Left, 477.0f);
  EXPECT_FLOAT_EQ(day.Top, 76.25f);
  EXPECT_FLOAT_EQ(day.Width, 56.25f);
  const RectangleGeometry partial =
      ProgressRectangleGeometry(TimelineSpan{1, 1}, 5, 40 * 0.01, kWeekColumnPoints);
  EXPECT_FLOAT_EQ(partial.Left, 420.75f);
  EXPECT_FLOAT_EQ(partial.Top, 62.75f);
  EXPECT_FLOAT_EQ(partial.Width, 14.4f);
}

TEST(GanttTimelineSpan, SpansLeavingTheTimelineOnTheLeft) {
  EXPECT_EQ(ClipToTimeline(3, 5), (TimelineSpan{3, 5}));
  EXPECT_EQ(ClipToTimeline(0, 2), (TimelineSpan{1, 2}));
  EXPECT_EQ(ClipToTimeline(-4, 1), (TimelineSpan{1, 1}));
  EXPECT_EQ(ClipToTimeline(-4, 0), std::nullopt);
  EXPECT_EQ(ClipToTimeline(0, 0), std::nullopt);
  EXPECT_EQ(ClipToTimeline(6, 5), std::nullopt);
}

TEST(GanttBaselineChoice, ElevenEntries) {
  EXPECT_EQ(BaselineNumber("초기계획"), 0);
  EXPECT_EQ(BaselineNumber("초기계획1"), 1);
  EXPECT_EQ(BaselineNumber("초기계획10"), 10);
  EXPECT_EQ(BaselineNumber("초기계획11"), std::nullopt);
  EXPECT_EQ(BaselineNumber("초기계획 1"), std::nullopt);
  EXPECT_EQ(BaselineNumber(""), std::nullopt);
}

TEST(GanttSwatchValues, SecondFieldsAndTheirFailures) {
  const GanttSwatches defaults({"16,14", "40,2", "14,12", "25,14"});
  EXPECT_EQ(defaults.CellPattern(), 14);
  EXPECT_EQ(defaults.CellColorIndex(), 2);
  EXPECT_EQ(defaults.CompleteSchemeColor(), 12);
  EXPECT_EQ(defaults.InProgressSchemeColor(), 14);
  EXPECT_EQ(GanttSwatches({"10,-4162", "", "", ""}).CellPattern(), -4162);

  auto number_of = [](const GanttSwatches& s) {
    try {
      s.CellPattern();
    } catch (const AutomationError& e) {
      return e.Number;
    }
    return 0L;
  };
  EXPECT_EQ(number_of(GanttSwatches({"16", "", "", ""})), kErrSubscript);
  EXPECT_EQ(number_of(GanttSwatches({"16,xlLightUp", "", "", ""})), kErrTypeMismatch);
  EXPECT_EQ(number_of(GanttSwatches({"16,", "", "", ""})), kErrTypeMismatch);
  EXPECT_EQ(number_of(GanttSwatches({"16,40000", "", "", ""})), kErrOverflow);
  // Slots that are not used fail nothing.
  const GanttSwatches broken_rectangles({"16,14", "40,2", "x", "y"});
  EXPECT_EQ(broken_rectangles.CellColorIndex(), 2);
  EXPECT_THROW(broken_rectangles.CompleteSchemeColor(), AutomationError);
}

}  // namespace
}  // namespace taskvane
