#include <gtest/gtest.h>

#include "platform/excel/cell_text_limit.h"
#include "test_support.h"

namespace taskvane::excel {
namespace {

using testing::Book;

long ErrorOf(const std::function<void()>& statement) {
  try {
    statement();
  } catch (const AutomationError& e) {
    return e.Number;
  }
  return 0;
}

TEST(RangeTest, CellsTakeAndGiveValues) {
  Book b;
  Worksheet& s = b.sheet;
  EXPECT_EQ(b.book->Application.Version, "12.0");
  EXPECT_DOUBLE_EQ(s.Application.InchesToPoints(0.62), 44.64);
  s.Cells(3, 1).Value = "작업";
  s.Cells(3, 2).Value = 7;
  s.Cells(3, 3).Value = 2.5;
  const std::string name = "태스크";
  s.Cells(3, 4).Value = name;
  EXPECT_EQ(s.Cells(3, 1).Value, "작업");
  EXPECT_EQ(s.Cells(3, 2).Value, 7);
  EXPECT_EQ(s.Cells(3, 3).Value, 2.5);
  EXPECT_EQ(s.Range("D3").Value, "태스크");
  EXPECT_TRUE(s.Cells(9, 9).Value.get().IsEmpty());
  s.Cells(3, 5).Value = s.Cells(3, 1).Value;  // copies the value, not the reference
  EXPECT_EQ(s.Cells(3, 5).Value, "작업");

  // A range variable is a reference that can be pointed elsewhere.
  Range current = s.Range(s.Cells(3, 1), s.Cells(3, 2));
  EXPECT_EQ(current.Area(), (detail::Area{3, 1, 3, 2}));
  current = s.Cells(1, 1);
  current.Value = "제목";
  EXPECT_EQ(s.Cells(1, 1).Value, "제목");
  EXPECT_EQ(ErrorOf([&] { CellValue v = s.Range("A3:B3").Value; }), kErrTypeMismatch);
}

TEST(RangeTest, AddressesBlocksRowsAndColumns) {
  Book b;
  Worksheet& s = b.sheet;
  EXPECT_EQ(s.Range(s.Cells(4, 3), s.Cells(2, 1)).Area(), (detail::Area{2, 1, 4, 3}));
  EXPECT_EQ(s.Range("$B$2:$D$9").Area(), (detail::Area{2, 2, 9, 4}));
  EXPECT_EQ(s.Range("c:d").Area(), (detail::Area{1, 3, kMaxRows, 4}));
  EXPECT_EQ(s.Range("3:4").Area(), (detail::Area{3, 1, 4, kMaxColumns}));
  EXPECT_EQ(s.Range("XFD1048576").Area(),
            (detail::Area{kMaxRows, kMaxColumns, kMaxRows, kMaxColumns}));
  EXPECT_EQ(s.Columns(4).Area(), (detail::Area{1, 4, kMaxRows, 4}));
  EXPECT_EQ(s.Rows(3).Area(), (detail::Area{3, 1, 3, kMaxColumns}));
  EXPECT_EQ(s.Cells(5, 2).EntireRow().Area(), (detail::Area{5, 1, 5, kMaxColumns}));
  EXPECT_EQ(s.Cells(5, 2).Row(), 5);
  EXPECT_EQ(s.Cells(5, 2).Column(), 2);

  for (auto statement : std::vector<std::function<void()>>{
           [&] { s.Cells(0, 1); }, [&] { s.Cells(1, 0); }, [&] { s.Cells(kMaxRows + 1, 1); },
           [&] { s.Cells(1, kMaxColumns + 1); }, [&] { s.Columns(16385); }, [&] { s.Rows(0); },
           [&] { s.Range("XFE1"); }, [&] { s.Range("A0"); }, [&] { s.Range("A1:"); },
           [&] { s.Range("$$A1"); }, [&] { s.Range("A1048577"); }, [&] { s.Range(""); }}) {
    EXPECT_EQ(ErrorOf(statement), kErrExcelRefused);
  }
  EXPECT_EQ(ErrorOf([&] { b.book->Sheets(2); }), kErrSubscript);
  EXPECT_EQ(ErrorOf([] { CreateObject("Excel.Application.Missing"); }), kErrCannotCreateObject);
}

TEST(RangeTest, NothingRangeRaises91) {
  Book b;
  Range current;
  EXPECT_TRUE(current.IsNothing());
  EXPECT_EQ(ErrorOf([&] { current.Font.Size = 8; }), 91);
  EXPECT_EQ(ErrorOf([&] { current.Borders(xlEdgeTop).LineStyle = xlContinuous; }), 91);
  EXPECT_EQ(ErrorOf([&] { current.Merge(); }), 91);
  EXPECT_EQ(ErrorOf([&] { b.sheet.Range(current, b.sheet.Cells(1, 1)); }), 91);
  // Ignored statement by statement, as the format operations do.
  IgnoreErrors([&] { current.Interior.ColorIndex = 36; });
}

TEST(RangeTest, FontInteriorAlignmentFormats) {
  Book b;
  Worksheet& s = b.sheet;
  Range block = s.Range(s.Cells(3, 1), s.Cells(4, 5));
  block.Font.Size = 8;
  block.Font.Bold = true;
  block.Interior.ColorIndex = 36;
  block.HorizontalAlignment = xlCenter;
  block.NumberFormatLocal = "m\"/\"d";
  block.WrapText = true;
  EXPECT_EQ(block.Font.Size, 8);
  EXPECT_TRUE(s.Cells(4, 5).Font.Bold);
  EXPECT_EQ(block.Interior.Pattern, xlSolid);  // a colour on no fill fills solid
  EXPECT_EQ(block.Interior.ColorIndex, 36);
  EXPECT_EQ(block.HorizontalAlignment, xlCenter);
  EXPECT_EQ(block.NumberFormatLocal, "m\"/\"d");
  EXPECT_TRUE(block.WrapText);
  EXPECT_EQ(s.Cells(5, 1).Font.Size, 11);
  EXPECT_EQ(s.Cells(5, 1).NumberFormatLocal, "G/표준");

  s.Cells(3, 1).Interior.Pattern = xlLightUp;
  EXPECT_EQ(s.Cells(3, 1).Interior.ColorIndex, 36);
  EXPECT_EQ(ErrorOf([&] {
              long p = block.Interior.Pattern;
              (void)p;
            }),
            94);  // mixed
  s.Cells(3, 1).Interior.ColorIndex = xlColorIndexNone;
  EXPECT_EQ(s.Cells(3, 1).Interior.Pattern, xlNone);

  // Indents: a general cell aligns left; centring drops the indent.
  Range name = s.Cells(6, 3);
  name.InsertIndent(2);
  name.InsertIndent(2);
  EXPECT_EQ(name.IndentLevel, 4);
  EXPECT_EQ(name.HorizontalAlignment, xlLeft);
  name.IndentLevel = 0;
  EXPECT_TRUE(name.IndentLevel == 0);
  name.IndentLevel = 3;
  name.HorizontalAlignment = xlCenter;
  EXPECT_EQ(name.IndentLevel, 0);

  // Refusals.
  EXPECT_EQ(ErrorOf([&] { block.Font.Size = 0; }), 1004);
  EXPECT_EQ(ErrorOf([&] { block.Font.Size = 410; }), 1004);
  EXPECT_EQ(ErrorOf([&] { block.Interior.ColorIndex = 57; }), 1004);
  EXPECT_EQ(ErrorOf([&] { block.Interior.Pattern = 19; }), 1004);
  EXPECT_EQ(ErrorOf([&] { block.HorizontalAlignment = 3; }), 1004);
  EXPECT_EQ(ErrorOf([&] { block.NumberFormatLocal = "yyyy\"년"; }), 1004);
  EXPECT_EQ(ErrorOf([&] { name.IndentLevel = 251; }), 1004);
  name.IndentLevel = 250;
  EXPECT_EQ(ErrorOf([&] { name.InsertIndent(1); }), 1004);
  EXPECT_EQ(name.IndentLevel, 250);
  EXPECT_EQ(ErrorOf([&] { s.Cells(1, 1).Value = std::string(32768, 'x'); }), 1004);
}

// A cell holds 32,767 UTF-16 units: a character beyond the basic plane counts two, and a
// text cut to the limit ends between whole characters.
TEST(RangeTest, CellTextLimitCountsUtf16Units) {
  auto repeat = [](std::string_view piece, std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) text += piece;
    return text;
  };
  const std::string emoji = "\xF0\x9F\x98\x80";  // U+1F600
  EXPECT_EQ(Utf16Units("a가" + emoji), 4u);

