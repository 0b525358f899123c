#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ooxml/xml_writer.h"
#include "platform/powerpoint/pptx_writer.h"

namespace taskvane::ppt {

namespace {

using ooxml::XmlWriter;

constexpr std::string_view kTableUri = "http://schemas.openxmlformats.org/drawingml/2006/table";
// The built-in table style "No Style, No Grid": the cells' own borders and fills are all
// that shows.
constexpr std::string_view kPlainTableStyle = "{2D5ABB26-0587-4C30-8999-92F81FD0307C}";
constexpr std::string_view kFont = "맑은 고딕";
// Cell margins and text box insets, as PowerPoint makes them: 7.2 points left and right,
// 3.6 points top and bottom.
constexpr long long kInsetSide = 91440;
constexpr long long kInsetTopBottom = 45720;
// The outline of a text box whose Line is visible: 0.75 point.
constexpr long long kOutlineWidth = 9525;

std::string_view AlignmentValue(int alignment) {
  switch (alignment) {
    case ppAlignCenter:
      return "ctr";
    case ppAlignRight:
      return "r";
    case ppAlignJustify:
      return "just";
    case ppAlignDistribute:
      return "dist";
    case ppAlignThaiDistribute:
      return "thaiDist";
    case ppAlignJustifyLow:
      return "justLow";
    default:
      return "l";
  }
}

std::string_view BaseLineValue(int alignment) {
  switch (alignment) {
    case ppBaselineAlignTop:
      return "t";
    case ppBaselineAlignCenter:
      return "ctr";
    case ppBaselineAlignFarEast50:
      return "b";
    case ppBaselineAlignAuto:
      return "auto";
    default:
      return "base";
  }
}

std::string HexColor(long rgb) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const int channels[3] = {static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                           static_cast<int>((rgb >> 16) & 0xFF)};
  std::string hex;
  for (int value : channels) {
    hex += kDigits[value >> 4];
    hex += kDigits[value & 0xF];
  }
  return hex;
}

void SolidFill(XmlWriter& xml, std::string_view hex) {
  xml.Open("a:solidFill").Open("a:srgbClr").Attr("val", hex).Close().Close();
}

// Character formatting of a run or a paragraph end: size, bold, black, "맑은 고딕".
void RunProperties(XmlWriter& xml, std::string_view element, const Paragraph& paragraph) {
  xml.Open(element)
      .Attr("lang", "ko-KR")
      .Attr("altLang", "en-US")
      .Attr("sz", static_cast<long long>(std::llround(paragraph.font_size * 100)))
      .Attr("b", paragraph.bold ? "1" : "0")
      .Attr("dirty", "0");
  SolidFill(xml, "000000");
  xml.Open("a:latin").Attr("typeface", kFont).Close();
  xml.Open("a:ea").Attr("typeface", kFont).Close();
  xml.Close();
}

void Paragraphs(XmlWriter& xml, const TextBody& body) {
  for (const Paragraph& paragraph : body.paragraphs) {
    xml.Open("a:p");
    xml.Open("a:pPr")
        .Attr("algn", AlignmentValue(paragraph.alignment))
        .Attr("fontAlgn", BaseLineValue(paragraph.baseline_alignment))
        .Close();
    if (!paragraph.text.empty()) {
      xml.Open("a:r");
      RunProperties(xml, "a:rPr", paragraph);
      xml.Element("a:t", paragraph.text);
      xml.Close();
    }
    RunProperties(xml, "a:endParaRPr", paragraph);
    xml.Close();
  }
}

void Offset(XmlWriter& xml, double left, double top) {
  xml.Open("a:off").Attr("x", ToEmu(left)).Attr("y", ToEmu(top)).Close();
}

void GroupHeader(XmlWriter& xml) {
  xml.Open("p:nvGrpSpPr");
  xml.Open("p:cNvPr").Attr("id", 1).Attr("name", "").Close();
  xml.Open("p:cNvGrpSpPr").Close();
  xml.Open("p:nvPr").Close();
  xml.Close();
  xml.Open("p:grpSpPr").Open("a:xfrm");
  xml.Open("a:off").Attr("x", 0).Attr("y", 0).Close();
  xml.Open("a:ext").Attr("cx", 0).Attr("cy", 0).Close();
  xml.Open("a:chOff").Attr("x", 0).Attr("y", 0).Close();
  xml.Open("a:chExt").Attr("cx", 0).Attr("cy", 0).Close();
  xml.Close().Close();
}

void CellBorder(XmlWriter& xml, std::string_view element, double weight) {
  xml.Open(element)
      .Attr("w", ToEmu(weight))
      .Attr("cap", "flat")
      .Attr("cmpd", "sng")
      .Attr("algn", "ctr");
  if (weight > 0) {
    SolidFill(xml, "000000");
    xml.Open("a:prstDash").Attr("val", "solid").Close();
  } else {
    xml.Open("a:noFill").Close();
  }
  xml.Close();
}

// The grid as the file holds it. A row whose cells are all covered by merges from above
// (every row but the first of a group merged across all columns) has nothing of its own
// to show; it is folded into the row above, whose height it adds, and the spans count
// only the rows that remain. Columns likewise. The slide looks the same, and LibreOffice
// 7.4, which misplaces a table holding such a row, shows it as PowerPoint does.
struct FileGrid {
  std::vector<bool> row_kept;      // by grid row, 1-based
  std::vector<bool> column_kept;   // by grid column, 1-based
  std::vector<long long> heights;  // EMU, by grid row; 0 for a folded row
  std::vector<long long> widths;   // EMU, by grid column; 0 for a folded column

