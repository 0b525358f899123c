#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/excel/cell_value.h"
#include "platform/excel/constants.h"
#include "platform/excel/property.h"

namespace taskvane::excel {

class Worksheet;

namespace detail {

// A block of cells, 1-based and inclusive. Whole columns run over rows 1..kMaxRows, whole
// rows over columns 1..kMaxColumns.
struct Area {
  long row1 = 0, col1 = 0, row2 = 0, col2 = 0;
  friend bool operator==(const Area&, const Area&) = default;
};

// What a range refers to; `border` is the index of a Borders(index) object.
struct RangeTarget {
  Worksheet* sheet = nullptr;
  Area area;
  long border = 0;
};

CellValue GetValue(const RangeTarget&);
void SetValue(RangeTarget&, const CellValue&);
void SetValueText(RangeTarget&, std::string_view text);
double GetFontSize(const RangeTarget&);
void SetFontSize(RangeTarget&, const double&);
bool GetFontBold(const RangeTarget&);
void SetFontBold(RangeTarget&, const bool&);
long GetInteriorPattern(const RangeTarget&);
void SetInteriorPattern(RangeTarget&, const long&);
long GetInteriorColorIndex(const RangeTarget&);
void SetInteriorColorIndex(RangeTarget&, const long&);
long GetBorderLineStyle(const RangeTarget&);
void SetBorderLineStyle(RangeTarget&, const long&);
long GetBorderWeight(const RangeTarget&);
void SetBorderWeight(RangeTarget&, const long&);
long GetBorderColorIndex(const RangeTarget&);
void SetBorderColorIndex(RangeTarget&, const long&);
long GetHorizontalAlignment(const RangeTarget&);
void SetHorizontalAlignment(RangeTarget&, const long&);
std::string GetNumberFormatLocal(const RangeTarget&);
void SetNumberFormatLocal(RangeTarget&, const std::string&);
bool GetWrapText(const RangeTarget&);
void SetWrapText(RangeTarget&, const bool&);
long GetIndentLevel(const RangeTarget&);
void SetIndentLevel(RangeTarget&, const long&);
double GetColumnWidth(const RangeTarget&);
void SetColumnWidth(RangeTarget&, const double&);
double GetRowHeight(const RangeTarget&);
void SetRowHeight(RangeTarget&, const double&);

template <class T, T (*Get)(const RangeTarget&), void (*Set)(RangeTarget&, const T&)>
using RangeProperty = Property<RangeTarget, T, Get, Set>;

}  // namespace detail

// Range.Value: put a number or a text (a text becomes a number or a date only where the
// workbook application would convert it and the shown text stays the same; see
// value_rule.h); read the value of a one-cell range.
class ValueProperty {
 public:
  explicit ValueProperty(detail::RangeTarget* target) : target_(target) {}
  ValueProperty(const ValueProperty&) = delete;

  const ValueProperty& operator=(const ValueProperty& other) const { return *this = other.get(); }
  const ValueProperty& operator=(const CellValue& value) const;
  const ValueProperty& operator=(const std::string& text) const;
  const ValueProperty& operator=(std::string_view text) const;
  const ValueProperty& operator=(const char* text) const { return *this = std::string_view(text); }
  template <class N>
  requires(std::is_arithmetic_v<N> && !std::is_same_v<N, bool>) const ValueProperty& operator=(
      N number) const {
    return *this = CellValue::Number(static_cast<double>(number));
  }

  CellValue get() const { return detail::GetValue(*target_); }
  operator CellValue() const { return get(); }

  friend bool operator==(const ValueProperty& p, const CellValue& v) { return p.get() == v; }
  friend bool operator==(const ValueProperty& p, std::string_view text) { return p.get() == text; }
  friend bool operator==(const ValueProperty& p, const char* text) {
    return p.get() == std::string_view(text);
  }
  friend bool operator==(const ValueProperty& p, double number) { return p.get() == number; }
  friend std::ostream& operator<<(std::ostream& out, const ValueProperty& p) {
    return out << p.get();
  }

 private:
  detail::RangeTarget* target_;
};

// Range.Font
class RangeFont {
 public:
  explicit RangeFont(detail::RangeTarget* target) : Size(target), Bold(target) {}
  RangeFont(const RangeFont&) = delete;
  RangeFont& operator=(const RangeFont&) = delete;

  detail::RangeProperty<double, detail::GetFontSize, detail::SetFontSize> Size;
  detail::RangeProperty<bool, detail::GetFontBold, detail::SetFontBold> Bold;
};

// Range.Interior: Pattern (xlSolid, xlGray75, ..., xlNone) and ColorIndex (1..56 of the
// palette, xlColorIndexNone, xlColorIndexAutomatic).
class RangeInterior {
 public:
  explicit RangeInterior(detail::RangeTarget* target) : Pattern(target), ColorIndex(target) {}
  RangeInterior(const RangeInterior&) = delete;
  RangeInterior& operator=(const RangeInterior&) = delete;

