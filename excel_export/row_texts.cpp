#include "excel_export/row_texts.h"

#include "excel_export/excel_conversion.h"
#include "platform/excel/cell_text_limit.h"

namespace taskvane {

namespace {

constexpr std::size_t kRowsNamed = 10;

}  // namespace

void WriteRowText(ExcelConversion& conv, excel::Range cell, const std::string& text) {
  const std::string_view kept = excel::CellTextPrefix(text);
  if (kept.size() == text.size()) {
    cell.Value = text;
    return;
  }
  cell.Value = std::string(kept);
  conv.CutTextRows.insert(cell.Row());
}

std::string CutTextsMessage(const std::set<long>& rows) {
  std::string text = "셀에 넣을 수 있는 " + std::to_string(excel::kMaxCellTextUnits) +
                     "자보다 긴 텍스트를 잘라서 저장했습니다.\n행: ";
  std::size_t named = 0;
  for (long row : rows) {
    if (named == kRowsNamed) break;
    if (named > 0) text += ", ";
    text += std::to_string(row);
    ++named;
  }
  if (rows.size() > named) text += " 외 " + std::to_string(rows.size() - named) + "개";
  return text;
}

}  // namespace taskvane
