#include <gtest/gtest.h>

#include "platform/excel/sheet_model.h"
#include "test_support.h"

namespace taskvane::excel {
namespace {

using testing::Book;

void Draw(const Range& range, long index, long weight, long color) {
  Border border = range.Borders(index);
  border.LineStyle = xlContinuous;
  border.Weight = weight;
  border.ColorIndex = color;
}

// What a cell's side looks like, as "style/weight/colour" or "none".
std::string SideOf(Worksheet& s, long r, long c, long index) {
  Range cell = s.Cells(r, c);
  const long style = cell.Borders(index).LineStyle;
  if (style == xlLineStyleNone) return "none";
  return std::to_string(style) + "/" + std::to_string(cell.Borders(index).Weight) + "/" +
         std::to_string(cell.Borders(index).ColorIndex);
}

TEST(BordersTest, AnEdgeIsSharedWithTheNeighbour) {
  Book b;
  Worksheet& s = b.sheet;
  Range block = s.Range("B3:D5");
  Draw(block, xlEdgeTop, xlThin, xlColorIndexAutomatic);
  Draw(block, xlEdgeRight, xlHairline, 3);
  EXPECT_EQ(SideOf(s, 3, 2, xlEdgeTop), "1/2/-4105");
  EXPECT_EQ(SideOf(s, 2, 2, xlEdgeBottom), "1/2/-4105");  // the neighbour above
  EXPECT_EQ(SideOf(s, 2, 5, xlEdgeBottom), "none");
  EXPECT_EQ(SideOf(s, 4, 4, xlEdgeTop), "none");
  EXPECT_EQ(SideOf(s, 4, 5, xlEdgeLeft), "1/1/3");  // the neighbour to the right

  // Clearing from the other side clears both.
  s.Range("E3:E5").Borders(xlEdgeLeft).LineStyle = xlNone;
  EXPECT_EQ(SideOf(s, 4, 4, xlEdgeRight), "none");
  s.Range("B2:D2").Borders(xlEdgeBottom).LineStyle = xlLineStyleNone;
  EXPECT_EQ(SideOf(s, 3, 3, xlEdgeTop), "none");

  // Edges of the sheet have no neighbour.
  Draw(s.Range("A1:A1"), xlEdgeTop, xlThin, xlColorIndexAutomatic);
  Draw(s.Range("A1:A1"), xlEdgeLeft, xlThin, xlColorIndexAutomatic);
  EXPECT_EQ(SideOf(s, 1, 1, xlEdgeLeft), "1/2/-4105");
}

TEST(BordersTest, InsideBordersAreTheEdgesBetweenCells) {
  Book b;
  Worksheet& s = b.sheet;
  Range block = s.Range("B2:D4");
  Draw(block, xlInsideVertical, xlHairline, xlColorIndexAutomatic);
  Draw(block, xlInsideHorizontal, xlThin, 2);
  EXPECT_EQ(SideOf(s, 2, 2, xlEdgeRight), "1/1/-4105");
  EXPECT_EQ(SideOf(s, 2, 3, xlEdgeLeft), "1/1/-4105");
  EXPECT_EQ(SideOf(s, 2, 2, xlEdgeLeft), "none");  // the frame is not inside
  EXPECT_EQ(SideOf(s, 2, 4, xlEdgeRight), "none");
  EXPECT_EQ(SideOf(s, 3, 3, xlEdgeTop), "1/2/2");
  EXPECT_EQ(SideOf(s, 2, 3, xlEdgeTop), "none");
  EXPECT_EQ(SideOf(s, 4, 3, xlEdgeBottom), "none");
  EXPECT_EQ(block.Borders(xlInsideHorizontal).ColorIndex, 2);

  // A one-cell range has no inside: setting it changes nothing, reading gives "none".
  Range cell = s.Cells(7, 7);
  Draw(cell, xlInsideVertical, xlThin, xlColorIndexAutomatic);
  EXPECT_EQ(cell.Borders(xlInsideVertical).LineStyle, xlLineStyleNone);
  EXPECT_EQ(SideOf(s, 7, 7, xlEdgeRight), "none");
}

TEST(BordersTest, LinePropertiesInteract) {
  Book b;
  Worksheet& s = b.sheet;
  Range cell = s.Cells(2, 2);
  cell.Borders(xlEdgeBottom).Weight = xlHairline;  // a weight alone draws a line
  EXPECT_EQ(SideOf(s, 2, 2, xlEdgeBottom), "1/1/-4105");
  cell.Borders(xlEdgeTop).ColorIndex = 5;  // and so does a colour
  EXPECT_EQ(SideOf(s, 2, 2, xlEdgeTop), "1/2/5");
  cell.Borders(xlEdgeTop).LineStyle = xlNone;
  EXPECT_EQ(cell.Borders(xlEdgeTop).ColorIndex, xlColorIndexNone);
  EXPECT_EQ(cell.Borders(xlEdgeTop).Weight, xlThin);

  // Diagonals belong to each cell, without neighbours.
  Range block = s.Range("D4:E5");
  Draw(block, xlDiagonalDown, xlThin, xlColorIndexAutomatic);
  EXPECT_EQ(SideOf(s, 5, 5, xlDiagonalDown), "1/2/-4105");
  EXPECT_EQ(SideOf(s, 5, 5, xlDiagonalUp), "none");
  EXPECT_EQ(SideOf(s, 4, 6, xlEdgeLeft), "none");

  for (long wrong : {4L, 13L, 0L}) {
    EXPECT_THROW(cell.Borders(wrong), AutomationError) << wrong;
  }
  EXPECT_THROW(cell.Borders(xlEdgeTop).LineStyle = 3, AutomationError);
  EXPECT_THROW(cell.Borders(xlEdgeTop).Weight = 3, AutomationError);
  EXPECT_THROW(cell.Borders(xlEdgeTop).ColorIndex = 0, AutomationError);
}

TEST(BordersTest, WhiteRowLinesJoinRowsAndKeepInsideVerticals) {
  Book b;
  Worksheet& s = b.sheet;
  Range block = s.Range("A5:C8");
  for (long i : {5L, 6L, 7L, 8L, 9L, 10L, 11L, 12L}) Draw(block, i, xlThin, xlColorIndexAutomatic);
  // The white-row-lines look: no frame, no diagonals, white inside horizontals.
  for (long i : {5L, 6L, 7L, 8L, 9L, 10L}) block.Borders(i).LineStyle = xlNone;
  Draw(block, xlInsideHorizontal, xlThin, 2);
  EXPECT_EQ(SideOf(s, 5, 2, xlEdgeTop), "none");
  EXPECT_EQ(SideOf(s, 4, 2, xlEdgeBottom), "none");
  EXPECT_EQ(SideOf(s, 6, 2, xlEdgeTop), "1/2/2");
  EXPECT_EQ(SideOf(s, 6, 1, xlEdgeRight), "1/2/-4105");
  EXPECT_EQ(SideOf(s, 6, 2, xlDiagonalUp), "none");
  // The thin box brings the frame back and keeps the inside lines.
  for (long i : {7L, 8L, 9L, 10L}) Draw(block, i, xlThin, xlColorIndexAutomatic);
  EXPECT_EQ(SideOf(s, 8, 3, xlEdgeBottom), "1/2/-4105");
  EXPECT_EQ(SideOf(s, 7, 2, xlEdgeTop), "1/2/2");
}

TEST(BordersTest, LargeRangesShareAFewStyles) {
  Book b;
  Worksheet& s = b.sheet;
  Range block = s.Range(s.Cells(5, 1), s.Cells(2004, 300));
  for (long i : {7L, 8L, 9L, 10L, 11L, 12L}) Draw(block, i, xlThin, xlColorIndexAutomatic);
  EXPECT_EQ(SideOf(s, 1000, 150, xlEdgeLeft), "1/2/-4105");
  // Corner, edge and inner cells, the neighbours' sides, and the intermediate looks.
  EXPECT_LT(s.Model().Styles().size(), 60u);
}

}  // namespace
}  // namespace taskvane::excel
