#include "platform/excel/worksheet.h"

#include "platform/excel/a1_reference.h"
#include "platform/excel/errors.h"
#include "platform/excel/sheet_model.h"
#include "platform/excel/workbook.h"

namespace taskvane::excel {

Worksheet::Worksheet(Workbook& book, std::string name)
    : Application(book.Application),
      book_(book),
      name_(std::move(name)),
      model_(std::make_unique<SheetModel>()) {}

Worksheet::~Worksheet() = default;

excel::Range Worksheet::Cells(long row, long column) {
  if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns) {
    Refuse("Cells(" + std::to_string(row) + ", " + std::to_string(column) +
           "): 시트 밖의 셀입니다. 행은 1부터 1048576까지, 열은 1부터 16384까지입니다.");
  }
  return excel::Range(this, {row, column, row, column});
}

excel::Range Worksheet::Range(const excel::Range& first, const excel::Range& last) {
  if (first.IsNothing() || last.IsNothing()) {
    throw AutomationError(kErrObjectNotSet,
                          "개체 변수 또는 With 블록 변수가 설정되어 있지 않습니다.");
  }
  if (first.Parent() != this || last.Parent() != this) {
    Refuse("Range 메서드를 실행할 수 없습니다. 다른 시트의 셀입니다.");
  }
  const detail::Area& a = first.Area();
  const detail::Area& b = last.Area();
  return excel::Range(this, {std::min(a.row1, b.row1), std::min(a.col1, b.col1),
                             std::max(a.row2, b.row2), std::max(a.col2, b.col2)});
}

excel::Range Worksheet::Range(std::string_view reference) {
  auto area = ParseA1(reference);
  if (!area) Refuse("Range(\"" + std::string(reference) + "\"): 올바른 셀 참조가 아닙니다.");
  return excel::Range(this, *area);
}

void Worksheet::SaveAs(const std::string& path) {
  book_.SaveAs(path);
}

}  // namespace taskvane::excel
