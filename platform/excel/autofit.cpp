#include "platform/excel/autofit.h"

#include <algorithm>
#include <cmath>

#include "platform/excel/geometry.h"
#include "platform/excel/number_format.h"
#include "platform/excel/text_metrics.h"

namespace taskvane::excel {

namespace {

// Longest paragraph of a text, in pixels.
double WidestLine(std::string_view text, double size, bool bold) {
  double widest = 0;
  std::size_t start = 0;
  while (true) {
    const auto end = text.find('\n', start);
    widest = std::max(widest, TextPixels(text.substr(start, end - start), size, bold));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return widest;
}

}  // namespace

void AutoFitColumn(SheetModel& sheet, long column) {
  double widest = -1;
  const auto& rows = sheet.Rows();
  for (long r = 1; r <= static_cast<long>(rows.size()); ++r) {
    const CellValue* value = sheet.Value(r, column);
    if (value == nullptr || sheet.MergeAt(r, column) != nullptr) continue;
    const Style& style = sheet.Styles().Get(sheet.CellStyle(r, column));
    const std::string text = DisplayText(*value, sheet.Styles().Format(style.number_format));
    const double pixels =
        WidestLine(text, style.font_size, style.bold) + style.indent * kIndentPixels;
    widest = std::max(widest, pixels);
  }
  long pixels = kStandardColumnPixels;
  if (widest >= 0) {
    const long most = ColumnPixels(kMaxColumnWidth);
    pixels = std::min(most, static_cast<long>(std::ceil(widest - 1e-9)) + 7);
  }
  sheet.SetColumnPixels(column, pixels);
}

void AutoFitRow(SheetModel& sheet, long row) {
  double height = 0;
  const auto& rows = sheet.Rows();
  if (row <= static_cast<long>(rows.size())) {
    const SheetModel::Row& stored = rows[row - 1];
    const StyleTable& styles = sheet.Styles();
    if (stored.custom_format) height = LineHeight(styles.Get(stored.style).font_size);
    // Every formatted cell counts with its font, filled or not.
    StyleId last = 0;
    for (StyleId id : stored.styles) {
      if (id == last || id == 0) continue;
      last = id;
      height = std::max(height, LineHeight(styles.Get(id).font_size));
    }
    for (const auto& [column, value] : stored.values) {
      if (sheet.MergeAt(row, column) != nullptr) continue;
      const Style& style = styles.Get(sheet.CellStyle(row, column));
      int lines = 1;
      if (style.wrap) {
        const std::string text = DisplayText(value, styles.Format(style.number_format));
        const double width = sheet.ColumnPixels(column) - 5.0 - style.indent * kIndentPixels;
        lines = WrappedLines(text, style.font_size, style.bold, width);
      }
      height = std::max(height, lines * LineHeight(style.font_size));
    }
  }
  if (height == 0) height = kDefaultRowHeight;
  sheet.SetRowHeight(row, std::min(height, kMaxRowHeight), false);
}

}  // namespace taskvane::excel
