#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/excel/page_setup.h"
#include "platform/excel/range.h"
#include "platform/excel/shapes.h"

namespace taskvane::excel {

class ExcelApplication;
class SheetModel;
class Workbook;

// A sheet of a workbook: its cells (`Cells`, `Range`, `Columns`, `Rows`), its shapes and
// its page setup. Owned by its workbook; ranges and shapes refer to it.
class Worksheet {
 public:
  Worksheet(Workbook& book, std::string name);
  ~Worksheet();
  Worksheet(const Worksheet&) = delete;
  Worksheet& operator=(const Worksheet&) = delete;

  const ExcelApplication& Application;
  SheetColumns Columns{this};
  SheetRows Rows{this};
  SheetShapes Shapes{this};
  SheetPageSetup PageSetup;

  // The cell in row 1..1,048,576 and column 1..16,384 (else 1004).
  excel::Range Cells(long row, long column);
  // The block spanned by two ranges of this sheet.
  excel::Range Range(const excel::Range& first, const excel::Range& last);
  // An A1 reference: "A3", "A3:A4", "$B$2:$D$9", "C:D", "3:4" (else 1004).
  excel::Range Range(std::string_view reference);

  // Saves the workbook as an Open XML workbook at `path` (see Workbook::SaveAs).
  void SaveAs(const std::string& path);

  const std::string& Name() const { return name_; }
  const Workbook& Parent() const { return book_; }
  SheetModel& Model() { return *model_; }
  const SheetModel& Model() const { return *model_; }

 private:
  Workbook& book_;
  std::string name_;
  std::unique_ptr<SheetModel> model_;
};

}  // namespace taskvane::excel
