#include <gtest/gtest.h>

#include "platform/excel/geometry.h"
#include "platform/excel/sheet_model.h"
#include "test_support.h"

namespace taskvane::excel {
namespace {

using testing::Book;

// The week sheet's layout: every column 5.38, then A, B, C; row 1 18.75, rows 2.. 13.5.
void LayOutWeekSheet(Worksheet& s, long rows) {
  s.Columns.ColumnWidth = 5.38;
  s.Columns(1).ColumnWidth = 11.5;
  s.Columns(2).ColumnWidth = 22.75;
  s.Columns(3).ColumnWidth = 34;
  s.Rows(1).RowHeight = 18.75;
  s.Range(s.Cells(2, 1), s.Cells(rows, 20)).RowHeight = 13.5;
}

TEST(GeometryTest, ColumnWidthsGiveTheTimelineGeometry) {
  Book b;
  Worksheet& s = b.sheet;
  EXPECT_DOUBLE_EQ(s.Columns(1).ColumnWidth, 8.38);  // the standard width
  LayOutWeekSheet(s, 30);
  const SheetModel& m = s.Model();
  EXPECT_DOUBLE_EQ(m.ColumnLeft(4), 420.75);
  EXPECT_DOUBLE_EQ(m.ColumnPixels(5) * kPointsPerPixel, 36);
  EXPECT_DOUBLE_EQ(m.ColumnLeft(7), 420.75 + 3 * 36);
  EXPECT_DOUBLE_EQ(m.RowTop(5), 59.25);
  EXPECT_DOUBLE_EQ(s.Columns(9).ColumnWidth, 5.38);
  EXPECT_DOUBLE_EQ(s.Columns(2).ColumnWidth, 22.75);
  s.Columns(5).ColumnWidth = 2.39;  // the day sheet's columns are 24 pixels
  EXPECT_DOUBLE_EQ(m.ColumnPixels(5) * kPointsPerPixel, 18);

  // The width written for a column reads back as the same pixels (the reader's rule).
  for (long pixels = 0; pixels <= ColumnPixels(255); ++pixels) {
    const double width = FileColumnWidth(pixels);
    const long back = static_cast<long>(
        std::trunc((256 * width + std::trunc(128.0 / kMaxDigitWidth)) / 256 * kMaxDigitWidth));
    ASSERT_EQ(back, pixels) << pixels;
  }
  EXPECT_DOUBLE_EQ(FileColumnWidth(ColumnPixels(5.38)), 6);

  EXPECT_THROW(s.Columns(3).ColumnWidth = 256, AutomationError);
  EXPECT_THROW(s.Rows(3).RowHeight = 410, AutomationError);
  EXPECT_THROW(s.Rows(3).RowHeight = -1, AutomationError);
  s.Rows(3).RowHeight = 13;  // shown in whole pixels
  EXPECT_DOUBLE_EQ(s.Rows(3).RowHeight, 12.75);
  EXPECT_THROW(double h = s.Range("1:2").RowHeight; (void)h, AutomationError);  // 18.75 and 13.5
}

TEST(GeometryTest, RectanglesSitOnTheColumnsTheyAreGiven) {
  Book b;
  Worksheet& s = b.sheet;
  LayOutWeekSheet(s, 30);
  // A task from week 3 to week 5 in row 7, complete.
  const float left = 420.75f + 2 * 36, top = 59.25f + 2 * 13.5f + 3.5f;
  Shape& bar = s.Shapes.AddShape(msoShapeRectangle, left, top, 3 * 36.0f, 7.0f);
  EXPECT_DOUBLE_EQ(bar.Left(), 492.75);
  EXPECT_DOUBLE_EQ(bar.Top(), 89.75);
  EXPECT_DOUBLE_EQ(bar.Width(), 108);
  EXPECT_DOUBLE_EQ(bar.Height(), 7);
  const detail::ShapeData& d = bar.Data();
  EXPECT_EQ(d.from.column, 6);  // F: the left edge of week 3
  EXPECT_DOUBLE_EQ(d.from.column_offset, 0);
  EXPECT_EQ(d.to.column, 9);  // ends on the left edge of week 6
  EXPECT_DOUBLE_EQ(d.to.column_offset, 0);
  EXPECT_EQ(d.from.row, 7);
  EXPECT_DOUBLE_EQ(d.from.row_offset, 3.5);
  EXPECT_EQ(d.to.row, 7);
  EXPECT_DOUBLE_EQ(d.to.row_offset, 10.5);

  // In progress at 40 %: ends inside week 4.
  Shape& part = s.Shapes.AddShape(1, left, top + 13.5f, 3 * 36.0f * 0.4f, 7.0f);
  EXPECT_EQ(part.Data().to.column, 7);
  EXPECT_NEAR(part.Data().to.column_offset, 7.2, 1e-4);

  // Rows fitted later carry their rectangles along.
  s.Rows(7).RowHeight = 30;
  EXPECT_DOUBLE_EQ(bar.Top(), 59.25 + 2 * 13.5 + 3.5);
  EXPECT_DOUBLE_EQ(part.Top(), 59.25 + 2 * 13.5 + 30 + 3.5);
  EXPECT_EQ(s.Shapes.Count(), 2);
  EXPECT_EQ(&s.Shapes(2), &part);
  EXPECT_THROW(s.Shapes(3), AutomationError);
}

TEST(GeometryTest, ShapeFillsAndRefusals) {
  Book b;
  Worksheet& s = b.sheet;
  Shape& shape = s.Shapes.AddShape(1, 10, 10, 20, 5);
  EXPECT_EQ(shape.Fill.ForeColor.SchemeColor, -1);  // the default look
  shape.Fill.ForeColor.SchemeColor = 12;            // ColorIndex 5 + 7
  shape.Fill.Visible = false;
  EXPECT_FALSE(shape.Fill.Visible);
  shape.Fill.Solid();
  EXPECT_TRUE(shape.Fill.Visible);
  EXPECT_EQ(shape.Fill.ForeColor.SchemeColor, 12);
  EXPECT_THROW(shape.Fill.ForeColor.SchemeColor = 64, AutomationError);
  EXPECT_THROW(s.Shapes.AddShape(5, 0, 0, 1, 1), AutomationError);
  EXPECT_THROW(s.Shapes.AddShape(1, 0, 0, 0.0f / 0.0f, 1), AutomationError);

  // Negative sizes extend left and up; nothing goes past the sheet's corner.
  Shape& back = s.Shapes.AddShape(1, 100, 50, -40, -20);
  EXPECT_DOUBLE_EQ(back.Left(), 60);
  EXPECT_DOUBLE_EQ(back.Top(), 30);
  EXPECT_DOUBLE_EQ(back.Width(), 40);
  Shape& outside = s.Shapes.AddShape(1, -30, -5, 50, 10);
  EXPECT_DOUBLE_EQ(outside.Left(), 0);
  EXPECT_DOUBLE_EQ(outside.Top(), 0);
  EXPECT_DOUBLE_EQ(outside.Width(), 50);
  // Far below the stored rows: rows of the default height.
  Shape& low = s.Shapes.AddShape(1, 0, 16.5f * 1000 + 2, 10, 10);
  EXPECT_EQ(low.Data().from.row, 1001);
  EXPECT_DOUBLE_EQ(low.Top(), 16.5 * 1000 + 2);
}

}  // namespace
}  // namespace taskvane::excel
