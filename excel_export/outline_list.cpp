#include "excel_export/outline_list.h"

#include <string>

#include "console/main_window_controls.h"
#include "excel_export/excel_conversion.h"
#include "excel_export/listing_fields.h"
#include "excel_export/outline_list_writer.h"
#include "excel_export/range_format.h"
#include "excel_export/row_texts.h"
#include "excel_export/schedule_opening.h"
#include "excel_export/workbook_finishing.h"
#include "platform/excel/constants.h"

namespace taskvane {

namespace {

constexpr int kDeepestIndentLevel = 15;
constexpr int kHeaderRow = 3;
constexpr int kFirstTaskRow = 4;

// Indent steps per outline level below the first: wider for shallow outlines.
int IndentStep(int deepest_level) {
  return deepest_level <= 7 ? 2 : 1;
}

}  // namespace

bool WriteOutlineList(ExcelConversion& conv, std::string form) {
  MainWindowControls& frmMain = conv.frmMain;

  // Opening and pre-scan: blank lines and the deepest outline level.
  OpenSchedule(conv);
  const int n = TakeProjectTasks(conv);
  int deepest_level = 1;
  PreScanOptions scan;
  scan.each_task = [&](int i) {
    const int level = conv.ProjectTasks->Item(i)->OutlineLevel();
    if (level > deepest_level) deepest_level = level;
  };
  if (!PreScanTasks(conv, n, scan)) return false;

  // Form decision.
  int name_columns = 1;
  if (form == "Column") {
    name_columns = deepest_level;
  } else if (deepest_level > kDeepestIndentLevel) {
    const int answer = frmMain.Platform().MsgBox(
        "들여쓰기 형식은 15 항목 이상 들여쓰기가 불가능합니다. 칼럼분리형으로 변환하시겠습니까?",
        forms::vbYesNo, kAppTitle);
    if (answer != forms::vbYes) return false;
    form = "Column";
    name_columns = deepest_level;
  }

  // Workbook and header.
  CreateWorkbook(conv);
  excel::Worksheet& Sheet = *conv.Sheet;
  const forms::ListView& fields = frmMain.lvwListingFields;
  const int f = fields.Count();
  const int last_column = name_columns + f;
  Sheet.Cells(kHeaderRow, 1).Value = "작업";
  for (int j = 1; j <= f; ++j)
    Sheet.Cells(kHeaderRow, name_columns + j).Value = fields.Item(j).Text;

  // Task rows.
  const int step = IndentStep(deepest_level);
  for (int i = 1; i <= n; ++i) {
    conv.CurrentTask = conv.ProjectTasks->Item(i);
    const project::Task& task = *conv.CurrentTask;
    conv.Status(std::to_string(i) + "번째 작업 저장 중");
    const int r = i + kFirstTaskRow - 1;
    const int level = task.OutlineLevel();
    if (form == "Column") {
      WriteRowText(conv, Sheet.Cells(r, level), task.Name());
    } else {
      WriteRowText(conv, Sheet.Cells(r, 1), task.Name());
      if (level > 1)
        Sheet.Range(Sheet.Cells(r, 1), Sheet.Cells(r, 1)).InsertIndent((level - 1) * step);
    }
    for (int j = 1; j <= f; ++j) {
      WriteRowText(conv, Sheet.Cells(r, name_columns + j),
                   task.GetField(ListingFieldId(fields.Item(j))));
    }
  }

  // Formatting.
  const int last_row = n + kFirstTaskRow - 1;
  conv.Status("엑셀 포맷 정리 중");
  Sheet.Range(Sheet.Cells(1, 1), Sheet.Cells(last_row, last_column)).Font.Size = 8;
  Sheet.Columns.ColumnWidth = 4.5;
  conv.CurrentRange = Sheet.Range(Sheet.Cells(kHeaderRow, 1), Sheet.Cells(kHeaderRow, last_column));
  BordersThinGrid(conv.CurrentRange);
  conv.CurrentRange =
      Sheet.Range(Sheet.Cells(kFirstTaskRow, 1), Sheet.Cells(last_row, last_column));
  BordersThinBox(conv.CurrentRange);
  BorderHairInsideHorizontal(conv.CurrentRange);
  Sheet.Rows(kHeaderRow).HorizontalAlignment = excel::xlCenter;
  for (int j = 1; j <= f; ++j) {
    const int c = name_columns + j;
    conv.CurrentRange = Sheet.Range(Sheet.Cells(kFirstTaskRow, c), Sheet.Cells(last_row, c));
    BordersThinBox(conv.CurrentRange);
    Sheet.Columns(c).AutoFit();
  }
  if (form == "Column") {
    Sheet.Range(Sheet.Cells(kHeaderRow, 1), Sheet.Cells(kHeaderRow, name_columns)).Merge();
    Sheet.Columns(name_columns).AutoFit();
  } else {
    Sheet.Columns(1).AutoFit();
  }
  conv.CurrentRange = Sheet.Range(Sheet.Cells(kHeaderRow, 1), Sheet.Cells(kHeaderRow, last_column));
  FormatHeaderRange(conv.CurrentRange);
  // The title and the project name come after the columns were fitted, so their length
  // never widens a column.
  Sheet.Cells(1, 1).Value = frmMain.txtTitleExcel.Text.get();
  conv.CurrentRange = Sheet.Range(Sheet.Cells(1, 1), Sheet.Cells(1, last_column));
  FormatTitleRange(conv.CurrentRange);
  Sheet.Cells(2, 1).Value = frmMain.txtPJTNameExcel.Text.get();
  Sheet.Cells(2, 1).Font.Bold = true;
  return true;
}

void RunOutlineList(ExcelConversion& conv, std::string form) {
  try {
    if (WriteOutlineList(conv, std::move(form))) FinishWorkbook(conv, kOutlineListTitleRows);
  } catch (const AutomationError& error) {
    HandleWriterError(conv, error);
  }
}

void ExportOutlineList(MainWindowControls& frmMain, std::string form, const std::string& path) {
  ExcelConversion conv(frmMain, path);
  RunOutlineList(conv, std::move(form));
}

}  // namespace taskvane
