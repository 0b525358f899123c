// Writes a day sheet of 10,000 task rows over 1,100 day columns with a border on every
// cell, and reports the time to build and to save it and the peak memory of the process.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/bench_support.h"
#include "platform/excel/excel.h"
#include "platform/excel/sheet_model.h"

using namespace taskvane::excel;

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void Draw(const Range& range, long index, long weight) {
  Border border = range.Borders(index);
  border.LineStyle = xlContinuous;
  border.Weight = weight;
  border.ColorIndex = xlColorIndexAutomatic;
}

}  // namespace

int main(int argc, char** argv) {
  const long rows = argc > 1 ? std::stol(argv[1]) : 10000;
  const long days = argc > 2 ? std::stol(argv[2]) : 1100;
  const long last_row = rows + 4, last_column = days + 5;

  const auto start = std::chrono::steady_clock::now();
  auto book = CreateObject("Excel.Sheet");
  Worksheet& s = book->Sheets(1);
  s.Columns.ColumnWidth = 2.39;
  s.Columns(1).ColumnWidth = 11.5;
  s.Columns(2).ColumnWidth = 22.75;
  s.Columns(3).ColumnWidth = 34;
  s.Range(s.Cells(2, 1), s.Cells(last_row, last_column)).RowHeight = 13.5;
  for (long r = 5; r <= last_row; ++r) {
    s.Cells(r, 3).Value = "공정 " + std::to_string(r - 4);
    s.Cells(r, days + 4).Value = "2024-01-05";
    s.Cells(r, days + 5).Value = "2024-02-05";
  }
  Range grid = s.Range(s.Cells(3, 1), s.Cells(last_row, last_column));
  for (long i : {xlEdgeLeft, xlEdgeTop, xlEdgeBottom, xlEdgeRight, xlInsideHorizontal}) {
    Draw(grid, i, xlThin);
  }
  Draw(grid, xlInsideVertical, xlHairline);
  for (long k = 1; k + 7 <= days; k += 7) {  // a thin line between weeks
    Range week = s.Range(s.Cells(5, k + 3), s.Cells(last_row, k + 9));
    Draw(week, xlEdgeLeft, xlThin);
    Draw(week, xlEdgeRight, xlThin);
  }
  grid.Font.Size = 8;
  const double build = Seconds(start);

  const auto folder =
      std::filesystem::temp_directory_path() / ("tv_excel_bench_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "day_sheet.xlsx").string();
  const auto save_start = std::chrono::steady_clock::now();
  s.SaveAs(path);
  const double save = Seconds(save_start);
  const auto bytes = std::filesystem::file_size(path);
  std::filesystem::remove_all(folder);

  std::printf("sheet: %ld rows x %ld columns, %zu styles\n", last_row, last_column,
              s.Model().Styles().size());
  std::printf("build: %.2f s, save: %.2f s, file: %.1f MB, peak memory: %.0f MB\n", build, save,
              bytes / 1e6, taskvane::bench::PeakRssMegabytes());
  return 0;
}
