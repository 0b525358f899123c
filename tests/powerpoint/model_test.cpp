#include <gtest/gtest.h>

#include "platform/powerpoint/powerpoint.h"
#include "platform/runtime/automation_error.h"

namespace taskvane::ppt {
namespace {

// Runs a statement that must be refused with the presentation layer's error number.
template <class F>
void ExpectRefused(F&& statement) {
  try {
    statement();
    ADD_FAILURE() << "no AutomationError";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, kErrPowerPointRefused);
    EXPECT_FALSE(e.Description.empty());
  }
}

std::string TextOf(Table& table, int row, int column) {
  return table.Cell(row, column).Shape.TextFrame.TextRange.Text;
}

class PresentationModelTest : public ::testing::Test {
 protected:
  std::unique_ptr<Application> app_ = CreateObject("PowerPoint.application");
  Presentation& presentation_ = app_->Presentations.Add();
  Slide& slide_ = presentation_.Slides.Add(1, ppLayoutBlank);
};

TEST(ApplicationTest, CreatedByItsClassNameOnly) {
  EXPECT_NE(CreateObject("PowerPoint.Application"), nullptr);
  try {
    CreateObject("Excel.Application");
    ADD_FAILURE();
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, kErrCannotCreateObject);
  }
}

TEST_F(PresentationModelTest, SlidesAreAddedAtTheirPositionWithTheBlankLayoutOnly) {
  Slide& second = presentation_.Slides.Add(2, ppLayoutBlank);
  Slide& first = presentation_.Slides.Add(1, ppLayoutBlank);
  EXPECT_EQ(presentation_.Slides.Count, 3);
  EXPECT_EQ(&presentation_.Slides(1), &first);
  EXPECT_EQ(&presentation_.Slides(2), &slide_);
  EXPECT_EQ(&presentation_.Slides(3), &second);
  ExpectRefused([&] { presentation_.Slides.Add(5, ppLayoutBlank); });
  ExpectRefused([&] { presentation_.Slides.Add(0, ppLayoutBlank); });
  ExpectRefused([&] { presentation_.Slides.Add(1, 1); });
  ExpectRefused([&] { presentation_.Slides(4); });
  EXPECT_EQ(presentation_.Slides.Count, 3);
}

TEST_F(PresentationModelTest, TableGeometryFollowsColumnsAndRows) {
  Shape& shape = slide_.Shapes.AddTable(1, 6, 50, 50, 620, 10);
  Table& table = shape.Table;
  ASSERT_TRUE(shape.HasTable());
  EXPECT_EQ(table.Columns.Count, 6);
  EXPECT_EQ(table.Rows.Count, 1);
  EXPECT_DOUBLE_EQ(table.Columns(3).Width, 620.0 / 6);
  EXPECT_DOUBLE_EQ(table.Rows(1).Height, 10);

  const double widths[] = {50, 190, 100, 90, 100, 90};
  for (int c = 1; c <= 6; ++c) table.Columns(c).Width = widths[c - 1];
  EXPECT_DOUBLE_EQ(table.Columns(2).Width, 190);
  EXPECT_DOUBLE_EQ(shape.Width, 620);
  table.Columns(6).Width = 100;
  EXPECT_DOUBLE_EQ(shape.Width, 630);
  EXPECT_DOUBLE_EQ(shape.Left, 50);
  EXPECT_DOUBLE_EQ(shape.Top, 50);

  table.Rows.Add();
  table.Rows(2).Height = 20;
  EXPECT_DOUBLE_EQ(shape.Height, 30);

  ExpectRefused([&] { table.Columns(7); });
  ExpectRefused([&] { table.Rows(3).Height = 20; });
  ExpectRefused([&] { table.Cell(0, 1); });
  ExpectRefused([&] { table.Cell(3, 1); });
  ExpectRefused([&] { table.Cell(1, 7); });
  ExpectRefused([&] { table.Columns(1).Width = -5; });
  ExpectRefused([&] { slide_.Shapes.AddTable(0, 6, 50, 50, 620, 10); });
  ExpectRefused([&] { slide_.Shapes.AddTable(1, 6, 50, 50, 0, 10); });
  // A refused table leaves no shape behind.
  EXPECT_EQ(slide_.Shapes.Count, 1);
}