  detail::RangeProperty<long, detail::GetInteriorPattern, detail::SetInteriorPattern> Pattern;
  detail::RangeProperty<long, detail::GetInteriorColorIndex, detail::SetInteriorColorIndex>
      ColorIndex;
};

// Range.Borders(index), index xlDiagonalDown (5) .. xlInsideHorizontal (12). An edge that
// two cells share is one line: setting or clearing it on one side sets the neighbour's
// matching side too.
class Border {
 public:
  Border(const Border& other) : Border(other.target_) {}
  Border& operator=(const Border& other) {
    target_ = other.target_;
    return *this;
  }

  detail::RangeProperty<long, detail::GetBorderLineStyle, detail::SetBorderLineStyle> LineStyle;
  detail::RangeProperty<long, detail::GetBorderWeight, detail::SetBorderWeight> Weight;
  detail::RangeProperty<long, detail::GetBorderColorIndex, detail::SetBorderColorIndex> ColorIndex;

 private:
  friend class Range;
  explicit Border(const detail::RangeTarget& target)
      : LineStyle(&target_), Weight(&target_), ColorIndex(&target_), target_(target) {}

  detail::RangeTarget target_;
};

// One Borders(index) of a batch (Range::SetBorders): the properties it sets, in the
// order LineStyle, Weight, ColorIndex; one left out keeps what it has.
struct BorderSetting {
  long index = 0;
  std::optional<long> LineStyle;
  std::optional<long> Weight;
  std::optional<long> ColorIndex;
};

// A block of cells of a sheet, as `Cells(r, c)`, `Range(cell, cell)`, `Range("A3:A4")`,
// `Columns(n)` and `Rows(n)` give it. A range is a reference: copying it refers to the
// same cells. A default-constructed range refers to nothing (an object variable not set):
// every member then raises AutomationError 91.
//
// Reading a member of a range whose cells differ raises AutomationError 94 (the "Null"
// the application gives for mixed settings cannot be read into a plain value).
class Range {
 public:
  Range() : Range(nullptr, {}) {}
  Range(const Range& other) : Range(other.target_.sheet, other.target_.area) {}
  Range& operator=(const Range& other) {
    target_ = other.target_;
    return *this;
  }

 private:
  detail::RangeTarget target_;

 public:
  ValueProperty Value{&target_};
  RangeFont Font{&target_};
  RangeInterior Interior{&target_};
  detail::RangeProperty<long, detail::GetHorizontalAlignment, detail::SetHorizontalAlignment>
      HorizontalAlignment{&target_};
  // Format codes as the Korean application takes them: m"/"d, yyyy"년" mm"월" dd"일";@, @.
  detail::RangeProperty<std::string, detail::GetNumberFormatLocal, detail::SetNumberFormatLocal>
      NumberFormatLocal{&target_};
  detail::RangeProperty<bool, detail::GetWrapText, detail::SetWrapText> WrapText{&target_};
  // 0..250; a level above 0 on a cell aligned "general" aligns it left, as the
  // application does.
  detail::RangeProperty<long, detail::GetIndentLevel, detail::SetIndentLevel> IndentLevel{&target_};
  // Characters of the Normal font's digit width, 0..255, for every column of the range.
  detail::RangeProperty<double, detail::GetColumnWidth, detail::SetColumnWidth> ColumnWidth{
      &target_};
  // Points, 0..409, for every row of the range.
  detail::RangeProperty<double, detail::GetRowHeight, detail::SetRowHeight> RowHeight{&target_};

  Border Borders(long index) const;
  // For each setting in order, Borders(index).LineStyle, .Weight and .ColorIndex as those
  // statements would set them one by one, in one pass over the cells. Every index and
  // value is checked first: one that its statement would refuse raises that statement's
  // error, and then nothing has changed.
  void SetBorders(std::span<const BorderSetting> settings) const;
  // Joins the cells into one merged cell that keeps the top-left value. Merges lying
  // wholly inside the range are absorbed; one that overlaps it partly raises 1004.
  void Merge() const;
  // Whole columns: width to the widest shown value; whole rows: height to the tallest
  // cell (wrapped text included). Other ranges raise 1004.
  void AutoFit() const;
  // Adds `amount` (may be negative) to the indent level of every cell.
  void InsertIndent(long amount) const;
  Range EntireRow() const;

  long Row() const;
  long Column() const;
  // True when the range lies within one merged cell.
  bool MergeCells() const;
  bool IsNothing() const { return target_.sheet == nullptr; }
  const detail::Area& Area() const { return target_.area; }
  Worksheet* Parent() const { return target_.sheet; }

  // The sheet's cells in `area` (already checked to lie on the sheet).
  Range(Worksheet* sheet, const detail::Area& area) : target_{sheet, area, 0} {}
};

// Worksheet.Columns: all columns (`Columns.ColumnWidth = 5.38`), or one (`Columns(4)`).
class SheetColumns : public Range {
 public:
  explicit SheetColumns(Worksheet* sheet) : Range(sheet, {1, 1, kMaxRows, kMaxColumns}) {}
  Range operator()(long column) const;
};

// Worksheet.Rows: all rows, or one (`Rows(3)`).
class SheetRows : public Range {
 public:
  explicit SheetRows(Worksheet* sheet) : Range(sheet, {1, 1, kMaxRows, kMaxColumns}) {}
  Range operator()(long row) const;
};

}  // namespace taskvane::excel
