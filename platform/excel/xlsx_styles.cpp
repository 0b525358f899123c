#include "platform/excel/xlsx_styles.h"

#include <map>
#include <tuple>

#include "platform/excel/palette.h"
#include "platform/ooxml/xml_writer.h"

namespace taskvane::excel {

namespace {

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kFontName = "맑은 고딕";

const char* PatternType(long pattern) {
  switch (pattern) {
    case xlSolid:
      return "solid";
    case xlGray75:
      return "darkGray";
    case xlGray50:
      return "mediumGray";
    case xlGray25:
      return "lightGray";
    case xlGray16:
      return "gray125";
    case xlGray8:
      return "gray0625";
    case xlHorizontal:
      return "darkHorizontal";
    case xlVertical:
      return "darkVertical";
    case xlDown:
      return "darkDown";
    case xlUp:
      return "darkUp";
    case xlChecker:
      return "darkGrid";
    case xlSemiGray75:
      return "darkTrellis";
    case xlLightHorizontal:
      return "lightHorizontal";
    case xlLightVertical:
      return "lightVertical";
    case xlLightDown:
      return "lightDown";
    case xlLightUp:
      return "lightUp";
    case xlGrid:
      return "lightGrid";
    case xlCrissCross:
      return "lightTrellis";
    default:
      return "none";
  }
}

const char* BorderStyleName(const BorderLine& b) {
  const bool heavy = b.weight == xlMedium || b.weight == xlThick;
  switch (b.line_style) {
    case xlContinuous:
      switch (b.weight) {
        case xlHairline:
          return "hair";
        case xlMedium:
          return "medium";
        case xlThick:
          return "thick";
        default:
          return "thin";
      }
    case xlDash:
      return heavy ? "mediumDashed" : "dashed";
    case xlDot:
      return "dotted";
    case xlDouble:
      return "double";
    case xlDashDot:
      return heavy ? "mediumDashDot" : "dashDot";
    case xlDashDotDot:
      return heavy ? "mediumDashDotDot" : "dashDotDot";
    case xlSlantDashDot:
      return "slantDashDot";
    default:
      return nullptr;
  }
}

const char* HorizontalName(long horizontal) {
  switch (horizontal) {
    case xlLeft:
      return "left";
    case xlCenter:
      return "center";
    case xlRight:
      return "right";
    case xlFill:
      return "fill";
    case xlJustify:
      return "justify";
    case xlCenterAcrossSelection:
      return "centerContinuous";
    case xlDistributed:
      return "distributed";
    default:
      return nullptr;
  }
}

// Number formats the application knows by id.
int BuiltinFormatId(const std::string& code) {
  static const std::map<std::string, int> kBuiltin = {{"General", 0}, {"0", 1},        {"0.00", 2},
                                                      {"#,##0", 3},   {"#,##0.00", 4}, {"0%", 9},
                                                      {"0.00%", 10},  {"@", 49}};
  auto it = kBuiltin.find(code);
  return it == kBuiltin.end() ? -1 : it->second;
}

// Colour of a ColorIndex: palette entry, or a system colour for "automatic".
int Indexed(long color_index, int automatic) {
  return color_index >= 1 && color_index <= 56 ? static_cast<int>(color_index + 7) : automatic;
}

template <class Key>
class Interner {
 public:
  std::uint32_t Add(const Key& key) {
    auto [it, inserted] = ids_.try_emplace(key, static_cast<std::uint32_t>(keys_.size()));
    if (inserted) keys_.push_back(key);
    return it->second;
  }
  const std::vector<Key>& Keys() const { return keys_; }