  const std::string fits = "x" + repeat(emoji, 16383);  // 32,767 units
  EXPECT_EQ(CellTextPrefix(fits), fits);
  EXPECT_EQ(CellTextPrefix(std::string(40000, 'x')), std::string(32767, 'x'));
  EXPECT_EQ(CellTextPrefix(repeat("가", 32768)), repeat("가", 32767));
  // The pair that would straddle the limit is left out whole.
  EXPECT_EQ(CellTextPrefix("xx" + repeat(emoji, 16383)), "xx" + repeat(emoji, 16382));

  Book b;
  Worksheet& s = b.sheet;
  s.Cells(1, 1).Value = fits;
  EXPECT_EQ(s.Cells(1, 1).Value, fits);
  EXPECT_EQ(ErrorOf([&] { s.Cells(1, 2).Value = repeat(emoji, 16384); }), 1004);
  s.Cells(1, 2).Value = std::string(CellTextPrefix(repeat(emoji, 16384)));
  EXPECT_EQ(Utf16Units(s.Cells(1, 2).Value.get().text()), 32766u);
}

TEST(RangeTest, WholeRowAndColumnFormatsReachEveryCell) {
  Book b;
  Worksheet& s = b.sheet;
  s.Cells(4, 9).Value = "x";  // a stored cell of the row
  s.Columns(9).HorizontalAlignment = xlCenter;
  EXPECT_EQ(s.Cells(4, 9).HorizontalAlignment, xlCenter);
  EXPECT_EQ(s.Cells(900000, 9).HorizontalAlignment, xlCenter);
  EXPECT_EQ(s.Cells(4, 8).HorizontalAlignment, xlGeneral);

  s.Rows(3).Font.Bold = true;
  EXPECT_TRUE(s.Cells(3, 16000).Font.Bold);
  EXPECT_TRUE(s.Cells(3, 9).Font.Bold);
  EXPECT_EQ(s.Cells(3, 9).HorizontalAlignment, xlCenter);  // the column's look stays
  EXPECT_FALSE(s.Cells(4, 1).Font.Bold);

  // Whole-sheet reads see the mixture.
  EXPECT_EQ(ErrorOf([&] {
              bool bold = s.Columns.Font.Bold;
              (void)bold;
            }),
            94);
  // Storage stays small: no row holds cells beyond what was touched.
  EXPECT_LE(s.Model().Rows().size(), 4u);
  EXPECT_LE(s.Model().Rows()[2].styles.size(), 9u);
}

}  // namespace
}  // namespace taskvane::excel
