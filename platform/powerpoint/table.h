#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/powerpoint/constants.h"
#include "platform/powerpoint/property.h"
#include "platform/powerpoint/text_range.h"

namespace taskvane::ppt {

class Shape;
class Table;

struct ColumnWidthAccess {
  using value_type = double;
  Table* table;
  int column;
  double Get() const;
  void Set(const double& points) const;
};
struct RowHeightAccess {
  using value_type = double;
  Table* table;
  int row;
  double Get() const;
  void Set(const double& points) const;
};
struct BorderWeightAccess {
  using value_type = double;
  Table* table;
  int row;
  int column;
  int border_type;
  double Get() const;
  void Set(const double& points) const;
};
struct RowCountAccess {
  using value_type = int;
  const Table* table;
  int Get() const;
};
struct ColumnCountAccess {
  using value_type = int;
  const Table* table;
  int Get() const;
};

// Table.Columns(n): the column's width in points. Changing it changes the table's width.
class Column {
 public:
  Column(Table* table, int column) : Width(ColumnWidthAccess{table, column}) {}
  Column(const Column&) = default;
  Column& operator=(const Column&) = delete;

  Property<ColumnWidthAccess> Width;
};

// Table.Rows(n): the row's height in points, a minimum that wrapped text may exceed when
// the slide is shown.
class Row {
 public:
  Row(Table* table, int row) : Height(RowHeightAccess{table, row}) {}
  Row(const Row&) = default;
  Row& operator=(const Row&) = delete;

  Property<RowHeightAccess> Height;
};

// Cell.Borders(n): one side of a cell, a black line of Weight points; 0 means no line (a
// new table has none). Sides are shared: the right side of a cell is the left side of its
// neighbour. The sides of a merged cell are the sides of its whole rectangle.
class Border {
 public:
  Border(Table* table, int row, int column, int border_type)
      : Weight(BorderWeightAccess{table, row, column, border_type}) {}
  Border(const Border&) = default;
  Border& operator=(const Border&) = delete;

  Property<BorderWeightAccess> Weight;
};

class Columns {
 public:
  explicit Columns(Table* table) : Count(ColumnCountAccess{table}), table_(table) {}
  Columns(const Columns&) = delete;
  Columns& operator=(const Columns&) = delete;

  ppt::Column operator()(int index) const;
  ReadOnlyProperty<ColumnCountAccess> Count;

 private:
  Table* table_;
};

class Rows {
 public:
  explicit Rows(Table* table) : Count(RowCountAccess{table}), table_(table) {}
  Rows(const Rows&) = delete;
  Rows& operator=(const Rows&) = delete;

  ppt::Row operator()(int index) const;
  // Appends a row at the end. It takes the height and the formatting of the last row
  // (font size, bold, alignments, borders) and no text; it joins no merge.
  ppt::Row Add();
  ReadOnlyProperty<RowCountAccess> Count;

 private:
  Table* table_;
};

// The rectangle of grid cells that a cell belongs to: the cell alone, or the merged cell
// that covers it. 1-based.
struct CellArea {
  int row = 1;
  int column = 1;
  int rows = 1;
  int columns = 1;

  int LastRow() const { return row + rows - 1; }
  int LastColumn() const { return column + columns - 1; }
  bool Contains(int r, int c) const {
    return r >= row && r <= LastRow() && c >= column && c <= LastColumn();
  }
  friend bool operator==(const CellArea&, const CellArea&) = default;
};

// Cell.Shape: what the report reaches a cell's text through.
class CellShape {
 public:
  explicit CellShape(TextBody& body) : TextFrame(body) {}

  ppt::TextFrame TextFrame;
};

// One grid cell of a table. After a merge the top-left cell of the rectangle is the merged
// cell and holds the text; the other cells of the rectangle are covered: their text reads
// as "" and writing a text into them is refused.
class Cell {
 public:
  Cell(Table& table, int row, int column, Paragraph format);
  Cell(const Cell&) = delete;
  Cell& operator=(const Cell&) = delete;

