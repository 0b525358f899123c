#include <gtest/gtest.h>

#include "platform/excel/geometry.h"
#include "platform/excel/sheet_model.h"
#include "platform/excel/text_metrics.h"
#include "test_support.h"

namespace taskvane::excel {
namespace {

using testing::Book;

TEST(MergeTest, KeepsTheTopLeftValueAndRefusesPartialOverlaps) {
  Book b;
  Worksheet& s = b.sheet;
  s.Cells(3, 1).Value = "단계";
  s.Cells(4, 1).Value = "lost";
  s.Cells(3, 2).Value = "outside";
  s.Range("A3:A4").Merge();
  EXPECT_EQ(s.Cells(3, 1).Value, "단계");
  EXPECT_TRUE(s.Cells(4, 1).Value.get().IsEmpty());
  EXPECT_EQ(s.Cells(3, 2).Value, "outside");
  EXPECT_TRUE(s.Range("A3:A4").MergeCells());
  EXPECT_TRUE(s.Cells(4, 1).MergeCells());
  EXPECT_FALSE(s.Range("A3:B4").MergeCells());

  // A merge inside a larger one is absorbed; a partial overlap is refused.
  s.Range("A3:C4").Merge();
  ASSERT_EQ(s.Model().Merges().size(), 1u);
  EXPECT_EQ(s.Model().Merges()[0], (detail::Area{3, 1, 4, 3}));
  try {
    s.Range("C4:D5").Merge();
    FAIL() << "partial overlap merged";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, 1004);
  }
  EXPECT_EQ(s.Model().Merges().size(), 1u);

  // One cell merges nothing.
  s.Cells(1, 1).Merge();
  EXPECT_EQ(s.Model().Merges().size(), 1u);
  EXPECT_FALSE(s.Cells(1, 1).MergeCells());
}

TEST(AutoFitTest, ColumnsFitTheirWidestShownValue) {
  Book b;
  Worksheet& s = b.sheet;
  s.Columns.ColumnWidth = 4.5;
  s.Cells(4, 2).Value = "1234567890";
  s.Cells(5, 2).Value = "12";
  s.Cells(4, 3).Value = "가나다라마";  // five Hangul: about ten digits
  s.Cells(4, 4).Value = "2024-01-05";  // shown through its format
  s.Cells(1, 5).Value = "a very long title that is merged";
  s.Range("E1:H1").Merge();
  s.Cells(4, 5).Value = "x";
  s.Range("B:D").AutoFit();
  s.Columns(5).AutoFit();
  s.Columns(6).AutoFit();  // no values
  const SheetModel& m = s.Model();
  EXPECT_EQ(m.ColumnPixels(2), 10 * kMaxDigitWidth + 7);
  EXPECT_EQ(m.ColumnPixels(3), m.ColumnPixels(2));
  EXPECT_EQ(m.ColumnPixels(4), 8 * 8 + 2 * 6 + 7);  // eight digits and two dashes
  EXPECT_LT(m.ColumnPixels(5), 30);                 // the merged title does not count
  EXPECT_EQ(m.ColumnPixels(6), kStandardColumnPixels);

  // Size, bold and indent widen; the title size 14 of a cell counts.
  s.Cells(6, 2).Value = "1234567890";
  s.Cells(6, 2).Font.Size = 22;
  s.Columns(2).AutoFit();
  EXPECT_EQ(m.ColumnPixels(2), 20 * kMaxDigitWidth + 7);
  s.Cells(7, 3).Value = "가나다라마";
  s.Cells(7, 3).InsertIndent(2);
  s.Columns(3).AutoFit();
  EXPECT_EQ(m.ColumnPixels(3), 10 * kMaxDigitWidth + 2 * 12 + 7);

  EXPECT_THROW(s.Range("B2:C3").AutoFit(), AutomationError);
}

TEST(AutoFitTest, RowsFitWrappedText) {
  Book b;
  Worksheet& s = b.sheet;
  s.Columns(2).ColumnWidth = 10;  // 85 pixels, 80 for text
  Range block = s.Range("A5:C6");
  block.Font.Size = 8;
  s.Cells(5, 2).Value = "짧은 이름";
  s.Cells(6, 2).Value = "가나다라마바사 아자차카타파하 가나다라마바사 아자차카타파하";
  block.WrapText = true;
  s.Cells(5, 2).EntireRow().AutoFit();
  s.Cells(6, 2).EntireRow().AutoFit();
  EXPECT_DOUBLE_EQ(s.Rows(5).RowHeight, 12);  // one line of 8 pt
  // 30 wide characters of 8 pt are about 349 pixels: five lines in 80.
  const int lines = WrappedLines(s.Cells(6, 2).Value.get().text(), 8, false, 80);
  EXPECT_GE(lines, 4);
  EXPECT_DOUBLE_EQ(s.Rows(6).RowHeight, lines * 12);
  // Unwrapped, the same text takes one line.
  s.Cells(6, 2).WrapText = false;
  s.Rows(6).AutoFit();
  EXPECT_DOUBLE_EQ(s.Rows(6).RowHeight, 12);
  // A row without cells gets the Normal font's height.
  s.Rows(9).AutoFit();
  EXPECT_DOUBLE_EQ(s.Rows(9).RowHeight, kDefaultRowHeight);
}

TEST(AutoFitTest, TextWidthsAndWrapping) {
  EXPECT_DOUBLE_EQ(TextPixels("0123", 11, false), 32);
  EXPECT_DOUBLE_EQ(TextPixels("한글", 11, false), 32);
  EXPECT_DOUBLE_EQ(TextPixels("한글", 22, false), 64);
  EXPECT_GT(TextPixels("0123", 11, true), 32);
  EXPECT_LT(TextPixels("iiii", 11, false), TextPixels("MMMM", 11, false));
  EXPECT_EQ(WrappedLines("one\ntwo\nthree", 11, false, 1000), 3);
  EXPECT_EQ(WrappedLines("aaaa bbbb", 11, false, 45), 2);     // breaks at the blank
  EXPECT_EQ(WrappedLines("aaaaaaaaaaaa", 11, false, 40), 3);  // a long word is split
  EXPECT_EQ(WrappedLines("가나다라", 11, false, 32), 2);      // between wide characters
  EXPECT_EQ(WrappedLines("", 11, false, 10), 1);
}

}  // namespace
}  // namespace taskvane::excel
