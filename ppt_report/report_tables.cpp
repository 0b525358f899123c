#include "ppt_report/report_tables.h"

#include "ppt_report/weekly_report.h"

namespace taskvane {

namespace {

// The table's own frame around a cell: top, bottom, left, right, each of weight 1.
void FrameCell(ppt::Cell& cell) {
  for (int side : {ppt::ppBorderTop, ppt::ppBorderBottom, ppt::ppBorderLeft, ppt::ppBorderRight}) {
    cell.Borders(side).Weight = 1;
  }
}

void SetWidthsAndTexts(ppt::Table& table, std::span<const double> widths,
                       std::span<const std::string> texts) {
  for (std::size_t c = 0; c < widths.size(); ++c) {
    table.Columns(static_cast<int>(c) + 1).Width = widths[c];
  }
  for (std::size_t c = 0; c < texts.size(); ++c) {
    table.Cell(1, static_cast<int>(c) + 1).Shape.TextFrame.TextRange.Text = texts[c];
  }
}

}  // namespace

void AddPeriodTable(WeeklyReport& report, std::span<const double> widths,
                    std::span<const std::string> texts) {
  const int columns = static_cast<int>(widths.size());
  report.PeriodTable = &report.Slide().Shapes.AddTable(1, columns, 50, 50, 620, 10);
  report.ReportRow.TableRow = 1;
  ppt::Table& table = report.PeriodCells();
  SetWidthsAndTexts(table, widths, texts);
  for (int c = 1; c <= columns; ++c) {
    ppt::Cell& cell = table.Cell(report.ReportRow.TableRow, c);
    ppt::TextRange text = cell.Shape.TextFrame.TextRange;
    text.Font.Size = 12;
    FrameCell(cell);
    text.ParagraphFormat.BaseLineAlignment = ppt::ppBaselineAlignCenter;
    text.ParagraphFormat.Alignment = ppt::ppAlignCenter;
  }
}

void AddTaskTableHeader(WeeklyReport& report, std::span<const double> widths,
                        std::span<const std::string> headers) {
  const int columns = static_cast<int>(widths.size());
  report.TaskTable = &report.Slide().Shapes.AddTable(1, columns, 50, 80, 620, 20);
  ppt::Table& table = report.TaskCells();
  SetWidthsAndTexts(table, widths, headers);
  for (int c = 1; c <= columns; ++c) {
    ppt::Cell& cell = table.Cell(1, c);
    cell.Shape.TextFrame.TextRange.Font.Size = 10;
    FrameCell(cell);
    // The finish date and the rates are centred from the start; the names after the loop.
    if (c >= 4) cell.Shape.TextFrame.TextRange.ParagraphFormat.Alignment = ppt::ppAlignCenter;
  }
}

void SetTaskRowHeights(WeeklyReport& report) {
  ppt::Table& table = report.TaskCells();
  for (int r = 1; r <= table.Rows.Count; ++r) table.Rows(r).Height = 20;
}

void CentreTaskHeader(WeeklyReport& report, int last_column) {
  ppt::Table& table = report.TaskCells();
  for (int c = 1; c <= last_column; ++c) {
    table.Cell(1, c).Shape.TextFrame.TextRange.ParagraphFormat.Alignment = ppt::ppAlignCenter;
  }
}

}  // namespace taskvane
