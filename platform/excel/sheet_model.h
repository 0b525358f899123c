#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "platform/excel/cell_value.h"
#include "platform/excel/range.h"
#include "platform/excel/style.h"

namespace taskvane::excel {

using detail::Area;

// Everything a sheet holds, stored compactly: a style id per cell in rows stored densely
// up to their last formatted cell, values sparsely per row, and style ids for whole rows
// and columns. A cell not stored takes the style of its row when the row was formatted as
// a whole, else that of its column. Range operations are style transitions: each distinct
// style met in the range is changed once and interned; cells just take the new id.
class SheetModel {
 public:
  struct Row {
    std::vector<StyleId> styles;                             // columns 1..size()
    std::vector<std::pair<std::int32_t, CellValue>> values;  // sorted by column
    double height = 0;                                       // points; used when height_set
    bool height_set = false;
    bool height_custom = false;  // set by RowHeight, not by AutoFit
    bool custom_format = false;  // formatted as a whole row: `style` below
    StyleId style = 0;
  };

  SheetModel();

  StyleTable& Styles() { return styles_; }
  const StyleTable& Styles() const { return styles_; }

  // --- formats
  StyleId CellStyle(long row, long column) const;
  // Changes the style of every cell of `area` (whole rows and columns included).
  void Transform(const Area& area, const std::function<void(Style&)>& change);
  // One change of a batch: `change` applied to every cell of `area`.
  struct AreaChange {
    Area area;
    std::function<void(Style&)> change;
    // Known to leave every style of the sheet as it is: its cells are not visited, though
    // their rows are laid out as Transform would lay them out for it.
    bool changes_nothing = false;
  };
  // The changes as Transform would make them one after another, in one pass over the
  // block they span: each cell takes, in order, the changes whose areas hold it, and a
  // cell they leave as it was keeps its style id. Batches with whole rows or columns, or
  // of more than 64 changes, are made one change after another.
  void Transform(std::span<const AreaChange> changes);
  // Calls `visit` with the style id of every cell of `area`, each group of cells that
  // surely share a style once; stops when `visit` returns false.
  void ForEachStyle(const Area& area, const std::function<bool(StyleId)>& visit) const;

  // --- values
  const CellValue* Value(long row, long column) const;
  void SetValue(long row, long column, CellValue value);

  // --- geometry
  long ColumnPixels(long column) const { return column_pixels_[column - 1]; }
  bool ColumnCustom(long column) const { return column_custom_[column - 1]; }
  void SetColumnPixels(long column, long pixels);
  double RowHeight(long row) const;
  void SetRowHeight(long row, double points, bool custom);
  // The default height of rows without one of their own (Rows.RowHeight sets it).
  double DefaultRowHeight() const { return default_row_height_; }
  void SetDefaultRowHeight(double points) {
    default_row_height_ = points;
    row_tops_.clear();
  }
  double ColumnLeft(long column) const;  // points from the sheet's left edge
  double RowTop(long row) const;         // points from the sheet's top edge
  // The row under the point `y` points from the sheet's top edge: the first row whose
  // lower edge lies more than `tolerance` below it.
  long RowAt(double y, double tolerance) const;

  // --- merges
  const std::vector<Area>& Merges() const { return merges_; }
  // Joins `area`; merges wholly inside it are absorbed, a partial overlap raises 1004;
  // values other than the top-left one are cleared.
  void Merge(const Area& area);
  // The merge holding the cell, if any.
  const Area* MergeAt(long row, long column) const;

  // --- storage, for the writer
  const std::vector<Row>& Rows() const { return rows_; }
  StyleId ColumnStyle(long column) const { return column_styles_[column - 1]; }
  long LastStyledColumn() const { return last_styled_column_; }

 private:
  Row& EnsureRow(long row);
  StyleId Inherited(const Row& row, long column) const {
    return row.custom_format ? row.style : column_styles_[column - 1];
  }
  void Materialize(Row& row, long last_column);
  void UpdateLastStyledColumn();

  StyleTable styles_;
  std::vector<Row> rows_;
  std::vector<StyleId> column_styles_;
  long last_styled_column_ = 0;
  std::vector<std::uint16_t> column_pixels_;
  std::vector<bool> column_custom_;
  double default_row_height_;
  // Tops of the stored rows and of the row after them, computed as far as asked for and
  // cut back when a height changes, so placing many shapes stays linear.
  mutable std::vector<double> row_tops_;
  std::vector<Area> merges_;
};

inline bool Intersects(const Area& a, const Area& b) {
  return a.row1 <= b.row2 && b.row1 <= a.row2 && a.col1 <= b.col2 && b.col1 <= a.col2;
}
inline bool Contains(const Area& outer, const Area& inner) {
  return outer.row1 <= inner.row1 && inner.row2 <= outer.row2 && outer.col1 <= inner.col1 &&
         inner.col2 <= outer.col2;
}

}  // namespace taskvane::excel
