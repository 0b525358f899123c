#include "platform/powerpoint/table.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "platform/powerpoint/shape.h"
#include "platform/runtime/automation_error.h"

namespace taskvane::ppt {

namespace {

constexpr std::string_view kCoveredCellRefusal =
    "병합된 셀에 가려진 셀에는 텍스트를 쓸 수 없습니다. 병합된 셀의 첫 셀에 쓰십시오.";
constexpr int kMaxTableRowsOrColumns = 75;

[[noreturn]] void Refuse(const std::string& description) {
  throw AutomationError(kErrPowerPointRefused, description);
}

bool IsLength(double points) {
  return std::isfinite(points) && points >= 0;
}

CellArea Bounding(const CellArea& a, const CellArea& b) {
  const int row = std::min(a.row, b.row);
  const int column = std::min(a.column, b.column);
  const int last_row = std::max(a.LastRow(), b.LastRow());
  const int last_column = std::max(a.LastColumn(), b.LastColumn());
  return CellArea{row, column, last_row - row + 1, last_column - column + 1};
}

bool Within(const CellArea& inner, const CellArea& outer) {
  return outer.Contains(inner.row, inner.column) &&
         outer.Contains(inner.LastRow(), inner.LastColumn());
}

}  // namespace

// ---- accessors of the properties ----

double ColumnWidthAccess::Get() const {
  table->RequireColumn(column);
  return table->column_widths_[column - 1];
}

void ColumnWidthAccess::Set(const double& points) const {
  table->SetColumnWidth(column, points);
}

double RowHeightAccess::Get() const {
  table->RequireRow(row);
  return table->row_heights_[row - 1];
}

void RowHeightAccess::Set(const double& points) const {
  table->SetRowHeight(row, points);
}

double BorderWeightAccess::Get() const {
  return table->Side(table->At(row, column).Area(), border_type, 0);
}

void BorderWeightAccess::Set(const double& points) const {
  if (!IsLength(points) || points > 1584) {
    Refuse("테두리 두께는 0에서 1584 사이여야 합니다.");
  }
  const CellArea area = table->At(row, column).Area();
  for (int step = 0; step < table->SideLength(area, border_type); ++step) {
    table->Side(area, border_type, step) = points;
  }
}

int RowCountAccess::Get() const {
  table->RequireExists();
  return table->RowCount();
}

int ColumnCountAccess::Get() const {
  table->RequireExists();
  return table->ColumnCount();
}

// ---- collections ----

Column Columns::operator()(int index) const {
  table_->RequireColumn(index);
  return Column(table_, index);
}

Row Rows::operator()(int index) const {
  table_->RequireRow(index);
  return Row(table_, index);
}

Row Rows::Add() {
  table_->AddRow();
  return Row(table_, table_->RowCount());
}

// ---- cells ----

Cell::Cell(Table& table, int row, int column, Paragraph format)
    : body_{{std::move(format)}, {}},
      Shape(body_),
      table_(&table),
      row_(row),
      column_(column),
      area_{row, column, 1, 1} {}

Border Cell::Borders(int BorderType) {
  if (BorderType < ppBorderTop || BorderType > ppBorderRight) {
    Refuse("테두리 번호 " + std::to_string(BorderType) +
           "은(는) 사용할 수 없습니다. 1에서 4 사이여야 합니다.");
  }
  return Border(table_, row_, column_, BorderType);
}

void Cell::Merge(ppt::Cell& MergeTo) {
  if (MergeTo.table_ != table_) Refuse("다른 표의 셀과는 병합할 수 없습니다.");
  table_->MergeCells(*this, MergeTo);
}

// ---- the table ----

Table::Table() : Columns(this), Rows(this) {}

void Table::Create(int rows, int columns, double width, double height) {
  if (rows < 1 || rows > kMaxTableRowsOrColumns || columns < 1 ||
      columns > kMaxTableRowsOrColumns) {
    Refuse("표의 행과 열 수는 1에서 75 사이여야 합니다.");
  }
  if (!IsLength(width) || !IsLength(height) || width == 0 || height == 0) {
    Refuse("표의 너비와 높이는 0보다 커야 합니다.");
  }
  column_widths_.assign(columns, width / columns);
  row_heights_.assign(rows, height / rows);
  for (int r = 1; r <= rows; ++r) {
    auto& row = cells_.emplace_back();
    for (int c = 1; c <= columns; ++c) {
      row.push_back(std::make_unique<ppt::Cell>(*this, r, c, Paragraph{}));
    }
  }
  horizontal_.assign(rows + 1, std::vector<double>(columns, 0.0));
  vertical_.assign(rows, std::vector<double>(columns + 1, 0.0));
}

void Table::RequireExists() const {
  if (!Exists()) Refuse("이 도형에는 표가 없습니다.");
}

void Table::RequireRow(int row) const {
  RequireExists();
  if (row < 1 || row > RowCount()) {
    Refuse("표에 " + std::to_string(row) + "행이 없습니다. 표는 " + std::to_string(RowCount()) +
           "행입니다.");
  }
}

void Table::RequireColumn(int column) const {
  RequireExists();
  if (column < 1 || column > ColumnCount()) {
    Refuse("표에 " + std::to_string(column) + "열이 없습니다. 표는 " +
           std::to_string(ColumnCount()) + "열입니다.");
  }
}

ppt::Cell& Table::Cell(int Row, int Column) {
  return const_cast<ppt::Cell&>(std::as_const(*this).Cell(Row, Column));
}

const ppt::Cell& Table::Cell(int Row, int Column) const {
  RequireExists();
  if (Row < 1 || Row > RowCount() || Column < 1 || Column > ColumnCount()) {
    Refuse("표에 (" + std::to_string(Row) + ", " + std::to_string(Column) +
           ") 셀이 없습니다. 표는 " + std::to_string(RowCount()) + "행 " +
           std::to_string(ColumnCount()) + "열입니다.");
  }
  return At(Row, Column);
}

double Table::ColumnWidth(int column) const {
  RequireColumn(column);
  return column_widths_[column - 1];
}

double Table::RowHeight(int row) const {
  RequireRow(row);
  return row_heights_[row - 1];
}

double Table::GridBorderWeight(int row, int column, int border_type) const {
  Cell(row, column);  // checks the position
  return Side(CellArea{row, column, 1, 1}, border_type, 0);
}

double Table::TotalWidth() const {
  return std::accumulate(column_widths_.begin(), column_widths_.end(), 0.0);
}

double Table::TotalHeight() const {
  // Rows added since the last call are added on; the sum is the same as adding every
  // height from the top, in row order.
  for (; summed_rows_ < RowCount(); ++summed_rows_) summed_height_ += row_heights_[summed_rows_];
  return summed_height_;
}

double& Table::Side(const CellArea& area, int border_type, int step) {
  switch (border_type) {
    case ppBorderTop:
      return horizontal_[area.row - 1][area.column - 1 + step];
    case ppBorderBottom:
      return horizontal_[area.LastRow()][area.column - 1 + step];
    case ppBorderLeft:
      return vertical_[area.row - 1 + step][area.column - 1];
    default:
      return vertical_[area.row - 1 + step][area.LastColumn()];
  }
}

double Table::Side(const CellArea& area, int border_type, int step) const {
  return const_cast<Table&>(*this).Side(area, border_type, step);
}

int Table::SideLength(const CellArea& area, int border_type) const {
  return border_type == ppBorderTop || border_type == ppBorderBottom ? area.columns : area.rows;
}

void Table::SetColumnWidth(int column, double points) {
  RequireColumn(column);
  if (!IsLength(points) || points == 0) Refuse("열 너비는 0보다 커야 합니다.");
  column_widths_[column - 1] = points;
}

void Table::SetRowHeight(int row, double points) {
  RequireRow(row);
  if (!IsLength(points)) Refuse("행 높이는 0 이상이어야 합니다.");
  double& height = row_heights_[row - 1];
  if (height == points) return;
  height = points;
  // The sum from the top no longer holds from this row on; it is made again when asked.
  if (row <= summed_rows_) {
    summed_rows_ = 0;
    summed_height_ = 0;
  }
}

void Table::AddRow() {
  RequireExists();
  const int last = RowCount();
  const int row = last + 1;
  row_heights_.push_back(row_heights_.back());
  auto& cells = cells_.emplace_back();
  for (int c = 1; c <= ColumnCount(); ++c) {
    Paragraph format = At(last, c).Body().paragraphs.front();
    format.text.clear();
    cells.push_back(std::make_unique<ppt::Cell>(*this, row, c, std::move(format)));
  }
  // The new row's top is the last row's bottom; its other sides copy the last row's.
  horizontal_.push_back(horizontal_.back());
  vertical_.push_back(vertical_.back());
}

void Table::MergeCells(ppt::Cell& a, ppt::Cell& b) {
  CellArea area = Bounding(a.Area(), b.Area());
  // Grow until no earlier merge sticks out of the rectangle.
  for (bool grown = true; grown;) {
    grown = false;
    for (int r = area.row; r <= area.LastRow() && !grown; ++r) {
      for (int c = area.column; c <= area.LastColumn() && !grown; ++c) {
        const CellArea other = At(r, c).Area();
        if (!Within(other, area)) {
          area = Bounding(area, other);
          grown = true;
        }
      }
    }
  }

  std::vector<Paragraph> kept;
  for (int r = area.row; r <= area.LastRow(); ++r) {
    for (int c = area.column; c <= area.LastColumn(); ++c) {
      const ppt::Cell& cell = At(r, c);
      if (cell.IsCovered() || cell.Body().IsEmpty()) continue;
      kept.insert(kept.end(), cell.Body().paragraphs.begin(), cell.Body().paragraphs.end());
    }
  }

  for (int r = area.row; r <= area.LastRow(); ++r) {
    for (int c = area.column; c <= area.LastColumn(); ++c) {
      ppt::Cell& cell = At(r, c);
      cell.area_ = area;
      TextBody& body = cell.body_;
      if (r == area.row && c == area.column) {
        if (!kept.empty()) body.paragraphs = std::move(kept);
        body.refusal = {};
      } else {
        // A covered cell keeps its own formatting on one empty paragraph.
        Paragraph format = body.paragraphs.front();
        format.text.clear();
        body.paragraphs.assign(1, std::move(format));
        body.refusal = kCoveredCellRefusal;
      }
    }
  }
}

}  // namespace taskvane::ppt