  explicit FileGrid(const Table& table)
      : row_kept(table.RowCount() + 1, false),
        column_kept(table.ColumnCount() + 1, false),
        heights(table.RowCount() + 1, 0),
        widths(table.ColumnCount() + 1, 0) {
    for (int r = 1; r <= table.RowCount(); ++r) {
      for (int c = 1; c <= table.ColumnCount(); ++c) {
        if (!table.Cell(r, c).IsCovered()) row_kept[r] = column_kept[c] = true;
      }
    }
    // Row 1 and column 1 always hold the top-left cell, so a folded one has a kept one
    // before it.
    int last_kept = 1;
    for (int r = 1; r <= table.RowCount(); ++r) {
      if (row_kept[r]) last_kept = r;
      heights[last_kept] += ToEmu(table.RowHeight(r));
    }
    last_kept = 1;
    for (int c = 1; c <= table.ColumnCount(); ++c) {
      if (column_kept[c]) last_kept = c;
      widths[last_kept] += ToEmu(table.ColumnWidth(c));
    }
  }

  static int Kept(const std::vector<bool>& kept, int first, int last) {
    int count = 0;
    for (int i = first; i <= last; ++i) count += kept[i] ? 1 : 0;
    return count;
  }
  int Rows(const CellArea& area) const { return Kept(row_kept, area.row, area.LastRow()); }
  int Columns(const CellArea& area) const {
    return Kept(column_kept, area.column, area.LastColumn());
  }
};

void TableCell(XmlWriter& xml, const Table& table, const FileGrid& grid, int row, int column) {
  const Cell& cell = table.Cell(row, column);
  const CellArea area = cell.Area();
  xml.Open("a:tc");
  // The merged cell carries the spans; the cells it covers are flagged. On the first row
  // and column of a two-way merge the covered cells repeat the span across, as PowerPoint
  // writes them.
  const bool first_row = row == area.row;
  const bool first_column = column == area.column;
  if (first_column && grid.Columns(area) > 1) xml.Attr("gridSpan", grid.Columns(area));
  if (first_row && grid.Rows(area) > 1) xml.Attr("rowSpan", grid.Rows(area));
  if (!first_column) xml.Attr("hMerge", 1);
  if (!first_row) xml.Attr("vMerge", 1);

  xml.Open("a:txBody");
  xml.Open("a:bodyPr").Close();
  xml.Open("a:lstStyle").Close();
  Paragraphs(xml, cell.Body());
  xml.Close();

  xml.Open("a:tcPr")
      .Attr("marL", kInsetSide)
      .Attr("marR", kInsetSide)
      .Attr("marT", kInsetTopBottom)
      .Attr("marB", kInsetTopBottom);
  // A merged cell's sides are the sides of its rectangle; a covered cell keeps its own.
  const CellArea sides = cell.IsCovered() ? CellArea{row, column, 1, 1} : area;
  CellBorder(xml, "a:lnL", table.GridBorderWeight(sides.row, sides.column, ppBorderLeft));
  CellBorder(xml, "a:lnR", table.GridBorderWeight(sides.row, sides.LastColumn(), ppBorderRight));
  CellBorder(xml, "a:lnT", table.GridBorderWeight(sides.row, sides.column, ppBorderTop));
  CellBorder(xml, "a:lnB", table.GridBorderWeight(sides.LastRow(), sides.column, ppBorderBottom));
  xml.Open("a:noFill").Close();
  xml.Close();
  xml.Close();
}

void TableFrame(XmlWriter& xml, const Shape& shape) {
  const Table& table = shape.Table;
  const FileGrid grid(table);
  long long width = 0;
  long long height = 0;
  for (long long w : grid.widths) width += w;
  for (long long h : grid.heights) height += h;

  xml.Open("p:graphicFrame");
  xml.Open("p:nvGraphicFramePr");
  xml.Open("p:cNvPr").Attr("id", shape.Id()).Attr("name", shape.Name()).Close();
  xml.Open("p:cNvGraphicFramePr").Open("a:graphicFrameLocks").Attr("noGrp", 1).Close().Close();
  xml.Open("p:nvPr").Close();
  xml.Close();
  xml.Open("p:xfrm");
  Offset(xml, shape.Left, shape.Top);
  xml.Open("a:ext").Attr("cx", width).Attr("cy", height).Close();
  xml.Close();
  xml.Open("a:graphic").Open("a:graphicData").Attr("uri", kTableUri);
  xml.Open("a:tbl");
  xml.Open("a:tblPr").Element("a:tableStyleId", kPlainTableStyle).Close();
  xml.Open("a:tblGrid");
  for (int c = 1; c <= table.ColumnCount(); ++c) {
    if (grid.column_kept[c]) xml.Open("a:gridCol").Attr("w", grid.widths[c]).Close();
  }
  xml.Close();
  for (int r = 1; r <= table.RowCount(); ++r) {
    if (!grid.row_kept[r]) continue;
    xml.Open("a:tr").Attr("h", grid.heights[r]);
    for (int c = 1; c <= table.ColumnCount(); ++c) {
      if (grid.column_kept[c]) TableCell(xml, table, grid, r, c);
    }
    xml.Close();
  }
  xml.Close();          // a:tbl
  xml.Close().Close();  // a:graphicData, a:graphic
  xml.Close();
}

void TextBox(XmlWriter& xml, const Shape& shape) {
  xml.Open("p:sp");
  xml.Open("p:nvSpPr");
  xml.Open("p:cNvPr").Attr("id", shape.Id()).Attr("name", shape.Name()).Close();
  xml.Open("p:cNvSpPr").Attr("txBox", 1).Close();
  xml.Open("p:nvPr").Close();
  xml.Close();

  xml.Open("p:spPr");
  xml.Open("a:xfrm");
  Offset(xml, shape.Left, shape.Top);
  xml.Open("a:ext").Attr("cx", ToEmu(shape.Width)).Attr("cy", ToEmu(shape.Height)).Close();
  xml.Close();
  xml.Open("a:prstGeom").Attr("prst", "rect").Open("a:avLst").Close().Close();
  if (shape.Fill.Visible) {
    SolidFill(xml, HexColor(shape.Fill.ForeColor.RGB));
  } else {
    xml.Open("a:noFill").Close();
  }
  if (shape.Line.Visible) {
    xml.Open("a:ln").Attr("w", kOutlineWidth);
    SolidFill(xml, "000000");
    xml.Close();
  } else {
    xml.Open("a:ln").Open("a:noFill").Close().Close();
  }
  xml.Close();

  // The box keeps the size it was given; text wraps at its width.
  xml.Open("p:txBody");
  xml.Open("a:bodyPr")
      .Attr("wrap", "square")
      .Attr("lIns", kInsetSide)
      .Attr("tIns", kInsetTopBottom)
      .Attr("rIns", kInsetSide)
      .Attr("bIns", kInsetTopBottom)
      .Attr("rtlCol", 0)
      .Attr("anchor", "t");
  xml.Open("a:noAutofit").Close();
  xml.Close();
  xml.Open("a:lstStyle").Close();
  Paragraphs(xml, shape.Body());
  xml.Close();
  xml.Close();
}

}  // namespace

long long ToEmu(double points) {
  return std::llround(points * 12700);
}

void WriteSlideXml(ooxml::PartStream& out, const Slide& slide) {
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("p:sld").Attr("xmlns:a", kNsA).Attr("xmlns:r", kNsR).Attr("xmlns:p", kNsP);
  xml.Open("p:cSld").Open("p:spTree");
  GroupHeader(xml);
  for (int i = 1; i <= slide.Shapes.Count; ++i) {
    const Shape& shape = slide.Shapes(i);
    if (shape.HasTable()) {
      TableFrame(xml, shape);
    } else {
      TextBox(xml, shape);
    }
  }
  xml.Close().Close();
  xml.Open("p:clrMapOvr").Open("a:masterClrMapping").Close().Close();
  xml.Close();
}

}  // namespace taskvane::ppt
