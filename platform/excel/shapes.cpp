#include "platform/excel/shapes.h"

#include <algorithm>
#include <cmath>

#include "platform/excel/constants.h"
#include "platform/excel/errors.h"
#include "platform/excel/geometry.h"
#include "platform/excel/sheet_model.h"
#include "platform/excel/worksheet.h"

namespace taskvane::excel {

namespace detail {

long GetSchemeColor(const ShapeData& d) {
  return d.scheme_color;
}
void SetSchemeColor(ShapeData& d, const long& color) {
  if (color < 0 || color > 63) {
    Refuse(
        "ColorFormat 클래스의 SchemeColor 속성을 설정할 수 없습니다. 색 번호는 0부터 "
        "63까지입니다.");
  }
  d.scheme_color = color;
}
bool GetFillVisible(const ShapeData& d) {
  return d.fill_visible;
}
void SetFillVisible(ShapeData& d, const bool& visible) {
  d.fill_visible = visible;
}

namespace {

constexpr double kTolerance = 1e-6;

// The cell under a point (points from the sheet's corner) and the offset into it. A point
// on a cell boundary belongs to the cell that starts there.
CellAnchor AnchorAt(const SheetModel& sheet, double x, double y) {
  CellAnchor anchor;
  double left = 0;
  long c = 1;
  for (; c < kMaxColumns; ++c) {
    const double width = sheet.ColumnPixels(c) * kPointsPerPixel;
    if (x < left + width - kTolerance) break;
    left += width;
  }
  anchor.column = c;
  anchor.column_offset = std::max(0.0, x - left);

  const long stored = static_cast<long>(sheet.Rows().size());
  long r = sheet.RowAt(y, kTolerance);
  double top = sheet.RowTop(std::min(r, stored + 1));
  if (r > stored) {  // rows of the default height follow
    const double height = sheet.DefaultRowHeight();
    const long more =
        height > 0 ? static_cast<long>(std::floor((y - top) / height + kTolerance)) : 0;
    r = std::min(kMaxRows, stored + 1 + std::max(0L, more));
    top += (r - stored - 1) * height;
  }
  anchor.row = r;
  anchor.row_offset = std::max(0.0, y - top);
  return anchor;
}

double AnchorX(const SheetModel& sheet, const CellAnchor& a) {
  const double width = sheet.ColumnPixels(a.column) * kPointsPerPixel;
  return sheet.ColumnLeft(a.column) + std::min(a.column_offset, width);
}

double AnchorY(const SheetModel& sheet, const CellAnchor& a) {
  return sheet.RowTop(a.row) + std::min(a.row_offset, sheet.RowHeight(a.row));
}

}  // namespace

}  // namespace detail

void ShapeFill::Solid() const {
  data_->fill_visible = true;
}

double Shape::Left() const {
  return detail::AnchorX(sheet_->Model(), data_.from);
}
double Shape::Top() const {
  return detail::AnchorY(sheet_->Model(), data_.from);
}
double Shape::Width() const {
  return detail::AnchorX(sheet_->Model(), data_.to) - Left();
}
double Shape::Height() const {
  return detail::AnchorY(sheet_->Model(), data_.to) - Top();
}

Shape& SheetShapes::AddShape(long type, float left, float top, float width, float height) {
  if (type != msoShapeRectangle) {
    Refuse("Shapes 클래스의 AddShape 메서드를 실행할 수 없습니다. 도형 종류 " +
           std::to_string(type) + "은(는) 지원하지 않습니다.");
  }
  if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width) ||
      !std::isfinite(height)) {
    Refuse("Shapes 클래스의 AddShape 메서드를 실행할 수 없습니다. 위치나 크기가 숫자가 아닙니다.");
  }
  double x1 = left, y1 = top, x2 = double(left) + width, y2 = double(top) + height;
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  // Nothing lies left of or above the sheet's corner: the shape is moved in.
  if (x1 < 0) x2 -= x1, x1 = 0;
  if (y1 < 0) y2 -= y1, y1 = 0;

  const SheetModel& model = sheet_->Model();
  detail::ShapeData data;
  data.type = type;
  data.from = detail::AnchorAt(model, x1, y1);
  data.to = detail::AnchorAt(model, x2, y2);
  items_.push_back(std::make_unique<Shape>(*sheet_, data));
  return *items_.back();
}

Shape& SheetShapes::operator()(long index) const {
  if (index < 1 || index > Count()) {
    throw AutomationError(kErrSubscript, "아래 첨자 사용이 잘못되었습니다.");
  }
  return *items_[index - 1];
}

}  // namespace taskvane::excel