 private:
  std::map<Key, std::uint32_t> ids_;
  std::vector<Key> keys_;
};

using FontKey = std::tuple<double, bool>;
using FillKey = std::tuple<long, long>;
using BorderKey = std::array<std::tuple<int, int, int>, kSideCount>;

BorderKey KeyOf(const Style& s) {
  BorderKey key;
  for (int i = 0; i < kSideCount; ++i) {
    const BorderLine& b = s.borders[i];
    key[i] = {b.line_style, b.weight, b.color_index};
  }
  return key;
}

void WriteBorderSide(ooxml::XmlWriter& xml, const char* name, const BorderLine& b) {
  xml.Open(name);
  if (const char* style = BorderStyleName(b)) {
    xml.Attr("style", style);
    xml.Open("color").Attr("indexed", Indexed(b.color_index, kIndexedSystemForeground)).Close();
  }
  xml.Close();
}

}  // namespace

StylesPart WriteStylesPart(const SheetModel& sheet) {
  const StyleTable& table = sheet.Styles();
  std::vector<bool> used(table.size(), false);
  used[0] = true;
  for (const auto& row : sheet.Rows()) {
    StyleId last = 0;
    for (StyleId id : row.styles) {
      if (id != last) used[id] = true, last = id;
    }
    if (row.custom_format) used[row.style] = true;
  }
  for (long c = 1; c <= sheet.LastStyledColumn(); ++c) used[sheet.ColumnStyle(c)] = true;

  Interner<FontKey> fonts;
  Interner<FillKey> fills;
  Interner<BorderKey> borders;
  Interner<std::string> custom_formats;
  fonts.Add({11.0, false});
  fills.Add({xlNone, xlColorIndexNone});
  fills.Add({xlGray16, -1});  // gray125, reserved by the application
  borders.Add(KeyOf(Style{}));

  struct Xf {
    int format, font, fill, border;
    const Style* style;
  };
  std::vector<Xf> xfs;
  StylesPart part;
  part.xf_of_style.assign(table.size(), 0);
  for (StyleId id = 0; id < table.size(); ++id) {
    if (!used[id]) continue;
    const Style& s = table.Get(id);
    const std::string& code = table.Format(s.number_format);
    int format = BuiltinFormatId(code);
    if (format < 0) format = 164 + static_cast<int>(custom_formats.Add(code));
    Xf xf{format, static_cast<int>(fonts.Add({s.font_size, s.bold})),
          s.pattern == xlNone ? 0 : static_cast<int>(fills.Add({s.pattern, s.fill_color})),
          static_cast<int>(borders.Add(KeyOf(s))), &s};
    part.xf_of_style[id] = static_cast<std::uint32_t>(xfs.size());
    xfs.push_back(xf);
  }

  ooxml::XmlWriter xml(part.xml);
  xml.Declaration();
  xml.Open("styleSheet").Attr("xmlns", kMain);

  if (!custom_formats.Keys().empty()) {
    xml.Open("numFmts").Attr("count", static_cast<long long>(custom_formats.Keys().size()));
    for (std::size_t i = 0; i < custom_formats.Keys().size(); ++i) {
      xml.Open("numFmt")
          .Attr("numFmtId", static_cast<long long>(164 + i))
          .Attr("formatCode", custom_formats.Keys()[i])
          .Close();
    }
    xml.Close();
  }

  xml.Open("fonts").Attr("count", static_cast<long long>(fonts.Keys().size()));
  for (const auto& [size, bold] : fonts.Keys()) {
    xml.Open("font");
    if (bold) xml.Open("b").Close();
    xml.Open("sz").Attr("val", size).Close();
    xml.Open("name").Attr("val", kFontName).Close();
    xml.Open("family").Attr("val", 2).Close();
    xml.Open("charset").Attr("val", 129).Close();
    xml.Close();
  }
  xml.Close();

  xml.Open("fills").Attr("count", static_cast<long long>(fills.Keys().size()));
  for (const auto& [pattern, color] : fills.Keys()) {
    xml.Open("fill")
        .Open("patternFill")
        .Attr("patternType", pattern == xlNone ? "none" : PatternType(pattern));
    if (pattern == xlSolid) {
      xml.Open("fgColor").Attr("indexed", Indexed(color, kIndexedSystemBackground)).Close();
      xml.Open("bgColor").Attr("indexed", kIndexedSystemForeground).Close();
    } else if (pattern != xlNone && color != -1) {
      // The lines take the automatic colour, the cell colour shows between them.
      xml.Open("fgColor").Attr("indexed", kIndexedSystemForeground).Close();
      xml.Open("bgColor").Attr("indexed", Indexed(color, kIndexedSystemBackground)).Close();
    }
    xml.Close().Close();
  }
  xml.Close();

  xml.Open("borders").Attr("count", static_cast<long long>(borders.Keys().size()));
  for (const BorderKey& key : borders.Keys()) {
    std::array<BorderLine, kSideCount> b;
    for (int i = 0; i < kSideCount; ++i) {
      b[i] = {static_cast<std::int16_t>(std::get<0>(key[i])),
              static_cast<std::int16_t>(std::get<1>(key[i])),
              static_cast<std::int16_t>(std::get<2>(key[i]))};
    }
    const BorderLine& down = b[static_cast<int>(Side::DiagonalDown)];
    const BorderLine& up = b[static_cast<int>(Side::DiagonalUp)];
    xml.Open("border");
    if (!up.IsNone()) xml.Attr("diagonalUp", 1);
    if (!down.IsNone()) xml.Attr("diagonalDown", 1);
    WriteBorderSide(xml, "left", b[static_cast<int>(Side::Left)]);
    WriteBorderSide(xml, "right", b[static_cast<int>(Side::Right)]);
    WriteBorderSide(xml, "top", b[static_cast<int>(Side::Top)]);
    WriteBorderSide(xml, "bottom", b[static_cast<int>(Side::Bottom)]);
    // Both diagonals share one line; the down diagonal's wins when both are drawn.
    WriteBorderSide(xml, "diagonal", down.IsNone() ? up : down);
    xml.Close();
  }
  xml.Close();

  xml.Open("cellStyleXfs").Attr("count", 1);
  xml.Open("xf")
      .Attr("numFmtId", 0)
      .Attr("fontId", 0)
      .Attr("fillId", 0)
      .Attr("borderId", 0)
      .Close();
  xml.Close();

  xml.Open("cellXfs").Attr("count", static_cast<long long>(xfs.size()));
  for (const Xf& xf : xfs) {
    const Style& s = *xf.style;
    xml.Open("xf")
        .Attr("numFmtId", xf.format)
        .Attr("fontId", xf.font)
        .Attr("fillId", xf.fill)
        .Attr("borderId", xf.border)
        .Attr("xfId", 0);
    if (xf.format != 0) xml.Attr("applyNumberFormat", 1);
    if (xf.font != 0) xml.Attr("applyFont", 1);
    if (xf.fill != 0) xml.Attr("applyFill", 1);
    if (xf.border != 0) xml.Attr("applyBorder", 1);
    const char* horizontal = HorizontalName(s.horizontal);
    if (horizontal != nullptr || s.wrap || s.indent > 0) {
      xml.Attr("applyAlignment", 1).Open("alignment");
      if (horizontal != nullptr) xml.Attr("horizontal", horizontal);
      if (s.indent > 0) xml.Attr("indent", static_cast<long long>(s.indent));
      if (s.wrap) xml.Attr("wrapText", 1);
      xml.Close();
    }
    xml.Close();
  }
  xml.Close();

  xml.Open("cellStyles").Attr("count", 1);
  xml.Open("cellStyle").Attr("name", "Normal").Attr("xfId", 0).Attr("builtinId", 0).Close();
  xml.Close();
  xml.Open("dxfs").Attr("count", 0).Close();
  xml.Open("tableStyles").Attr("count", 0).Close();
  xml.Close();
  return part;
}

}  // namespace taskvane::excel