// The table's height is the sum of its row heights added from the top, whatever the order
// in which rows were added and heights changed: the saved size is the same as if it were
// added up anew after each change.
TEST_F(PresentationModelTest, TableHeightIsTheSumOfItsRowsFromTheTop) {
  Shape& shape = slide_.Shapes.AddTable(1, 2, 0, 0, 100, 0.1);
  Table& table = shape.Table;
  auto sum_from_top = [&] {
    double sum = 0;
    for (int r = 1; r <= table.RowCount(); ++r) sum += table.RowHeight(r);
    return sum;
  };
  table.Rows.Add().Height = 0.2;
  table.Rows.Add().Height = 0.3;
  EXPECT_EQ(shape.Height, sum_from_top());
  EXPECT_EQ(shape.Height, (0.1 + 0.2) + 0.3);
  // A change above the last row: not the old sum corrected by the difference.
  table.Rows(2).Height = 0.7;
  EXPECT_EQ(shape.Height, (0.1 + 0.7) + 0.3);
  table.Rows(2).Height = 0.7;  // the same height again changes nothing
  table.Rows(1).Height = 0.1;
  EXPECT_EQ(shape.Height, sum_from_top());
  for (int i = 0; i < 1000; ++i) table.Rows.Add();  // each takes the last row's height
  table.Rows(500).Height = 0.45;
  EXPECT_EQ(table.RowHeight(1003), 0.3);
  EXPECT_EQ(shape.Height, sum_from_top());

  // The size of a table follows its grid; a text box's is its own.
  ExpectRefused([&] { shape.Height = 40; });
  ExpectRefused([&] { shape.Width = 40; });
  Shape& box = slide_.Shapes.AddTextbox(msoTextOrientationHorizontal, 0, 0, 720, 31.88);
  EXPECT_EQ(box.Height, 31.88);
  box.Height = 40;
  EXPECT_EQ(box.Height, 40);
  ExpectRefused([&] { box.Width = -1; });
}

TEST_F(PresentationModelTest, NewTableHasAPlainLook) {
  Table& table = slide_.Shapes.AddTable(2, 2, 0, 0, 100, 40).Table;
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 2; ++c) {
      EXPECT_EQ(TextOf(table, r, c), "");
      for (int side = ppBorderTop; side <= ppBorderRight; ++side) {
        EXPECT_EQ(table.Cell(r, c).Borders(side).Weight, 0.0);
      }
      const Paragraph& p = table.Cell(r, c).Body().paragraphs.at(0);
      EXPECT_FALSE(p.bold);
      EXPECT_EQ(p.alignment, ppAlignLeft);
    }
  }
}

TEST_F(PresentationModelTest, CellTextFontAndAlignment) {
  Table& table = slide_.Shapes.AddTable(1, 6, 50, 50, 620, 10).Table;
  TextRange& range = table.Cell(1, 1).Shape.TextFrame.TextRange;
  range.Text = "기간";
  range.Font.Size = 12;
  range.Font.Bold = msoTrue;
  range.ParagraphFormat.BaseLineAlignment = ppBaselineAlignCenter;
  range.ParagraphFormat.Alignment = ppAlignCenter;
  EXPECT_EQ(range.Text, "기간");
  EXPECT_EQ(range.Font.Size, 12);
  EXPECT_TRUE(range.Font.Bold);
  EXPECT_EQ(range.ParagraphFormat.Alignment, ppAlignCenter);
  EXPECT_EQ(range.ParagraphFormat.BaseLineAlignment, ppBaselineAlignCenter);

  // Formatting set on the empty text is what text written later takes (the period cell
  // gets its size before its rate), and a new text keeps it.
  TextRange& rate = table.Cell(1, 4).Shape.TextFrame.TextRange;
  rate.Text = "";
  rate.Font.Size = 12;
  rate.ParagraphFormat.Alignment = ppAlignCenter;
  rate.Text = "29%";
  EXPECT_EQ(rate.Font.Size, 12);
  EXPECT_EQ(rate.ParagraphFormat.Alignment, ppAlignCenter);
  rate.Font.Size = 10;
  EXPECT_EQ(rate.Font.Size, 10);

  ExpectRefused([&] { range.Font.Size = 0; });
  ExpectRefused([&] { range.ParagraphFormat.Alignment = 8; });
  ExpectRefused([&] { range.ParagraphFormat.BaseLineAlignment = 0; });
  EXPECT_EQ(range.Font.Size, 12);
}

