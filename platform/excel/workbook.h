#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "platform/excel/worksheet.h"

namespace taskvane::excel {

// Workbook.Application
class ExcelApplication {
 public:
  explicit ExcelApplication(std::string version) : Version(std::move(version)) {}

  // "12.0": the generation whose default format is the Open XML workbook.
  const std::string Version;
  double InchesToPoints(double inches) const { return inches * 72.0; }
};

// A new workbook with one sheet, "Sheet1", whose Normal font is "맑은 고딕" 11 pt.
class Workbook {
 public:
  explicit Workbook(std::string version = "12.0");
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  const ExcelApplication Application;

  // The workbook's title and the time it was made, as the saved file's properties give
  // them; the creation time is the clock's when the workbook is made.
  std::string Title;
  std::chrono::system_clock::time_point Created = std::chrono::system_clock::now();

  // 1-based; others raise 9.
  Worksheet& Sheets(long index);

  // Writes the workbook as an Open XML workbook (.xlsx). Never replaces an existing file
  // and never leaves a partial or temporary one; failures raise 1004 with a Korean
  // description naming the path and the reason.
  void SaveAs(const std::string& path) const;

 private:
  std::unique_ptr<Worksheet> sheet_;
};

// CreateObject("Excel.Sheet"): a new workbook. Any other class raises 429.
std::unique_ptr<Workbook> CreateObject(std::string_view class_name);

}  // namespace taskvane::excel
