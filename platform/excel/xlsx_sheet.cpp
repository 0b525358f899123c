#include "platform/excel/xlsx_sheet.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "platform/excel/a1_reference.h"
#include "platform/excel/geometry.h"
#include "platform/excel/worksheet.h"
#include "platform/ooxml/xml_writer.h"

namespace taskvane::excel {

namespace {

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

void AppendNumber(std::string& out, long long value) {
  char buf[24];
  auto result = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, result.ptr);
}

// Margins are kept in points; the file takes inches. Rounding to 15 decimals drops the
// noise of the division (21.6 pt is 0.3 inch, not 0.30000000000000004).
double Inches(double points) {
  return std::round(points / 72 * 1e15) / 1e15;
}

std::string DefinedFooter(const detail::PageSetupData& d) {
  const bool left_picture = !d.left_footer_picture.jpeg.empty();
  const bool right_picture = !d.right_footer_picture.jpeg.empty();
  std::string footer;
  const std::string left = FooterSection(d.left_footer, left_picture);
  const std::string center = FooterSection(d.center_footer, false);
  const std::string right = FooterSection(d.right_footer, right_picture);
  if (!left.empty()) footer += "&L" + left;
  if (!center.empty()) footer += "&C" + center;
  if (!right.empty()) footer += "&R" + right;
  return footer;
}

char* Copy(char* to, std::string_view piece) {
  std::memcpy(to, piece.data(), piece.size());
  return to + piece.size();
}

// The pieces every cell of a sheet is written from: "<c r=\"" and the column's letters
// for each column, and what follows the reference for each style ("\" s=\"5\"").
class CellPieces {
 public:
  CellPieces(const SheetModel& model, const StylesPart& styles) {
    std::size_t columns = 0;
    for (const SheetModel::Row& row : model.Rows()) columns = std::max(columns, row.styles.size());
    starts_.reserve(columns);
    for (std::size_t c = 1; c <= columns; ++c) {
      starts_.push_back("<c r=\"" + ColumnName(static_cast<long>(c)));
    }
    style_attributes_.reserve(styles.xf_of_style.size());
    for (const std::uint32_t xf : styles.xf_of_style) {
      std::string attributes = "\"";
      if (xf != 0) {
        attributes += " s=\"";
        AppendNumber(attributes, xf);
        attributes += '"';
      }
      style_attributes_.push_back(std::move(attributes));
    }
  }

  const std::string& Start(long column) const {
    return starts_[static_cast<std::size_t>(column - 1)];
  }
  const std::string& StyleAttributes(StyleId id) const { return style_attributes_[id]; }

 private:
  std::vector<std::string> starts_;
  std::vector<std::string> style_attributes_;
};

// Sheet rows and cells. This runs over every cell of large sheets, so it appends to the
// part's text directly and hands it on after each row; every value written here is a
// number, a cell reference or a shared-string index.
void WriteSheetData(ooxml::PartStream& stream, const SheetModel& model, const StylesPart& styles,
                    const SharedStrings& strings) {
  std::string& out = stream.Text();
  out += "<sheetData>";
  const CellPieces pieces(model, styles);
  char row_name[24];
  const auto& rows = model.Rows();
  for (long r = 1; r <= static_cast<long>(rows.size()); ++r) {
    const SheetModel::Row& row = rows[r - 1];
    const long stored = static_cast<long>(row.styles.size());
    const std::string_view row_number(row_name,
                                      std::to_chars(row_name, row_name + sizeof row_name, r).ptr);
    const std::size_t row_start = out.size();
    out += "<row r=\"";
    out += row_number;
    out += '"';
    if (row.custom_format) {
      out += " s=\"";
      AppendNumber(out, styles.xf_of_style[row.style]);
      out += "\" customFormat=\"1\"";
    }
    if (row.height_set) {
      out += " ht=\"";
      out += ooxml::FormatDouble(row.height);
      out += row.height_custom ? "\" customHeight=\"1\"" : "\"";
    }
    out += '>';
    const std::size_t cells_start = out.size();

    auto value = row.values.begin();
    for (long c = 1; c <= stored; ++c) {
      const StyleId id = row.styles[c - 1];
      const bool has_value = value != row.values.end() && value->first == c;
      const StyleId inherited = row.custom_format ? row.style : model.ColumnStyle(c);
      if (!has_value && id == inherited) continue;
      if (!has_value) {  // most cells: a look and no value, put together in one go
        // (at most 9 + 7 + 16 + 2 characters: "<c r=\"XFD", "1048576", "\" s=\"N\"", "/>")
        char cell[48];
        char* end = Copy(cell, pieces.Start(c));
        end = Copy(end, row_number);
        end = Copy(end, pieces.StyleAttributes(id));
        end = Copy(end, "/>");
        out.append(cell, end);
        continue;
      }
      out += pieces.Start(c);
      out += row_number;
      out += pieces.StyleAttributes(id);
      const CellValue& v = value->second;
      ++value;
      if (v.IsText()) {
        out += " t=\"s\"><v>";
        AppendNumber(out, strings.IndexOf(v.text()));
      } else {
        out += "><v>";
        out += ooxml::FormatDouble(v.number());
      }
      out += "</v></c>";
    }

    if (out.size() == cells_start && !row.custom_format && !row.height_set) {
      out.resize(row_start);  // nothing to say about this row
    } else {
      out += "</row>";
    }
    stream.Drain();
  }
  out += "</sheetData>";
}

void WriteColumns(ooxml::XmlWriter& xml, const SheetModel& model, const StylesPart& styles) {
  bool open = false;
  long c = 1;
  while (c <= kMaxColumns) {
    const long pixels = model.ColumnPixels(c);
    const bool custom = model.ColumnCustom(c);
    const StyleId style = model.ColumnStyle(c);
    long last = c;
    while (last < kMaxColumns && model.ColumnPixels(last + 1) == pixels &&
           model.ColumnCustom(last + 1) == custom && model.ColumnStyle(last + 1) == style) {
      ++last;
    }
    if (custom || style != 0) {
      if (!open) xml.Open("cols"), open = true;
      xml.Open("col").Attr("min", c).Attr("max", last).Attr("width", FileColumnWidth(pixels));
      if (style != 0) xml.Attr("style", static_cast<long long>(styles.xf_of_style[style]));
      if (custom) xml.Attr("customWidth", 1);
      xml.Close();
    }
    c = last + 1;
  }
  if (open) xml.Close();
}

std::string Dimension(const SheetModel& model) {
  long first_row = 0, last_row = 0, first_col = kMaxColumns + 1, last_col = 0;
  const auto& rows = model.Rows();
  for (long r = 1; r <= static_cast<long>(rows.size()); ++r) {
    const auto& row = rows[r - 1];
    long lo = 0, hi = 0;
    if (!row.values.empty()) lo = row.values.front().first, hi = row.values.back().first;
    for (long c = 1; c <= static_cast<long>(row.styles.size()); ++c) {
      const StyleId inherited = row.custom_format ? row.style : model.ColumnStyle(c);
      if (row.styles[c - 1] != inherited) {
        lo = lo == 0 ? c : std::min(lo, c);
        hi = std::max(hi, c);
      }
    }
    if (hi == 0) continue;
    if (first_row == 0) first_row = r;
    last_row = r;
    first_col = std::min(first_col, lo);
    last_col = std::max(last_col, hi);
  }
  if (first_row == 0) return "A1";
  const std::string first = CellName(first_row, first_col);
  const std::string last = CellName(last_row, last_col);
  return first == last ? first : first + ":" + last;
}

}  // namespace

