// Border settings made in one pass over the cells against the same settings made one
// statement at a time.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/excel/sheet_model.h"
#include "test_support.h"

namespace taskvane::excel {
namespace {

using testing::Book;

// Some cells, a row and a column formatted before the borders, so that the settings meet
// styles of their own, of a whole row and of a whole column.
void Prepare(Worksheet& s) {
  s.Columns(3).Font.Size = 14;
  s.Rows(6).Interior.ColorIndex = 6;
  s.Cells(2, 2).Value = "x";
  Border diagonal = s.Range("B2:E4").Borders(xlDiagonalUp);
  diagonal.LineStyle = xlDash;
  s.Range("A5:F5").Borders(xlEdgeBottom).Weight = xlMedium;
}

void OneByOne(const Range& range, const std::vector<BorderSetting>& settings) {
  for (const BorderSetting& s : settings) {
    Border border = range.Borders(s.index);
    if (s.LineStyle) border.LineStyle = *s.LineStyle;
    if (s.Weight) border.Weight = *s.Weight;
    if (s.ColorIndex) border.ColorIndex = *s.ColorIndex;
  }
}

// Every cell's look in the first rows and columns, and how far each row keeps cells of its
// own (which decides what a row's AutoFit measures).
void ExpectSameSheets(const Worksheet& a, const Worksheet& b) {
  for (long r = 1; r <= 12; ++r) {
    for (long c = 1; c <= 12; ++c) {
      const Style& x = a.Model().Styles().Get(a.Model().CellStyle(r, c));
      const Style& y = b.Model().Styles().Get(b.Model().CellStyle(r, c));
      ASSERT_TRUE(x == y) << "cell " << r << "," << c;
    }
  }
  ASSERT_EQ(a.Model().Rows().size(), b.Model().Rows().size());
  for (std::size_t r = 0; r < a.Model().Rows().size(); ++r) {
    ASSERT_EQ(a.Model().Rows()[r].styles.size(), b.Model().Rows()[r].styles.size()) << "row " << r;
  }
}

TEST(BorderBatchTest, OnePassGivesWhatTheStatementsGive) {
  std::mt19937 random(20240308);
  auto pick = [&](std::initializer_list<long> values) {
    return *(values.begin() + random() % values.size());
  };
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    Book batch, statements;
    Prepare(batch.sheet);
    Prepare(statements.sheet);
    for (int op = 0; op < 3; ++op) {
      // Blocks at the sheet's first row and column too, where edges have no neighbour,
      // single cells, now and then whole rows, and in a few rounds a whole column (whose
      // bottom edge is the sheet's last row: every row then exists).
      const long r1 = 1 + random() % 8, c1 = 1 + random() % 8;
      const long r2 = r1 + random() % 4, c2 = c1 + random() % 4;
      int shape = static_cast<int>(random() % 10);
      if (shape == 1) shape = 2;
      if (round % 100 == 0 && op == 0) shape = 1;
      const auto range = [&](Worksheet& s) {
        if (shape == 0) return s.Range(s.Cells(1, c1), s.Cells(1, c2)).EntireRow();
        if (shape == 1) return Range(s.Columns(c1));
        return s.Range(s.Cells(r1, c1), s.Cells(r2, c2));
      };
      std::vector<BorderSetting> settings;
      const int count = 1 + static_cast<int>(random() % 7);
      for (int i = 0; i < count; ++i) {
        BorderSetting setting{5 + static_cast<long>(random() % 8), {}, {}, {}};
        if (random() % 3 != 0) setting.LineStyle = pick({xlContinuous, xlDash, xlNone, xlDouble});
        if (random() % 2 == 0) setting.Weight = pick({xlHairline, xlThin, xlMedium, xlThick});
        if (random() % 2 == 0) setting.ColorIndex = pick({xlColorIndexAutomatic, 2, 3, xlNone});
        settings.push_back(setting);
      }
      range(batch.sheet).SetBorders(settings);
      OneByOne(range(statements.sheet), settings);
    }
    ExpectSameSheets(batch.sheet, statements.sheet);
  }
}

TEST(BorderBatchTest, ARefusedSettingChangesNothing) {
  Book b;
  Worksheet& s = b.sheet;
  Prepare(s);
  Book untouched;
  Prepare(untouched.sheet);
  const Range block = s.Range("B2:D4");
  const std::vector<std::vector<BorderSetting>> refused = {
      {{xlEdgeLeft, xlContinuous, xlThin, {}}, {xlEdgeTop, 99, {}, {}}},
      {{xlEdgeLeft, xlContinuous, {}, {}}, {xlEdgeTop, {}, 7, {}}},
      {{xlEdgeLeft, xlContinuous, {}, {}}, {xlEdgeTop, {}, {}, 57}},
      {{xlEdgeLeft, xlContinuous, {}, {}}, {13, xlContinuous, {}, {}}},
  };
  for (const auto& settings : refused) {
    try {
      block.SetBorders(settings);
      ADD_FAILURE() << "a refused value went through";
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.Number, 1004);
    }
  }
  ExpectSameSheets(s, untouched.sheet);
  try {
    Range().SetBorders(refused[0]);
    ADD_FAILURE() << "a range of nothing took borders";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, 91);
  }
}

}  // namespace
}  // namespace taskvane::excel
