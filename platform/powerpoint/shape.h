#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/powerpoint/constants.h"
#include "platform/powerpoint/property.h"
#include "platform/powerpoint/table.h"
#include "platform/powerpoint/text_range.h"

namespace taskvane::ppt {

class FillFormat;

struct ForeColorAccess {
  using value_type = long;
  FillFormat* fill;
  long Get() const;
  // 0 .. 0xFFFFFF as RGB() gives it; setting a colour makes the fill visible.
  void Set(const long& rgb) const;
};

class ColorFormat {
 public:
  explicit ColorFormat(FillFormat& fill) : RGB(ForeColorAccess{&fill}) {}
  ColorFormat(const ColorFormat&) = delete;
  ColorFormat& operator=(const ColorFormat&) = delete;

  Property<ForeColorAccess> RGB;
};

// Shape.Fill: a solid fill of ForeColor when Visible. A new text box has no fill.
class FillFormat {
 public:
  FillFormat() : ForeColor(*this) {}
  FillFormat(const FillFormat&) = delete;
  FillFormat& operator=(const FillFormat&) = delete;

  ColorFormat ForeColor;
  bool Visible = false;

 private:
  friend struct ForeColorAccess;
  long rgb_ = RGB(255, 255, 255);
};

// Shape.Line: the outline, a black line of 0.75 point when Visible. A new text box has none.
class LineFormat {
 public:
  bool Visible = false;
};

enum class ShapeKind { kTable, kTextBox };

class Shape;

struct ShapeSizeAccess {
  using value_type = double;
  Shape* shape;
  bool height;  // else the width
  double Get() const;
  // A text box takes any size of 0 or more; a table's size is refused (it follows its
  // columns and rows).
  void Set(const double& points) const;
};

// A shape on a slide: a table or a text box, placed in points.
class Shape {
 public:
  Shape(ShapeKind kind, int id, double left, double top, double width, double height);
  Shape(const Shape&) = delete;
  Shape& operator=(const Shape&) = delete;

  double Left;
  double Top;
  // For a table, Width and Height are the sums of its column widths and row heights.
  Property<ShapeSizeAccess> Width;
  Property<ShapeSizeAccess> Height;
  FillFormat Fill;
  LineFormat Line;

 private:
  TextBody body_;  // before TextFrame, which refers to it

 public:
  // The text of a text box. A table shape's frame holds no text (its cells do).
  ppt::TextFrame TextFrame;
  // The table of a table shape; on a text box every member of it is refused.
  ppt::Table Table;

  ShapeKind Kind() const { return kind_; }
  bool HasTable() const { return kind_ == ShapeKind::kTable; }
  // Drawing id on its slide (2, 3, ... in the order added) and the name it is saved with.
  int Id() const { return id_; }
  std::string Name() const;
  const TextBody& Body() const { return body_; }

 private:
  friend struct ShapeSizeAccess;
  ShapeKind kind_;
  int id_;
  // A text box's own size.
  double width_;
  double height_;
};

template <class T>
struct CollectionCountAccess {
  using value_type = int;
  const std::vector<std::unique_ptr<T>>* items;
  int Get() const { return static_cast<int>(items->size()); }
};

// Slide.Shapes, in the order added (which is also the drawing order).
class Shapes {
 public:
  Shapes() : Count(CollectionCountAccess<ppt::Shape>{&items_}) {}
  Shapes(const Shapes&) = delete;
  Shapes& operator=(const Shapes&) = delete;

  // A table of NumRows x NumColumns cells (1 to 75 each) of equal widths and heights that
  // fill the given size. It has a plain look: no fill, black text, no borders.
  ppt::Shape& AddTable(int NumRows, int NumColumns, double Left, double Top, double Width,
                       double Height);
  // A text box; Orientation must be msoTextOrientationHorizontal. Its text is 18 point,
  // left aligned, in a box without fill or outline that grows with its text when shown.
  ppt::Shape& AddTextbox(int Orientation, double Left, double Top, double Width, double Height);

  // 1-based.
  ppt::Shape& operator()(int index);
  const ppt::Shape& operator()(int index) const;
  ReadOnlyProperty<CollectionCountAccess<ppt::Shape>> Count;

 private:
  ppt::Shape& Append(ShapeKind kind, double left, double top, double width, double height,
                     int rows = 0, int columns = 0);

  std::vector<std::unique_ptr<ppt::Shape>> items_;
};

}  // namespace taskvane::ppt
