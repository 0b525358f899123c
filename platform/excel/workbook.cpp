#include "platform/excel/workbook.h"

#include "platform/excel/errors.h"
#include "platform/excel/xlsx_writer.h"

namespace taskvane::excel {

Workbook::Workbook(std::string version)
    : Application(std::move(version)), sheet_(std::make_unique<Worksheet>(*this, "Sheet1")) {}

Worksheet& Workbook::Sheets(long index) {
  if (index != 1) throw AutomationError(kErrSubscript, "아래 첨자 사용이 잘못되었습니다.");
  return *sheet_;
}

void Workbook::SaveAs(const std::string& path) const {
  WriteWorkbookPackage(*sheet_).Save(path, kErrExcelRefused);
}

std::unique_ptr<Workbook> CreateObject(std::string_view class_name) {
  if (class_name != "Excel.Sheet") {
    throw AutomationError(kErrCannotCreateObject, "ActiveX 구성 요소는 개체를 만들 수 없습니다: " +
                                                      std::string(class_name));
  }
  return std::make_unique<Workbook>();
}

}  // namespace taskvane::excel
