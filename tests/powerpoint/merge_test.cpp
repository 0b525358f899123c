#include <gtest/gtest.h>

#include "platform/powerpoint/powerpoint.h"
#include "platform/runtime/automation_error.h"

namespace taskvane::ppt {
namespace {

class MergeTest : public ::testing::Test {
 protected:
  Table& NewTable(int rows, int columns) {
    return slide_.Shapes.AddTable(rows, columns, 50, 80, 620, 20.0 * rows).Table;
  }
  static void Write(Table& table, int row, int column, const std::string& text) {
    table.Cell(row, column).Shape.TextFrame.TextRange.Text = text;
  }
  static std::string Read(Table& table, int row, int column) {
    return table.Cell(row, column).Shape.TextFrame.TextRange.Text;
  }

  std::unique_ptr<Application> app_ = CreateObject("PowerPoint.application");
  Slide& slide_ = app_->Presentations.Add().Slides.Add(1, ppLayoutBlank);
};

// The merges a six-column task table receives once its rows are written: per column from
// 2 to 6 the rows of one second-level task, a cell merged with its right neighbour, a
// first-level row over columns 1 to 3, and the first column's groups merged upwards onto
// the cell that holds the name.
TEST_F(MergeTest, TaskTableShapes) {
  Table& table = NewTable(7, 6);
  const char* rows[][6] = {
      {"Level 1 (Phase)", "Level 2 (Task)", "Level 3 (Activity)", "완료예정일", "계획진척율",
       "실적진척율"},
      {"", "Design", "Sketch", "05/07", "100%", "100%"},
      {"", "", "Review", "05/09", "50%", "40%"},
      {"Plan", "Build", "", "05/20", "0%", "0%"},
      {"Close", "", "", "05/31", "0%", "0%"},
      {"", "Pack", "Box", "06/02", "0%", "0%"},
      {"Ship", "", "Label", "06/03", "0%", "0%"},
  };
  for (int r = 1; r <= 7; ++r) {
    for (int c = 1; c <= 6; ++c) Write(table, r, c, rows[r - 1][c - 1]);
  }

  for (int c = 2; c <= 6; ++c) table.Cell(2, c).Merge(table.Cell(3, c));
  table.Cell(4, 2).Merge(table.Cell(4, 3));
  table.Cell(5, 2).Merge(table.Cell(5, 3));
  for (int c = 2; c <= 6; ++c) table.Cell(6, c).Merge(table.Cell(7, c));
  // A covered cell reads "", so a last group of several rows gets its columns 2 and 3
  // joined too: the merge grows over both earlier merges.
  ASSERT_EQ(Read(table, 7, 3), "");
  table.Cell(7, 2).Merge(table.Cell(7, 3));
  table.Cell(2, 1).Merge(table.Cell(4, 1));
  table.Cell(5, 1).Merge(table.Cell(5, 3));
  table.Cell(6, 1).Merge(table.Cell(7, 1));

  EXPECT_EQ(table.Cell(2, 2).Area(), (CellArea{2, 2, 2, 1}));
  EXPECT_EQ(Read(table, 2, 2), "Design");
  EXPECT_EQ(Read(table, 2, 3), "Sketch\rReview");
  EXPECT_EQ(Read(table, 2, 4), "05/07\r05/09");
  EXPECT_EQ(Read(table, 2, 6), "100%\r40%");
  EXPECT_EQ(table.Cell(3, 6).Area(), (CellArea{2, 6, 2, 1}));
  EXPECT_TRUE(table.Cell(3, 4).IsCovered());
  EXPECT_EQ(Read(table, 3, 4), "");

  EXPECT_EQ(table.Cell(4, 2).Area(), (CellArea{4, 2, 1, 2}));
  EXPECT_EQ(Read(table, 4, 2), "Build");
  EXPECT_EQ(table.Cell(4, 4).Area(), (CellArea{4, 4, 1, 1}));

  EXPECT_EQ(table.Cell(5, 1).Area(), (CellArea{5, 1, 1, 3}));
  EXPECT_EQ(Read(table, 5, 1), "Close");
  EXPECT_EQ(Read(table, 5, 2), "");

  EXPECT_EQ(table.Cell(6, 2).Area(), (CellArea{6, 2, 2, 2}));
  EXPECT_EQ(Read(table, 6, 2), "Pack\rBox\rLabel");
  EXPECT_EQ(table.Cell(6, 4).Area(), (CellArea{6, 4, 2, 1}));

  EXPECT_EQ(table.Cell(3, 1).Area(), (CellArea{2, 1, 3, 1}));
  EXPECT_EQ(Read(table, 2, 1), "Plan");
  EXPECT_EQ(table.Cell(7, 1).Area(), (CellArea{6, 1, 2, 1}));
  EXPECT_EQ(Read(table, 6, 1), "Ship");

  for (int c = 1; c <= 6; ++c) {
    EXPECT_EQ(table.Cell(1, c).Area(), (CellArea{1, c, 1, 1}));
  }
  EXPECT_EQ(table.Rows.Count, 7);
}

TEST_F(MergeTest, JoinedTextsFollowReadingOrderAndEmptyTextsAddNothing) {
  Table& table = NewTable(3, 3);
  Write(table, 1, 2, "b");
  Write(table, 2, 1, "c");
  Write(table, 2, 2, "d\re");
  Write(table, 3, 3, "f");
  table.Cell(3, 3).Merge(table.Cell(1, 1));
  EXPECT_EQ(Read(table, 1, 1), "b\rc\rd\re\rf");
  for (int r = 1; r <= 3; ++r) {
    for (int c = 1; c <= 3; ++c) {
      EXPECT_EQ(table.Cell(r, c).Area(), (CellArea{1, 1, 3, 3}));
      EXPECT_EQ(table.Cell(r, c).IsCovered(), r != 1 || c != 1);
    }
  }

  Table& empty = NewTable(2, 1);
  empty.Cell(1, 1).Merge(empty.Cell(2, 1));
  EXPECT_EQ(Read(empty, 1, 1), "");
  EXPECT_EQ(empty.Cell(1, 1).Shape.TextFrame.TextRange.ParagraphCount(), 1);
}

TEST_F(MergeTest, MovedParagraphsKeepTheirOwnFormatting) {
  Table& table = NewTable(2, 1);
  Write(table, 1, 1, "top");
  table.Cell(1, 1).Shape.TextFrame.TextRange.Font.Size = 10;
  Write(table, 2, 1, "bottom");
  table.Cell(2, 1).Shape.TextFrame.TextRange.Font.Size = 14;
  table.Cell(2, 1).Shape.TextFrame.TextRange.Font.Bold = true;
  table.Cell(1, 1).Merge(table.Cell(2, 1));
  TextRange& merged = table.Cell(1, 1).Shape.TextFrame.TextRange;
  EXPECT_EQ(merged.Paragraphs(1).Font.Size, 10);
  EXPECT_FALSE(merged.Paragraphs(1).Font.Bold);
  EXPECT_EQ(merged.Paragraphs(2).Font.Size, 14);
  EXPECT_TRUE(merged.Paragraphs(2).Font.Bold);
}

TEST_F(MergeTest, OverlappingMergesGrowUntilEveryEarlierMergeIsWhole) {
  Table& table = NewTable(3, 3);
  Write(table, 1, 2, "x");
  Write(table, 2, 3, "y");
  table.Cell(1, 2).Merge(table.Cell(2, 2));
  table.Cell(2, 3).Merge(table.Cell(3, 3));
  // Row 1 over columns 1 to 3 cuts the first merge, which reaches row 2 and so the
  // second one, which reaches row 3.
  table.Cell(1, 1).Merge(table.Cell(1, 3));
  EXPECT_EQ(table.Cell(2, 2).Area(), (CellArea{1, 1, 3, 3}));
  EXPECT_EQ(Read(table, 1, 1), "x\ry");

  // Merging through a covered cell reaches its whole merged cell; the order of the two
  // cells does not matter.
  Table& other = NewTable(2, 3);
  other.Cell(1, 1).Merge(other.Cell(1, 2));
  other.Cell(2, 3).Merge(other.Cell(1, 2));
  EXPECT_EQ(other.Cell(2, 1).Area(), (CellArea{1, 1, 2, 3}));
  // A cell merged with itself stays as it is.
  Table& single = NewTable(1, 2);
  single.Cell(1, 2).Merge(single.Cell(1, 2));
  EXPECT_EQ(single.Cell(1, 2).Area(), (CellArea{1, 2, 1, 1}));
}

TEST_F(MergeTest, CoveredCellsTakeNoTextAndMergedSidesSpanTheRectangle) {
  Table& table = NewTable(3, 2);
  Write(table, 1, 1, "kept");
  table.Cell(1, 1).Merge(table.Cell(3, 1));
  table.Cell(2, 1).Shape.TextFrame.TextRange.Text = "";  // nothing to refuse
  try {
    table.Cell(2, 1).Shape.TextFrame.TextRange.Text = "lost";
    ADD_FAILURE();
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, kErrPowerPointRefused);
  }
  EXPECT_EQ(Read(table, 1, 1), "kept");

  table.Cell(1, 1).Borders(ppBorderRight).Weight = 2;
  table.Cell(1, 1).Borders(ppBorderBottom).Weight = 1;
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(table.Cell(r, 2).Borders(ppBorderLeft).Weight, 2.0);
  EXPECT_EQ(table.GridBorderWeight(3, 1, ppBorderBottom), 1.0);
  EXPECT_EQ(table.GridBorderWeight(1, 1, ppBorderBottom), 0.0);
  EXPECT_EQ(table.Cell(2, 1).Borders(ppBorderRight).Weight, 2.0);
}

TEST_F(MergeTest, CellsOfDifferentTablesAreNotMerged) {
  Table& a = NewTable(1, 2);
  Table& b = NewTable(1, 2);
  Write(a, 1, 1, "a");
  try {
    a.Cell(1, 1).Merge(b.Cell(1, 2));
    ADD_FAILURE();
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, kErrPowerPointRefused);
  }
  EXPECT_EQ(a.Cell(1, 1).Area(), (CellArea{1, 1, 1, 1}));
  EXPECT_EQ(b.Cell(1, 2).Area(), (CellArea{1, 2, 1, 1}));
}

}  // namespace
}  // namespace taskvane::ppt
