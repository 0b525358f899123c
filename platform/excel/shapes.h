#pragma once

#include <memory>
#include <vector>

#include "platform/excel/property.h"

namespace taskvane::excel {

class Worksheet;

namespace detail {

// A point on the sheet held as a cell and an offset into it (points), so that a shape
// stays on its cells when rows or columns are resized later, as a shape placed to move
// and size with cells does.
struct CellAnchor {
  long column = 1;  // 1-based
  double column_offset = 0;
  long row = 1;
  double row_offset = 0;
};

struct ShapeData {
  long type = 1;
  CellAnchor from, to;
  long scheme_color = -1;  // -1: the default look of a new shape
  bool fill_visible = true;
};

long GetSchemeColor(const ShapeData&);
void SetSchemeColor(ShapeData&, const long&);
bool GetFillVisible(const ShapeData&);
void SetFillVisible(ShapeData&, const bool&);

}  // namespace detail

// Shape.Fill.ForeColor: SchemeColor 0..63 (8..63 = palette ColorIndex + 7), else 1004.
class ColorFormat {
 public:
  explicit ColorFormat(detail::ShapeData* data) : SchemeColor(data) {}
  ColorFormat(const ColorFormat&) = delete;
  ColorFormat& operator=(const ColorFormat&) = delete;

  Property<detail::ShapeData, long, detail::GetSchemeColor, detail::SetSchemeColor> SchemeColor;
};

// Shape.Fill
class ShapeFill {
 public:
  explicit ShapeFill(detail::ShapeData* data) : ForeColor(data), Visible(data), data_(data) {}
  ShapeFill(const ShapeFill&) = delete;
  ShapeFill& operator=(const ShapeFill&) = delete;

  ColorFormat ForeColor;
  Property<detail::ShapeData, bool, detail::GetFillVisible, detail::SetFillVisible> Visible;
  // A plain fill of ForeColor (a new shape's fill is already plain; this keeps it so).
  void Solid() const;

 private:
  detail::ShapeData* data_;
};

// A drawn shape. Its position is fixed to the cells under it when it is added.
class Shape {
 private:
  detail::ShapeData data_;
  const Worksheet* sheet_;

 public:
  Shape(const Worksheet& sheet, const detail::ShapeData& data) : data_(data), sheet_(&sheet) {}
  Shape(const Shape&) = delete;
  Shape& operator=(const Shape&) = delete;

  ShapeFill Fill{&data_};

  long Type() const { return data_.type; }
  // Points from the sheet's top-left corner, with the rows and columns as they are now.
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;
  const detail::ShapeData& Data() const { return data_; }
};

// Worksheet.Shapes
class SheetShapes {
 public:
  explicit SheetShapes(Worksheet* sheet) : sheet_(sheet) {}
  SheetShapes(const SheetShapes&) = delete;
  SheetShapes& operator=(const SheetShapes&) = delete;

  // Type msoShapeRectangle (others raise 1004); points. A negative width or height
  // extends to the left or upwards; nothing lies left of or above the sheet's corner.
  Shape& AddShape(long type, float left, float top, float width, float height);
  long Count() const { return static_cast<long>(items_.size()); }
  // 1-based; others raise 9.
  Shape& operator()(long index) const;

 private:
  Worksheet* sheet_;
  std::vector<std::unique_ptr<Shape>> items_;
};

}  // namespace taskvane::excel