 private:
  TextBody body_;  // before Shape, which refers to it

 public:
  CellShape Shape;

  // Border 1 top, 2 left, 3 bottom, 4 right (ppBorderTop ...); any other is refused. On
  // a cell of a merged rectangle, the sides of the rectangle.
  ppt::Border Borders(int BorderType);

  // Merges the rectangle spanned by this cell and MergeTo into one cell. A rectangle that
  // overlaps earlier merges grows until it holds each of them whole, and they become part
  // of the new cell. The merged cell keeps the paragraphs of every joined cell that has
  // text, in reading order (left to right, then top to bottom), each with its own
  // formatting; cells with the empty text add nothing. A cell of another table is refused.
  void Merge(ppt::Cell& MergeTo);

  // Model access for the writer and for tests.
  int RowIndex() const { return row_; }
  int ColumnIndex() const { return column_; }
  CellArea Area() const { return area_; }
  bool IsCovered() const { return area_.row != row_ || area_.column != column_; }
  const TextBody& Body() const { return body_; }

 private:
  friend class Table;
  Table* table_;
  int row_;
  int column_;
  CellArea area_;
};

// Shape.Table of a table shape. A shape that is no table has a Table that refuses every
// member.
class Table {
 public:
  Table();
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  ppt::Columns Columns;
  ppt::Rows Rows;
  ppt::Cell& Cell(int Row, int Column);
  const ppt::Cell& Cell(int Row, int Column) const;

  // Model access for the writer and for tests.
  bool Exists() const { return !cells_.empty(); }
  int RowCount() const { return static_cast<int>(row_heights_.size()); }
  int ColumnCount() const { return static_cast<int>(column_widths_.size()); }
  double ColumnWidth(int column) const;
  double RowHeight(int row) const;
  // Weight of one grid side of grid cell (row, column), merged or not.
  double GridBorderWeight(int row, int column, int border_type) const;
  double TotalWidth() const;
  double TotalHeight() const;

 private:
  friend class Shapes;
  friend class ppt::Cell;
  friend struct ColumnWidthAccess;
  friend struct RowHeightAccess;
  friend struct BorderWeightAccess;
  friend struct RowCountAccess;
  friend struct ColumnCountAccess;
  friend class ppt::Rows;
  friend class ppt::Columns;

  void Create(int rows, int columns, double width, double height);
  void RequireExists() const;
  void RequireRow(int row) const;
  void RequireColumn(int column) const;
  ppt::Cell& At(int row, int column) { return *cells_[row - 1][column - 1]; }
  const ppt::Cell& At(int row, int column) const { return *cells_[row - 1][column - 1]; }
  double& Side(const CellArea& area, int border_type, int step);
  double Side(const CellArea& area, int border_type, int step) const;
  int SideLength(const CellArea& area, int border_type) const;
  void SetColumnWidth(int column, double points);
  void SetRowHeight(int row, double points);
  void AddRow();
  void MergeCells(ppt::Cell& a, ppt::Cell& b);

  std::vector<double> column_widths_;
  std::vector<double> row_heights_;
  // The sum of the heights of the first summed_rows_ rows, added from the top: a row added
  // at the end is added on when the height is next asked for, and a height changed above
  // makes the sum start again. Adding a row and setting a height cost the same at any size.
  mutable double summed_height_ = 0;
  mutable int summed_rows_ = 0;
  std::vector<std::vector<std::unique_ptr<ppt::Cell>>> cells_;
  // horizontal_[r][c]: the line above grid row r + 1 (r = RowCount(): below the last row)
  // over column c + 1; vertical_[r][c]: the line left of grid column c + 1 in row r + 1.
  std::vector<std::vector<double>> horizontal_;
  std::vector<std::vector<double>> vertical_;
};

}  // namespace taskvane::ppt
