#include "platform/powerpoint/shape.h"

#include <cmath>

#include "platform/runtime/automation_error.h"

namespace taskvane::ppt {

namespace {

constexpr std::string_view kTableFrameRefusal =
    "표 도형에는 텍스트를 직접 쓸 수 없습니다. 표의 셀에 쓰십시오.";

[[noreturn]] void Refuse(const std::string& description) {
  throw AutomationError(kErrPowerPointRefused, description);
}

void CheckPlacement(double left, double top, double width, double height) {
  if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width) ||
      !std::isfinite(height) || width < 0 || height < 0) {
    Refuse("도형의 위치와 크기가 올바르지 않습니다.");
  }
}

}  // namespace

long ForeColorAccess::Get() const {
  return fill->rgb_;
}

void ForeColorAccess::Set(const long& rgb) const {
  if (rgb < 0 || rgb > 0xFFFFFF)
    Refuse("색 값 " + std::to_string(rgb) + "은(는) 올바르지 않습니다.");
  fill->rgb_ = rgb;
  fill->Visible = true;
}

double ShapeSizeAccess::Get() const {
  if (shape->HasTable()) {
    return height ? shape->Table.TotalHeight() : shape->Table.TotalWidth();
  }
  return height ? shape->height_ : shape->width_;
}

void ShapeSizeAccess::Set(const double& points) const {
  if (shape->HasTable()) Refuse("표의 크기는 열 너비와 행 높이로 정해집니다.");
  if (!std::isfinite(points) || points < 0) Refuse("도형의 크기가 올바르지 않습니다.");
  (height ? shape->height_ : shape->width_) = points;
}

Shape::Shape(ShapeKind kind, int id, double left, double top, double width, double height)
    : Left(left),
      Top(top),
      Width(ShapeSizeAccess{this, false}),
      Height(ShapeSizeAccess{this, true}),
      TextFrame(body_),
      kind_(kind),
      id_(id),
      width_(width),
      height_(height) {
  if (kind == ShapeKind::kTable) body_.refusal = kTableFrameRefusal;
}

std::string Shape::Name() const {
  // PowerPoint numbers new shapes by their drawing id.
  return (kind_ == ShapeKind::kTable ? "Table " : "TextBox ") + std::to_string(id_ - 1);
}

Shape& Shapes::Append(ShapeKind kind, double left, double top, double width, double height,
                      int rows, int columns) {
  CheckPlacement(left, top, width, height);
  // Drawing ids are unique on the slide; 1 is the slide's shape tree itself.
  const int id = static_cast<int>(items_.size()) + 2;
  auto shape = std::make_unique<ppt::Shape>(kind, id, left, top, width, height);
  // A table that cannot be made leaves no shape behind.
  if (kind == ShapeKind::kTable) shape->Table.Create(rows, columns, width, height);
  return *items_.emplace_back(std::move(shape));
}

Shape& Shapes::AddTable(int NumRows, int NumColumns, double Left, double Top, double Width,
                        double Height) {
  return Append(ShapeKind::kTable, Left, Top, Width, Height, NumRows, NumColumns);
}

Shape& Shapes::AddTextbox(int Orientation, double Left, double Top, double Width, double Height) {
  if (Orientation != msoTextOrientationHorizontal) {
    Refuse("텍스트 상자 방향 " + std::to_string(Orientation) +
           "은(는) 사용할 수 없습니다. 가로(1)만 됩니다.");
  }
  return Append(ShapeKind::kTextBox, Left, Top, Width, Height);
}

Shape& Shapes::operator()(int index) {
  return const_cast<ppt::Shape&>(std::as_const(*this)(index));
}

const Shape& Shapes::operator()(int index) const {
  if (index < 1 || index > static_cast<int>(items_.size())) {
    Refuse("슬라이드에 " + std::to_string(index) + "번째 도형이 없습니다. 도형은 " +
           std::to_string(items_.size()) + "개입니다.");
  }
  return *items_[index - 1];
}

}  // namespace taskvane::ppt
