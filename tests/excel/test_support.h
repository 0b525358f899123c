#pragma once

#include <filesystem>
#include <string>

#include "platform/excel/excel.h"
#include "platform/excel/sheet_model.h"

namespace taskvane::excel::testing {

// A folder of its own for one test, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Writes a real JPEG of the given pixel size (a red-to-blue gradient).
void WriteJpeg(const std::filesystem::path& path, int width, int height);

void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);

// A new workbook and its sheet.
struct Book {
  std::unique_ptr<Workbook> book = CreateObject("Excel.Sheet");
  Worksheet& sheet = book->Sheets(1);
};

}  // namespace taskvane::excel::testing
