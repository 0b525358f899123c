#include "excel_export/gantt_swatches.h"

#include <gtest/gtest.h>

#include "platform/runtime/automation_error.h"

namespace taskvane {
namespace {

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
