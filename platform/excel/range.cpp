#include "platform/excel/range.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "platform/excel/autofit.h"
#include "platform/excel/cell_text_limit.h"
#include "platform/excel/errors.h"
#include "platform/excel/geometry.h"
#include "platform/excel/sheet_model.h"
#include "platform/excel/value_rule.h"
#include "platform/excel/worksheet.h"

namespace taskvane::excel {

namespace detail {

namespace {

SheetModel& ModelOf(const RangeTarget& t) {
  if (t.sheet == nullptr) {
    throw AutomationError(kErrObjectNotSet,
                          "개체 변수 또는 With 블록 변수가 설정되어 있지 않습니다.");
  }
  return t.sheet->Model();
}

bool WholeColumns(const Area& a) {
  return a.row1 == 1 && a.row2 == kMaxRows;
}
bool WholeRows(const Area& a) {
  return a.col1 == 1 && a.col2 == kMaxColumns;
}

[[noreturn]] void Mixed() {
  throw AutomationError(kErrInvalidUseOfNull,
                        "Null 사용이 잘못되었습니다. 범위의 셀마다 설정이 다릅니다.");
}

// The one value `project` gives for every cell of `area`, or error 94.
template <class T, class Project>
T Uniform(const SheetModel& model, const Area& area, Project project) {
  std::optional<T> value;
  bool mixed = false;
  model.ForEachStyle(area, [&](StyleId id) {
    T v = project(model.Styles().Get(id));
    if (!value) {
      value = std::move(v);
    } else if (!(*value == v)) {
      mixed = true;
      return false;
    }
    return true;
  });
  if (mixed) Mixed();
  return *value;
}

template <class T>
bool OneOf(long value, std::initializer_list<T> allowed) {
  return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

bool IndentAligned(long horizontal) {
  return horizontal == xlLeft || horizontal == xlRight || horizontal == xlDistributed;
}

// --- borders

struct SideArea {
  Area area;
  Side side;
};

void CheckBorderIndex(long index) {
  if (index < xlDiagonalDown || index > xlInsideHorizontal) {
    Refuse("Borders 클래스의 Item 속성을 가져올 수 없습니다. 테두리 번호는 5부터 12까지입니다.");
  }
}

// The cell sides a border of `a` stands for, neighbours' matching sides included.
std::vector<SideArea> SidesToSet(const Area& a, long index) {
  std::vector<SideArea> sides;
  switch (index) {
    case xlDiagonalDown:
      sides.push_back({a, Side::DiagonalDown});
      break;
    case xlDiagonalUp:
      sides.push_back({a, Side::DiagonalUp});
      break;
    case xlEdgeLeft:
      sides.push_back({{a.row1, a.col1, a.row2, a.col1}, Side::Left});
      if (a.col1 > 1) sides.push_back({{a.row1, a.col1 - 1, a.row2, a.col1 - 1}, Side::Right});
      break;
    case xlEdgeTop:
      sides.push_back({{a.row1, a.col1, a.row1, a.col2}, Side::Top});
      if (a.row1 > 1) sides.push_back({{a.row1 - 1, a.col1, a.row1 - 1, a.col2}, Side::Bottom});
      break;
    case xlEdgeBottom:
      sides.push_back({{a.row2, a.col1, a.row2, a.col2}, Side::Bottom});
      if (a.row2 < kMaxRows) sides.push_back({{a.row2 + 1, a.col1, a.row2 + 1, a.col2}, Side::Top});
      break;
    case xlEdgeRight:
      sides.push_back({{a.row1, a.col2, a.row2, a.col2}, Side::Right});
      if (a.col2 < kMaxColumns) {
        sides.push_back({{a.row1, a.col2 + 1, a.row2, a.col2 + 1}, Side::Left});
      }
      break;
    case xlInsideVertical:
      if (a.col2 > a.col1) {
        sides.push_back({{a.row1, a.col1, a.row2, a.col2 - 1}, Side::Right});
        sides.push_back({{a.row1, a.col1 + 1, a.row2, a.col2}, Side::Left});
      }
      break;
    case xlInsideHorizontal:
      if (a.row2 > a.row1) {
        sides.push_back({{a.row1, a.col1, a.row2 - 1, a.col2}, Side::Bottom});
        sides.push_back({{a.row1 + 1, a.col1, a.row2, a.col2}, Side::Top});
      }
      break;
  }
  return sides;
}

// The cell sides read for a border of `a` (nullopt: an inside border of a range that has
// no inside).
std::optional<SideArea> SideToRead(const Area& a, long index) {
  auto sides = SidesToSet(a, index);
  if (sides.empty()) return std::nullopt;
  return sides.front();
}

void ChangeBorder(const RangeTarget& t, const std::function<void(BorderLine&)>& change) {
  SheetModel& model = ModelOf(t);
  CheckBorderIndex(t.border);
  for (const SideArea& s : SidesToSet(t.area, t.border)) {
    model.Transform(s.area, [&](Style& style) { change(style.border(s.side)); });
  }
}

template <class T, class Project>
T ReadBorder(const RangeTarget& t, Project project, T inside_default) {
  const SheetModel& model = ModelOf(t);
  CheckBorderIndex(t.border);
  auto side = SideToRead(t.area, t.border);
  if (!side) return inside_default;
  return Uniform<T>(model, side->area,
                    [&](const Style& style) { return project(style.border(side->side)); });
}

}  // namespace

// --- values

CellValue GetValue(const RangeTarget& t) {
  const SheetModel& model = ModelOf(t);
  if (t.area.row1 != t.area.row2 || t.area.col1 != t.area.col2) {
    throw AutomationError(
        kErrTypeMismatch,
        "형식이 일치하지 않습니다. 여러 셀의 값은 하나의 값으로 읽을 수 없습니다.");
  }
  const CellValue* value = model.Value(t.area.row1, t.area.col1);
  return value != nullptr ? *value : CellValue();
}

void SetValue(RangeTarget& t, const CellValue& value) {
  SheetModel& model = ModelOf(t);
  for (long r = t.area.row1; r <= t.area.row2; ++r) {
    for (long c = t.area.col1; c <= t.area.col2; ++c) model.SetValue(r, c, value);
  }
}

void SetValueText(RangeTarget& t, std::string_view text) {
  SheetModel& model = ModelOf(t);
  if (Utf16Units(text) > kMaxCellTextUnits)
    Refuse("Range 클래스의 Value 속성을 설정할 수 없습니다. 셀에는 32767자까지 넣을 수 있습니다.");
  const std::uint32_t text_format = model.Styles().InternFormat("@");
  for (long r = t.area.row1; r <= t.area.row2; ++r) {
    for (long c = t.area.col1; c <= t.area.col2; ++c) {
      const Style& style = model.Styles().Get(model.CellStyle(r, c));
      const bool general = style.number_format == 0;
      ConvertedText converted = ConvertText(text, style.number_format == text_format);
      model.SetValue(r, c, std::move(converted.value));
      if (general && !converted.format.empty()) {
        const std::uint32_t format = model.Styles().InternFormat(converted.format);
        model.Transform({r, c, r, c}, [format](Style& s) { s.number_format = format; });
      }
    }
  }
}

// --- font

double GetFontSize(const RangeTarget& t) {
  return Uniform<double>(ModelOf(t), t.area, [](const Style& s) { return s.font_size; });
}
void SetFontSize(RangeTarget& t, const double& size) {
  SheetModel& model = ModelOf(t);
  if (!(size >= 1 && size <= 409))
    Refuse("Font 클래스의 Size 속성을 설정할 수 없습니다. 글꼴 크기는 1부터 409까지입니다.");
  model.Transform(t.area, [size](Style& s) { s.font_size = size; });
}
bool GetFontBold(const RangeTarget& t) {
  return Uniform<bool>(ModelOf(t), t.area, [](const Style& s) { return s.bold; });
}
void SetFontBold(RangeTarget& t, const bool& bold) {
  ModelOf(t).Transform(t.area, [bold](Style& s) { s.bold = bold; });
}

// --- interior

long GetInteriorPattern(const RangeTarget& t) {
  return Uniform<long>(ModelOf(t), t.area, [](const Style& s) { return long{s.pattern}; });
}
void SetInteriorPattern(RangeTarget& t, const long& pattern) {
  SheetModel& model = ModelOf(t);
  if (!OneOf(pattern, {xlSolid, xlGray75, xlGray50, xlGray25, xlGray16, xlGray8, xlHorizontal,
                       xlVertical, xlDown, xlUp, xlChecker, xlSemiGray75, xlLightHorizontal,
                       xlLightVertical, xlLightDown, xlLightUp, xlGrid, xlCrissCross, xlNone})) {
    Refuse("Interior 클래스의 Pattern 속성을 설정할 수 없습니다. 알 수 없는 무늬 " +
           std::to_string(pattern) + "입니다.");
  }
  model.Transform(t.area, [pattern](Style& s) {
    s.pattern = static_cast<std::int16_t>(pattern);
    if (pattern == xlNone) s.fill_color = static_cast<std::int16_t>(xlColorIndexNone);
  });
}
long GetInteriorColorIndex(const RangeTarget& t) {
  return Uniform<long>(ModelOf(t), t.area, [](const Style& s) { return long{s.fill_color}; });
}
void SetInteriorColorIndex(RangeTarget& t, const long& color) {
  SheetModel& model = ModelOf(t);
  if (!((color >= 1 && color <= 56) || color == xlColorIndexNone ||
        color == xlColorIndexAutomatic)) {
    Refuse("Interior 클래스의 ColorIndex 속성을 설정할 수 없습니다. 색 번호는 1부터 56까지입니다.");
  }
  model.Transform(t.area, [color](Style& s) {
    if (color == xlColorIndexNone) {
      s.pattern = static_cast<std::int16_t>(xlNone);
      s.fill_color = static_cast<std::int16_t>(xlColorIndexNone);
      return;
    }
    s.fill_color = static_cast<std::int16_t>(color);
    if (s.pattern == xlNone) s.pattern = static_cast<std::int16_t>(xlSolid);
  });
}

// --- borders

namespace {

void CheckLineStyle(long style) {
  if (!OneOf(style, {xlContinuous, xlDash, xlDot, xlDouble, xlDashDot, xlDashDotDot, xlSlantDashDot,
                     xlLineStyleNone})) {
    Refuse("Border 클래스의 LineStyle 속성을 설정할 수 없습니다.");
  }
}
void CheckWeight(long weight) {
  if (!OneOf(weight, {xlHairline, xlThin, xlMedium, xlThick})) {
    Refuse("Border 클래스의 Weight 속성을 설정할 수 없습니다.");
  }
}
void CheckBorderColor(long color) {
  if (!((color >= 1 && color <= 56) || color == xlColorIndexNone ||
        color == xlColorIndexAutomatic)) {
    Refuse("Border 클래스의 ColorIndex 속성을 설정할 수 없습니다. 색 번호는 1부터 56까지입니다.");
  }
}

void ApplyLineStyle(BorderLine& b, long style) {
  if (style == xlLineStyleNone || b.IsNone()) b = BorderLine{};
  b.line_style = static_cast<std::int16_t>(style);
}
void ApplyWeight(BorderLine& b, long weight) {
  if (b.IsNone()) b.line_style = static_cast<std::int16_t>(xlContinuous);
  b.weight = static_cast<std::int16_t>(weight);
}
void ApplyBorderColor(BorderLine& b, long color) {
  if (color == xlColorIndexNone) {
    b = BorderLine{};
    return;
  }
  if (b.IsNone()) b.line_style = static_cast<std::int16_t>(xlContinuous);
  b.color_index = static_cast<std::int16_t>(color);
}

void ApplyBorderSetting(const BorderSetting& s, BorderLine& b) {
  if (s.LineStyle) ApplyLineStyle(b, *s.LineStyle);
  if (s.Weight) ApplyWeight(b, *s.Weight);
  if (s.ColorIndex) ApplyBorderColor(b, *s.ColorIndex);
}

}  // namespace

long GetBorderLineStyle(const RangeTarget& t) {
  return ReadBorder<long>(
      t, [](const BorderLine& b) { return long{b.line_style}; }, xlLineStyleNone);
}
void SetBorderLineStyle(RangeTarget& t, const long& style) {
  ModelOf(t);
  CheckLineStyle(style);
  ChangeBorder(t, [style](BorderLine& b) { ApplyLineStyle(b, style); });
}
long GetBorderWeight(const RangeTarget& t) {
  return ReadBorder<long>(
      t, [](const BorderLine& b) { return long{b.weight}; }, xlThin);
}
void SetBorderWeight(RangeTarget& t, const long& weight) {
  ModelOf(t);
  CheckWeight(weight);
  ChangeBorder(t, [weight](BorderLine& b) { ApplyWeight(b, weight); });
}
long GetBorderColorIndex(const RangeTarget& t) {
  return ReadBorder<long>(
      t, [](const BorderLine& b) { return b.IsNone() ? xlColorIndexNone : long{b.color_index}; },
      xlColorIndexNone);
}
void SetBorderColorIndex(RangeTarget& t, const long& color) {
  ModelOf(t);
  CheckBorderColor(color);
  ChangeBorder(t, [color](BorderLine& b) { ApplyBorderColor(b, color); });
}

// --- alignment and formats

long GetHorizontalAlignment(const RangeTarget& t) {
  return Uniform<long>(ModelOf(t), t.area, [](const Style& s) { return long{s.horizontal}; });
}
void SetHorizontalAlignment(RangeTarget& t, const long& alignment) {
  SheetModel& model = ModelOf(t);
  if (!OneOf(alignment, {xlGeneral, xlLeft, xlCenter, xlRight, xlFill, xlJustify,
                         xlCenterAcrossSelection, xlDistributed})) {
    Refuse("Range 클래스의 HorizontalAlignment 속성을 설정할 수 없습니다.");
  }
  model.Transform(t.area, [alignment](Style& s) {
    s.horizontal = static_cast<std::int16_t>(alignment);
    if (!IndentAligned(alignment)) s.indent = 0;  // only these alignments keep an indent
  });
}

namespace {
constexpr const char* kGeneralLocal = "G/표준";
}

std::string GetNumberFormatLocal(const RangeTarget& t) {
  const SheetModel& model = ModelOf(t);
  const std::uint32_t id =
      Uniform<std::uint32_t>(model, t.area, [](const Style& s) { return s.number_format; });
  return id == 0 ? kGeneralLocal : model.Styles().Format(id);
}
void SetNumberFormatLocal(RangeTarget& t, const std::string& code) {
  SheetModel& model = ModelOf(t);
  const bool general = code.empty() || code == kGeneralLocal || code == kGeneralFormat;
  if (!general) {
    bool quoted = false;
    int sections = 1;
    for (std::size_t i = 0; i < code.size(); ++i) {
      if (code[i] == '"') quoted = !quoted;
      if (!quoted && code[i] == '\\') ++i;
      if (!quoted && code[i] == ';') ++sections;
    }
    if (quoted || sections > 4 || code.size() > 255) {
      Refuse("Range 클래스의 NumberFormatLocal 속성을 설정할 수 없습니다. 표시 형식 \"" + code +
             "\"이(가) 올바르지 않습니다.");
    }
  }
  const std::uint32_t id = general ? 0 : model.Styles().InternFormat(code);
  model.Transform(t.area, [id](Style& s) { s.number_format = id; });
}

bool GetWrapText(const RangeTarget& t) {
  return Uniform<bool>(ModelOf(t), t.area, [](const Style& s) { return s.wrap; });
}
void SetWrapText(RangeTarget& t, const bool& wrap) {
  ModelOf(t).Transform(t.area, [wrap](Style& s) { s.wrap = wrap; });
}

namespace {
constexpr long kMaxIndent = 250;

void SetIndent(Style& s, long level) {
  s.indent = static_cast<std::int16_t>(level);
  if (level > 0 && !IndentAligned(s.horizontal)) s.horizontal = static_cast<std::int16_t>(xlLeft);
}
}  // namespace

long GetIndentLevel(const RangeTarget& t) {
  return Uniform<long>(ModelOf(t), t.area, [](const Style& s) { return long{s.indent}; });
}
void SetIndentLevel(RangeTarget& t, const long& level) {
  SheetModel& model = ModelOf(t);
  if (level < 0 || level > kMaxIndent) {
    Refuse("Range 클래스의 IndentLevel 속성을 설정할 수 없습니다. 들여쓰기는 0부터 250까지입니다.");
  }
  model.Transform(t.area, [level](Style& s) { SetIndent(s, level); });
}

// --- geometry

double GetColumnWidth(const RangeTarget& t) {
  const SheetModel& model = ModelOf(t);
  const double first = ColumnChars(model.ColumnPixels(t.area.col1));
  for (long c = t.area.col1 + 1; c <= t.area.col2; ++c) {
    if (ColumnChars(model.ColumnPixels(c)) != first) Mixed();
  }
  return first;
}
void SetColumnWidth(RangeTarget& t, const double& width) {
  SheetModel& model = ModelOf(t);
  if (!(width >= 0 && width <= kMaxColumnWidth)) {
    Refuse("Range 클래스의 ColumnWidth 속성을 설정할 수 없습니다. 열 너비는 0부터 255까지입니다.");
  }
  const long pixels = ColumnPixels(width);
  for (long c = t.area.col1; c <= t.area.col2; ++c) model.SetColumnPixels(c, pixels);
}

double GetRowHeight(const RangeTarget& t) {
  const SheetModel& model = ModelOf(t);
  const long stored = static_cast<long>(model.Rows().size());
  const double first = model.RowHeight(t.area.row1);
  const long last = std::min(t.area.row2, stored + 1);  // rows past the stored ones are alike
  for (long r = t.area.row1 + 1; r <= last; ++r) {
    if (model.RowHeight(r) != first) Mixed();
  }
  return first;
}
void SetRowHeight(RangeTarget& t, const double& height) {
  SheetModel& model = ModelOf(t);
  if (!(height >= 0 && height <= kMaxRowHeight)) {
    Refuse("Range 클래스의 RowHeight 속성을 설정할 수 없습니다. 행 높이는 0부터 409까지입니다.");
  }
  const double snapped = SnapToPixels(height);
  long last = t.area.row2;
  if (WholeColumns(t.area)) {
    model.SetDefaultRowHeight(snapped);
    last = static_cast<long>(model.Rows().size());
  }
  for (long r = t.area.row1; r <= last; ++r) model.SetRowHeight(r, snapped, true);
}

}  // namespace detail

// --- Range

const ValueProperty& ValueProperty::operator=(const CellValue& value) const {
  detail::SetValue(*target_, value);
  return *this;
}
const ValueProperty& ValueProperty::operator=(const std::string& text) const {
  return *this = std::string_view(text);
}
const ValueProperty& ValueProperty::operator=(std::string_view text) const {
  detail::SetValueText(*target_, text);
  return *this;
}

void Range::SetBorders(std::span<const BorderSetting> settings) const {
  SheetModel& model = detail::ModelOf(target_);
  for (const BorderSetting& s : settings) {
    detail::CheckBorderIndex(s.index);
    if (s.LineStyle) detail::CheckLineStyle(*s.LineStyle);
    if (s.Weight) detail::CheckWeight(*s.Weight);
    if (s.ColorIndex) detail::CheckBorderColor(*s.ColorIndex);
  }
  // Clearing a side that no style draws, nor any setting before it (the diagonals, mostly),
  // changes no cell.
  std::array<bool, kSideCount> may_have_lines;
  for (int side = 0; side < kSideCount; ++side) {
    may_have_lines[side] = model.Styles().AnyLine(static_cast<Side>(side));
  }
  std::vector<SheetModel::AreaChange> changes;
  for (const BorderSetting& s : settings) {
    if (!s.LineStyle && !s.Weight && !s.ColorIndex) continue;  // takes the border, sets nothing
    BorderLine from_none;
    detail::ApplyBorderSetting(s, from_none);
    const bool keeps_none = from_none == BorderLine{};
    for (const detail::SideArea& side : detail::SidesToSet(target_.area, s.index)) {
      bool& lines = may_have_lines[static_cast<int>(side.side)];
      changes.push_back({side.area,
                         [&s, side = side.side](Style& style) {
                           detail::ApplyBorderSetting(s, style.border(side));
                         },
                         keeps_none && !lines});
      if (!keeps_none) lines = true;
    }
  }
  model.Transform(changes);
}

Border Range::Borders(long index) const {
  detail::ModelOf(target_);
  detail::CheckBorderIndex(index);
  return Border(detail::RangeTarget{target_.sheet, target_.area, index});
}

void Range::Merge() const {
  detail::ModelOf(target_).Merge(target_.area);
}

void Range::AutoFit() const {
  SheetModel& model = detail::ModelOf(target_);
  const detail::Area& a = target_.area;
  if (detail::WholeColumns(a)) {
    for (long c = a.col1; c <= a.col2; ++c) AutoFitColumn(model, c);
  } else if (detail::WholeRows(a)) {
    const long last = std::min(a.row2, static_cast<long>(model.Rows().size()));
    for (long r = a.row1; r <= last; ++r) AutoFitRow(model, r);
  } else {
    Refuse(
        "Range 클래스의 AutoFit 메서드를 실행할 수 없습니다. 열 전체나 행 전체에만 쓸 수 "
        "있습니다.");
  }
}

void Range::InsertIndent(long amount) const {
  SheetModel& model = detail::ModelOf(target_);
  long most = 0;
  model.ForEachStyle(target_.area, [&](StyleId id) {
    most = std::max<long>(most, model.Styles().Get(id).indent);
    return true;
  });
  if (most + amount > detail::kMaxIndent) {
    Refuse("Range 클래스의 InsertIndent 메서드를 실행할 수 없습니다. 들여쓰기는 250까지입니다.");
  }
  model.Transform(target_.area, [amount](Style& s) {
    detail::SetIndent(s, std::clamp<long>(s.indent + amount, 0, detail::kMaxIndent));
  });
}

Range Range::EntireRow() const {
  detail::ModelOf(target_);
  return Range(target_.sheet, {target_.area.row1, 1, target_.area.row2, kMaxColumns});
}

long Range::Row() const {
  detail::ModelOf(target_);
  return target_.area.row1;
}

long Range::Column() const {
  detail::ModelOf(target_);
  return target_.area.col1;
}

bool Range::MergeCells() const {
  const SheetModel& model = detail::ModelOf(target_);
  const detail::Area* merge = model.MergeAt(target_.area.row1, target_.area.col1);
  return merge != nullptr && Contains(*merge, target_.area);
}

Range SheetColumns::operator()(long column) const {
  if (column < 1 || column > kMaxColumns) {
    Refuse("Columns(" + std::to_string(column) + "): 열 번호는 1부터 16384까지입니다.");
  }
  return Range(Parent(), {1, column, kMaxRows, column});
}

Range SheetRows::operator()(long row) const {
  if (row < 1 || row > kMaxRows) {
    Refuse("Rows(" + std::to_string(row) + "): 행 번호는 1부터 1048576까지입니다.");
  }
  return Range(Parent(), {row, 1, row, kMaxColumns});
}

}  // namespace taskvane::excel
