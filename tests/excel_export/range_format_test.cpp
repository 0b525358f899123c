#include "excel_export/range_format.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/excel/excel.h"
#include "platform/runtime/automation_error.h"

namespace taskvane {
namespace {

using namespace excel;

struct Line {
  long style, weight, color;
  friend bool operator==(const Line&, const Line&) = default;
};
std::ostream& operator<<(std::ostream& out, const Line& l) {
  return out << "(" << l.style << ", " << l.weight << ", " << l.color << ")";
}

constexpr Line kMarker{xlDash, xlMedium, 3};
constexpr Line kThin{xlContinuous, xlThin, xlColorIndexAutomatic};
constexpr Line kHair{xlContinuous, xlHairline, xlColorIndexAutomatic};
constexpr Line kWhite{xlContinuous, xlThin, 2};

Line Read(const Range& range, long index) {
  Border b = range.Borders(index);
  if (b.LineStyle == xlNone) return {xlNone, 0, 0};
  return {b.LineStyle, b.Weight, b.ColorIndex};
}

void Mark(const Range& range) {
  for (long index = xlDiagonalDown; index <= xlInsideHorizontal; ++index) {
    Border b = range.Borders(index);
    b.LineStyle = kMarker.style;
    b.Weight = kMarker.weight;
    b.ColorIndex = kMarker.color;
  }
}

struct Operation {
  const char* name;
  void (*run)(const Range&);
  std::set<long> cleared;
  std::set<long> drawn;
  Line line;
};

const std::vector<Operation>& BorderOperations() {
  static const std::vector<Operation> operations = {
      {"BordersWhiteRowLines", BordersWhiteRowLines, {5, 6, 7, 8, 9, 10}, {12}, kWhite},
      {"BorderHairInsideVertical", BorderHairInsideVertical, {}, {11}, kHair},
      {"BorderHairInsideHorizontal", BorderHairInsideHorizontal, {}, {12}, kHair},
      {"BorderHairTop", BorderHairTop, {}, {8}, kHair},
      {"BordersThinBox", BordersThinBox, {5, 6}, {7, 8, 9, 10}, kThin},
      {"BordersThinSidesInsideVertical",
       BordersThinSidesInsideVertical,
       {5, 6},
       {7, 10, 11},
       kThin},
      {"BordersThinGrid", BordersThinGrid, {5, 6}, {7, 8, 9, 10, 11, 12}, kThin},
      {"BordersThinLeftRight", BordersThinLeftRight, {5, 6}, {7, 10}, kThin},
      {"BordersThinTopBottom", BordersThinTopBottom, {5, 6}, {8, 9}, kThin},
      {"FormatHeaderRange", FormatHeaderRange, {5, 6}, {7, 8, 9, 10, 11, 12}, kThin},
  };
  return operations;
}

class RangeFormatTest : public ::testing::Test {
 protected:
  std::unique_ptr<Workbook> book = CreateObject("Excel.Sheet");
  Worksheet& Sheet = book->Sheets(1);
};

// Each operation clears, draws and leaves alone exactly its own borders, on a block with
// an inside and on a single cell (which has no inside borders to draw).
TEST_F(RangeFormatTest, EachOperationSetsExactlyItsBorders) {
  for (const Operation& op : BorderOperations()) {
    for (const char* block : {"B2:D4", "C3"}) {
      SCOPED_TRACE(std::string(op.name) + " on " + block);
      auto book_for_op = CreateObject("Excel.Sheet");
      Worksheet& sheet = book_for_op->Sheets(1);
      Range CurrentRange = sheet.Range(block);
      Mark(CurrentRange);
      op.run(CurrentRange);
      const bool one_cell = std::string(block) == "C3";
      for (long index = xlDiagonalDown; index <= xlInsideHorizontal; ++index) {
        SCOPED_TRACE("border " + std::to_string(index));
        const bool inside = index == xlInsideVertical || index == xlInsideHorizontal;
        if (one_cell && inside) continue;  // a single cell has no inside to read
        if (op.cleared.contains(index)) {
          EXPECT_EQ(Read(CurrentRange, index).style, xlNone);
        } else if (op.drawn.contains(index)) {
          EXPECT_EQ(Read(CurrentRange, index), op.line);
        } else {
          EXPECT_EQ(Read(CurrentRange, index), kMarker);
        }
      }
    }
  }
}

TEST_F(RangeFormatTest, HeaderLookOnBlockAndSingleCell) {
  for (const char* block : {"A3:F3", "A3"}) {
    SCOPED_TRACE(block);
    auto book_for_block = CreateObject("Excel.Sheet");
    Worksheet& sheet = book_for_block->Sheets(1);
    Range CurrentRange = sheet.Range(block);
    FormatHeaderRange(CurrentRange);
    EXPECT_EQ(CurrentRange.Interior.ColorIndex.get(), 36);
    EXPECT_TRUE(CurrentRange.Font.Bold.get());
    EXPECT_EQ(CurrentRange.NumberFormatLocal.get(), R"(m"/"d)");
    EXPECT_EQ(Read(CurrentRange, xlEdgeTop), kThin);
    EXPECT_EQ(Read(CurrentRange, xlEdgeRight), kThin);
  }
}

TEST_F(RangeFormatTest, TitleLookMergesAndKeepsTheText) {
  Sheet.Cells(1, 1).Value = "일정표";
  Range CurrentRange = Sheet.Range(Sheet.Cells(1, 1), Sheet.Cells(1, 5));
  FormatTitleRange(CurrentRange);
  EXPECT_TRUE(Sheet.Cells(1, 5).MergeCells());
  EXPECT_FALSE(Sheet.Cells(1, 6).MergeCells());
  EXPECT_EQ(Sheet.Cells(1, 1).Value, "일정표");
  EXPECT_EQ(Sheet.Cells(1, 1).Font.Size.get(), 14);
  EXPECT_TRUE(Sheet.Cells(1, 1).Font.Bold.get());
  EXPECT_EQ(Sheet.Cells(1, 1).HorizontalAlignment.get(), xlCenter);

  Range one_cell = Sheet.Range("A2");
  FormatTitleRange(one_cell);
  EXPECT_EQ(one_cell.Font.Size.get(), 14);
  EXPECT_TRUE(one_cell.Font.Bold.get());
  EXPECT_EQ(one_cell.HorizontalAlignment.get(), xlCenter);
  EXPECT_FALSE(Sheet.Cells(2, 2).MergeCells());
}

// With nothing in CurrentRange every operation but the title look returns quietly; the
// title look lets the error reach the writer.
TEST_F(RangeFormatTest, EmptyCurrentRange) {
  const Range CurrentRange;
  for (const Operation& op : BorderOperations()) {
    EXPECT_NO_THROW(op.run(CurrentRange)) << op.name;
  }
  try {
    FormatTitleRange(CurrentRange);
    FAIL() << "FormatTitleRange on an empty range returned";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number, 91);
  }
}

// The title look has no error handling of its own: a merge the workbook refuses (one that
// overlaps another partly) ends it before the font is touched.
TEST_F(RangeFormatTest, TitleLookStopsAtARefusedMerge) {
  Sheet.Range("C1:D1").Merge();
  EXPECT_THROW(FormatTitleRange(Sheet.Range("A1:C1")), AutomationError);
  EXPECT_NE(Sheet.Cells(1, 1).Font.Size.get(), 14);
}

}  // namespace
}  // namespace taskvane
