#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "excel_export/outline_list.h"
#include "excel_export/outline_list_writer.h"
#include "excel_export/row_texts.h"
#include "platform/excel/excel.h"
#include "platform/excel/sheet_model.h"
#include "tests/excel_export/excel_export_fixture.h"

namespace taskvane::testing {
namespace {

using namespace excel;
using OutlineListTest = ExcelExportTest;
using Strings = std::vector<std::string>;

constexpr long kStartField = 188743715;
constexpr long kText1Field = 188743731;

long Indent(Worksheet& sheet, long row) {
  return sheet.Cells(row, 1).IndentLevel;
}
long Edge(Worksheet& sheet, long row, long column, long index) {
  return sheet.Cells(row, column).Borders(index).LineStyle;
}

TEST_F(OutlineListTest, IndentStepFollowsTheDeepestLevel) {
  struct Case {
    std::vector<int> levels;
    std::vector<long> indents;
  };
  const std::vector<Case> cases = {
      {{1, 2, 3, 4, 5, 6, 7}, {0, 2, 4, 6, 8, 10, 12}},
      {{1, 2, 3, 4, 5, 6, 7, 8}, {0, 1, 2, 3, 4, 5, 6, 7}},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
      {{1, 1, 1}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.levels));
    project::ProjectBuilder fresh;
    for (size_t i = 0; i < c.levels.size(); ++i)
      fresh.AddTask("T" + std::to_string(i + 1), c.levels[i]);
    std::shared_ptr<project::Project> document = fresh.Build();
    ExcelConversion conv(frmMain, Output("out.xlsx"));
    conv.OpenProjectFile = [document](const std::string&) { return document; };
    ASSERT_TRUE(WriteOutlineList(conv, "Indent"));
    Worksheet& sheet = *conv.Sheet;
    for (size_t i = 0; i < c.levels.size(); ++i) {
      EXPECT_EQ(sheet.Cells(i + 4, 1).Value, "T" + std::to_string(i + 1));
      EXPECT_EQ(Indent(sheet, i + 4), c.indents[i]) << "row " << i + 4;
    }
    EXPECT_FALSE(sheet.Cells(3, 1).MergeCells());
    EXPECT_TRUE(services.Messages().empty());
  }
}

std::vector<int> SixteenLevels() {
  std::vector<int> levels;
  for (int level = 1; level <= 16; ++level) levels.push_back(level);
  return levels;
}

TEST_F(OutlineListTest, SixteenLevelsAnsweredYesGiveTheColumnForm) {
  AddTasksAtLevels(SixteenLevels());
  services.Answers.push_back(forms::vbYes);
  auto conv = Conversion();
  ASSERT_TRUE(WriteOutlineList(*conv, "Indent"));
  EXPECT_EQ(services.Messages(),
            Strings{"Taskvane | YesNo | 들여쓰기 형식은 15 항목 이상 들여쓰기가 불가능합니다. "
                    "칼럼분리형으로 변환하시겠습니까?"});
  Worksheet& sheet = *conv->Sheet;
  EXPECT_EQ(sheet.Cells(19, 16).Value, "T16");
  EXPECT_EQ(sheet.Cells(19, 1).Value, CellValue());
  EXPECT_EQ(Indent(sheet, 19), 0);
  const auto* merge = sheet.Model().MergeAt(3, 1);
  ASSERT_NE(merge, nullptr);
  EXPECT_EQ(*merge, (detail::Area{3, 1, 3, 16}));
  EXPECT_EQ(sheet.Cells(3, 1).Value, "작업");
  EXPECT_TRUE(sheet.Cells(1, 16).MergeCells());  // the title spans the 16 name columns
  EXPECT_FALSE(sheet.Cells(1, 17).MergeCells());
}

TEST_F(OutlineListTest, SixteenLevelsAnsweredNoCreateNoFile) {
  AddTasksAtLevels(SixteenLevels());
  services.Answers.push_back(forms::vbNo);
  auto conv = Conversion();
  RunOutlineList(*conv, "Indent");
  EXPECT_FALSE(std::filesystem::exists(conv->path));
  EXPECT_EQ(statuses.back(), "16번째 목록 확인 중");
  EXPECT_EQ(conv->Workbook, nullptr);
}

TEST_F(OutlineListTest, ColumnFormPlacesNamesByLevel) {
  AddTasksAtLevels({1, 2, 3, 3, 1});
  auto conv = Conversion();
  ASSERT_TRUE(WriteOutlineList(*conv, "Column"));
  Worksheet& sheet = *conv->Sheet;
  EXPECT_EQ(sheet.Cells(6, 3).Value, "T3");
  EXPECT_EQ(sheet.Cells(6, 1).Value, CellValue());
  EXPECT_EQ(sheet.Cells(6, 2).Value, CellValue());
  EXPECT_EQ(sheet.Cells(5, 2).Value, "T2");
  EXPECT_EQ(sheet.Cells(8, 1).Value, "T5");
  EXPECT_EQ(*sheet.Model().MergeAt(3, 1), (detail::Area{3, 1, 3, 3}));
  // Only the deepest name column is fitted; the others keep 4.5.
  EXPECT_EQ(sheet.Columns(1).ColumnWidth.get(), 4.5);
  EXPECT_EQ(sheet.Columns(2).ColumnWidth.get(), 4.5);
  EXPECT_EQ(sheet.Columns(4).ColumnWidth.get(), 4.5);
}

TEST_F(OutlineListTest, ChosenFieldsAndTheSheetLook) {
  schedule.AddTask("설계", 1).Summary().Start("2024-03-04 08:00").Finish("2024-03-08 17:00");
  schedule.AddTask("=SUM(A1)", 2)
      .Start("2024-03-05 08:00")
      .Finish("2024-03-08 17:00")
      .Field(kText1Field, "검토 필요");
  ChooseField(kStartField, "시작 날짜");
  ChooseField(kText1Field, "텍스트1");
  frmMain.txtTitleExcel.Text = "2024년 상반기 차세대 시스템 구축 사업 전체 일정표 (최종 승인본)";
  auto conv = Conversion();
  ASSERT_TRUE(WriteOutlineList(*conv, "Indent"));
  Worksheet& sheet = *conv->Sheet;

  EXPECT_EQ(sheet.Cells(1, 1).Value, frmMain.txtTitleExcel.Text.get());
  EXPECT_TRUE(sheet.Cells(1, 3).MergeCells());
  EXPECT_FALSE(sheet.Cells(1, 4).MergeCells());
  EXPECT_EQ(sheet.Cells(1, 1).Font.Size.get(), 14);
  EXPECT_EQ(sheet.Cells(2, 1).Value, "차세대 시스템 구축");
  EXPECT_TRUE(sheet.Cells(2, 1).Font.Bold.get());
  EXPECT_EQ(sheet.Cells(2, 1).Font.Size.get(), 8);

  EXPECT_EQ(sheet.Cells(3, 1).Value, "작업");
  EXPECT_EQ(sheet.Cells(3, 2).Value, "시작 날짜");
  EXPECT_EQ(sheet.Cells(3, 3).Value, "텍스트1");
  Range header = sheet.Range("A3:C3");
  EXPECT_EQ(header.Interior.ColorIndex.get(), 36);
  EXPECT_TRUE(header.Font.Bold.get());
  EXPECT_EQ(header.HorizontalAlignment.get(), xlCenter);
  EXPECT_EQ(header.Borders(xlInsideVertical).Weight.get(), xlThin);

  EXPECT_TRUE(sheet.Cells(4, 2).Value.get().IsDate());
  EXPECT_EQ(sheet.Cells(5, 3).Value, "검토 필요");
  EXPECT_EQ(sheet.Cells(4, 3).Value.get().text(), "");  // an empty text field
  EXPECT_EQ(sheet.Cells(5, 1).Value, "=SUM(A1)");       // a name never becomes a formula
  EXPECT_EQ(sheet.Cells(5, 1).Font.Size.get(), 8);

  // The task block: thin frame, hairlines between the rows; each field column framed.
  EXPECT_EQ(Edge(sheet, 4, 1, xlEdgeBottom), xlContinuous);
  EXPECT_EQ(sheet.Cells(4, 1).Borders(xlEdgeBottom).Weight.get(), xlHairline);
  EXPECT_EQ(sheet.Cells(5, 1).Borders(xlEdgeBottom).Weight.get(), xlThin);
  EXPECT_EQ(sheet.Cells(4, 1).Borders(xlEdgeRight).Weight.get(), xlThin);
  EXPECT_EQ(sheet.Cells(4, 3).Borders(xlEdgeRight).Weight.get(), xlThin);
  EXPECT_GT(sheet.Columns(2).ColumnWidth.get(), 4.5);  // fitted to the dates
  // The title was written after the fitting: column 1 fits the names, not the title.
  EXPECT_LT(sheet.Columns(1).ColumnWidth.get(), 15);
}

TEST_F(OutlineListTest, NoChosenFieldsAndNoTasks) {
  auto conv = Conversion();
  ASSERT_TRUE(WriteOutlineList(*conv, "Column"));
  Worksheet& sheet = *conv->Sheet;
  EXPECT_EQ(sheet.Cells(3, 1).Value, "작업");
  EXPECT_FALSE(sheet.Cells(1, 1).MergeCells());
  EXPECT_EQ(sheet.Cells(1, 1).Font.Size.get(), 14);
  // With no task rows the data block is rows 3 and 4.
  EXPECT_EQ(Edge(sheet, 4, 1, xlEdgeBottom), xlContinuous);
  EXPECT_EQ(Edge(sheet, 3, 1, xlEdgeTop), xlContinuous);
  EXPECT_EQ(statuses,
            (Strings{"프로젝트를 여는 중", "목록 확인 중", "저장 중", "엑셀 포맷 정리 중"}));
}

TEST_F(OutlineListTest, StatusTextsOfAWholeRunInOrder) {
  AddTasksAtLevels({1, 2});
  frmMain.chkExecuteConvertlFile.Value = forms::vbChecked;
  auto conv = Conversion();
  RunOutlineList(*conv, "Indent");
  EXPECT_EQ(statuses, (Strings{"프로젝트를 여는 중", "목록 확인 중", "1번째 목록 확인 중",
                               "2번째 목록 확인 중", "저장 중", "1번째 작업 저장 중",
                               "2번째 작업 저장 중", "엑셀 포맷 정리 중", "준비"}));
  EXPECT_TRUE(std::filesystem::exists(conv->path));
  EXPECT_EQ(services.Lines("OPEN "), Strings{frmMain.OutputFilePath});
  EXPECT_TRUE(services.Messages().empty());
}

TEST_F(OutlineListTest, BlankLinesCreateNoWorkbook) {
  for (bool first : {true, false}) {
    SCOPED_TRACE(first ? "blank first line" : "blank second line");
    project::ProjectBuilder fresh;
    if (first) fresh.AddBlankLine();
    fresh.AddTask("A", 1);
    if (!first) fresh.AddBlankLine();
    fresh.AddTask("B", 1);
    std::shared_ptr<project::Project> document = fresh.Build();
    ExcelConversion conv(frmMain, Output(first ? "first.xlsx" : "second.xlsx"));
    conv.OpenProjectFile = [document](const std::string&) { return document; };
    services.Log.clear();
    RunOutlineList(conv, "Indent");
    EXPECT_EQ(services.Messages(), Strings{"Taskvane | OK | 프로젝트 내에 빈 작업이 존재합니다."});
    EXPECT_EQ(statuses.back(), "준비");
    EXPECT_FALSE(std::filesystem::exists(conv.path));
  }
}

// A name or a field text longer than a cell holds is cut to 32,767 UTF-16 units; every row
// is still written, the title too, and one message after the save names the cut rows.
TEST_F(OutlineListTest, TextsLongerThanACellHoldsAreCutAndNamedAfterSaving) {
  ChooseField(kText1Field, "텍스트1");
  std::string long_text;
  for (int i = 0; i < 33000; ++i) long_text += "가";
  schedule.AddTask("Plan", 1);
  schedule.AddTask(std::string(40000, 'n'), 2);                // row 5
  schedule.AddTask("Build", 2).Field(kText1Field, long_text);  // row 6
  schedule.AddTask("Ship", 1);
  const std::string kept_text = long_text.substr(0, 32767 * 3);
  for (const std::string form : {"Indent", "Column"}) {
    services.Log.clear();
    frmMain.chkExecuteConvertlFile.Value = forms::vbChecked;
    auto conv = Conversion(form + ".xlsx");
    RunOutlineList(*conv, form);
    EXPECT_EQ(services.Log,
              (Strings{"MSGBOX Taskvane | OK | 셀에 넣을 수 있는 32767자보다 긴 텍스트를 잘라서 "
                       "저장했습니다.\n행: 5, 6",
                       "OPEN " + conv->path}))
        << form;
    const WorkbookFacts book = ReadBack(conv->path);
    const std::string field_column = form == "Indent" ? "B" : "C";
    EXPECT_EQ(book["cell.A1"], "s:전체 일정표");
    EXPECT_EQ(book[form == "Indent" ? "cell.A5" : "cell.B5"], "s:" + std::string(32767, 'n'));
    EXPECT_EQ(book["cell." + field_column + "6"], "s:" + kept_text);
    EXPECT_EQ(book["cell.A7"], "s:Ship");
  }
}

TEST(CutTextsMessageTest, NamesTheFirstTenRowsAndCountsTheRest) {
  EXPECT_EQ(CutTextsMessage({9}),
            "셀에 넣을 수 있는 32767자보다 긴 텍스트를 잘라서 저장했습니다.\n행: 9");
  std::set<long> rows;
  for (long r = 5; r <= 17; ++r) rows.insert(r);
  EXPECT_TRUE(CutTextsMessage(rows).ends_with("행: 5, 6, 7, 8, 9, 10, 11, 12, 13, 14 외 3개"));
}

}  // namespace
}  // namespace taskvane::testing