std::string FooterSection(const std::string& text, bool has_picture) {
  if (has_picture) return text;
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      if (text[i + 1] == 'G') {
        ++i;
        continue;
      }
      out += text[i];
      out += text[++i];  // "&&" and every other code stay whole
      continue;
    }
    out += text[i];
  }
  return out;
}

void WriteSheetPart(ooxml::PartStream& out, const Worksheet& sheet, const StylesPart& styles,
                    const SharedStrings& strings, const SheetLinks& links) {
  const SheetModel& model = sheet.Model();
  const detail::PageSetupData& page = sheet.PageSetup.Data();
  ooxml::XmlWriter xml(out);
  xml.Declaration();
  xml.Open("worksheet").Attr("xmlns", kMain).Attr("xmlns:r", kRelationships);
  xml.Open("dimension").Attr("ref", Dimension(model)).Close();
  xml.Open("sheetViews").Open("sheetView").Attr("tabSelected", 1).Attr("workbookViewId", 0);
  xml.Close().Close();
  xml.Open("sheetFormatPr")
      .Attr("baseColWidth", 8)
      .Attr("defaultRowHeight", model.DefaultRowHeight());
  if (model.DefaultRowHeight() != kDefaultRowHeight) xml.Attr("customHeight", 1);
  xml.Close();
  WriteColumns(xml, model, styles);
  xml.Raw("");  // ends any open start tag before the rows are appended directly
  WriteSheetData(out, model, styles, strings);

  if (!model.Merges().empty()) {
    xml.Open("mergeCells").Attr("count", static_cast<long long>(model.Merges().size()));
    for (const Area& m : model.Merges()) {
      xml.Open("mergeCell")
          .Attr("ref", CellName(m.row1, m.col1) + ":" + CellName(m.row2, m.col2))
          .Close();
    }
    xml.Close();
  }
  if (page.center_horizontally) xml.Open("printOptions").Attr("horizontalCentered", 1).Close();
  xml.Open("pageMargins")
      .Attr("left", Inches(page.left_margin))
      .Attr("right", Inches(page.right_margin))
      .Attr("top", Inches(page.top_margin))
      .Attr("bottom", Inches(page.bottom_margin))
      .Attr("header", Inches(page.header_margin))
      .Attr("footer", Inches(page.footer_margin))
      .Close();
  xml.Open("pageSetup")
      .Attr("paperSize", 9)
      .Attr("scale", page.zoom)
      .Attr("orientation", page.orientation == xlLandscape ? "landscape" : "portrait")
      .Close();
  const std::string footer = DefinedFooter(page);
  if (!footer.empty()) {
    xml.Open("headerFooter").Element("oddFooter", footer).Close();
  }
  if (!links.drawing.empty()) xml.Open("drawing").Attr("r:id", links.drawing).Close();
  if (!links.footer_pictures.empty()) {
    xml.Open("legacyDrawingHF").Attr("r:id", links.footer_pictures).Close();
  }
  xml.Close();
}

}  // namespace taskvane::excel