TEST_F(PresentationModelTest, ParagraphMarksSplitTextAndParagraphsAddressThem) {
  Shape& box = slide_.Shapes.AddTextbox(msoTextOrientationHorizontal, 0, 0, 720, 31.88);
  TextRange& range = box.TextFrame.TextRange;
  range.Font.Size = 16;
  range.Text = "one\rtwo\r\nthree\nfour";
  EXPECT_EQ(range.ParagraphCount(), 4);
  EXPECT_EQ(range.Text, "one\rtwo\rthree\rfour");
  EXPECT_EQ(range.Paragraphs(2).Text, "two");
  EXPECT_EQ(range.Paragraphs(2, 2).Text, "two\rthree");
  EXPECT_EQ(range.Paragraphs(3, 9).Text, "three\rfour");
  EXPECT_EQ(range.Paragraphs(9).Text, "");
  // Every new paragraph took the formatting the text had.
  EXPECT_EQ(range.Paragraphs(4).Font.Size, 16);

  range.Paragraphs(1, 1).ParagraphFormat.Alignment = ppAlignRight;
  EXPECT_EQ(range.Paragraphs(1).ParagraphFormat.Alignment, ppAlignRight);
  EXPECT_EQ(range.Paragraphs(2).ParagraphFormat.Alignment, ppAlignLeft);
  range.Paragraphs(2, 2).Text = "middle";
  EXPECT_EQ(range.Text, "one\rmiddle\rfour");
  ExpectRefused([&] { range.Paragraphs(0, 1); });
  ExpectRefused([&] { range.Paragraphs(1, 0); });
}

TEST_F(PresentationModelTest, BordersAreSharedSidesOfNeighbouringCells) {
  Table& table = slide_.Shapes.AddTable(2, 2, 0, 0, 100, 40).Table;
  Cell& cell = table.Cell(1, 1);
  for (int side : {ppBorderTop, ppBorderBottom, ppBorderLeft, ppBorderRight}) {
    cell.Borders(side).Weight = 1;
  }
  EXPECT_EQ(table.Cell(1, 2).Borders(ppBorderLeft).Weight, 1.0);
  EXPECT_EQ(table.Cell(2, 1).Borders(ppBorderTop).Weight, 1.0);
  EXPECT_EQ(table.Cell(1, 2).Borders(ppBorderRight).Weight, 0.0);
  EXPECT_EQ(table.Cell(2, 2).Borders(ppBorderTop).Weight, 0.0);
  table.Cell(1, 2).Borders(ppBorderLeft).Weight = 3;
  EXPECT_EQ(cell.Borders(ppBorderRight).Weight, 3.0);
  ExpectRefused([&] { cell.Borders(5); });
  ExpectRefused([&] { cell.Borders(ppBorderTop).Weight = -1; });
}

TEST_F(PresentationModelTest, AddedRowTakesTheLastRowsFormattingAndNoText) {
  Table& table = slide_.Shapes.AddTable(1, 3, 50, 80, 300, 20).Table;
  for (int c = 1; c <= 3; ++c) {
    TextRange& range = table.Cell(1, c).Shape.TextFrame.TextRange;
    range.Text = "Header " + std::to_string(c);
    range.Font.Size = 10;
    for (int side : {ppBorderTop, ppBorderBottom, ppBorderLeft, ppBorderRight}) {
      table.Cell(1, c).Borders(side).Weight = 1;
    }
  }
  table.Cell(1, 2).Shape.TextFrame.TextRange.Font.Bold = true;
  table.Cell(1, 3).Shape.TextFrame.TextRange.ParagraphFormat.Alignment = ppAlignCenter;
  table.Cell(1, 3).Shape.TextFrame.TextRange.ParagraphFormat.BaseLineAlignment = 3;

  table.Rows.Add();
  table.Rows.Add();
  EXPECT_EQ(table.Rows.Count, 3);
  EXPECT_DOUBLE_EQ(table.Rows(3).Height, 20);
  for (int r = 2; r <= 3; ++r) {
    for (int c = 1; c <= 3; ++c) {
      TextRange& range = table.Cell(r, c).Shape.TextFrame.TextRange;
      EXPECT_EQ(range.Text, "");
      EXPECT_EQ(range.Font.Size, 10);
      for (int side : {ppBorderTop, ppBorderBottom, ppBorderLeft, ppBorderRight}) {
        EXPECT_EQ(table.Cell(r, c).Borders(side).Weight, 1.0) << r << "," << c << " " << side;
      }
    }
    EXPECT_TRUE(table.Cell(r, 2).Shape.TextFrame.TextRange.Font.Bold);
    EXPECT_FALSE(table.Cell(r, 1).Shape.TextFrame.TextRange.Font.Bold);
    EXPECT_EQ(table.Cell(r, 3).Shape.TextFrame.TextRange.ParagraphFormat.Alignment, ppAlignCenter);
    EXPECT_EQ(table.Cell(r, 3).Shape.TextFrame.TextRange.ParagraphFormat.BaseLineAlignment,
              ppBaselineAlignCenter);
  }
  // A text written into the new row takes its formatting.
  table.Cell(3, 1).Shape.TextFrame.TextRange.Text = "1.Design";
  EXPECT_EQ(table.Cell(3, 1).Shape.TextFrame.TextRange.Font.Size, 10);
}

TEST_F(PresentationModelTest, TextBoxFillOutlineAndText) {
  Shape& box = slide_.Shapes.AddTextbox(msoTextOrientationHorizontal, 0, 513.75, 720, 26.25);
  EXPECT_FALSE(box.HasTable());
  EXPECT_FALSE(box.Fill.Visible);
  EXPECT_FALSE(box.Line.Visible);
  box.Fill.ForeColor.RGB = RGB(221, 221, 221);
  box.Line.Visible = msoFalse;
  EXPECT_TRUE(box.Fill.Visible);
  EXPECT_EQ(box.Fill.ForeColor.RGB, 0xDDDDDD);
  EXPECT_EQ(RGB(1, 2, 3), 0x030201);
  box.TextFrame.TextRange.Text = "프로젝트";
  box.TextFrame.TextRange.Font.Size = 12;
  EXPECT_EQ(box.TextFrame.TextRange.Text, "프로젝트");
  EXPECT_DOUBLE_EQ(box.Top + box.Height, 540);

  ExpectRefused([&] { box.Table.Cell(1, 1); });
  ExpectRefused([&] { box.Table.Rows.Add(); });
  ExpectRefused([&] { box.Fill.ForeColor.RGB = 0x1000000; });
  ExpectRefused([&] { slide_.Shapes.AddTextbox(5, 0, 0, 10, 10); });
  Shape& table_shape = slide_.Shapes.AddTable(1, 1, 0, 0, 10, 10);
  ExpectRefused([&] { table_shape.TextFrame.TextRange.Text = "x"; });
  EXPECT_EQ(slide_.Shapes.Count, 2);
  EXPECT_EQ(&slide_.Shapes(2), &table_shape);
}

}  // namespace
}  // namespace taskvane::ppt
