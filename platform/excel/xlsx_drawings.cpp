#include "platform/excel/xlsx_drawings.h"

#include <cmath>
#include <cstdio>

#include "platform/excel/geometry.h"
#include "platform/excel/palette.h"
#include "platform/excel/sheet_model.h"
#include "platform/excel/worksheet.h"
#include "platform/excel/xlsx_sheet.h"
#include "platform/ooxml/package_names.h"
#include "platform/ooxml/xml_writer.h"

namespace taskvane::excel {

namespace {

constexpr const char* kSpreadsheetDrawing =
    "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing";
constexpr const char* kDrawingMain = "http://schemas.openxmlformats.org/drawingml/2006/main";
constexpr const char* kImageRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";
constexpr long kEmuPerPoint = 12700;
// The look of a new shape: the first accent colour, outlined in its darker shade.
constexpr std::uint32_t kDefaultFill = 0x4F81BD;
constexpr std::uint32_t kDefaultOutline = 0x385D8A;
constexpr long kDefaultOutlineEmu = 25400;

long long Emu(double points) {
  return std::llround(points * kEmuPerPoint);
}

std::string Rgb(std::uint32_t rgb) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%06X", rgb & 0xFFFFFF);
  return buf;
}

void WriteMarker(ooxml::XmlWriter& xml, const char* name, const SheetModel& model,
                 const detail::CellAnchor& a) {
  const double width = model.ColumnPixels(a.column) * kPointsPerPixel;
  const double height = model.RowHeight(a.row);
  xml.Open(name);
  xml.Element("xdr:col", std::to_string(a.column - 1));
  xml.Element("xdr:colOff", std::to_string(Emu(std::min(a.column_offset, width))));
  xml.Element("xdr:row", std::to_string(a.row - 1));
  xml.Element("xdr:rowOff", std::to_string(Emu(std::min(a.row_offset, height))));
  xml.Close();
}

void WriteSolidFill(ooxml::XmlWriter& xml, std::uint32_t rgb) {
  xml.Open("a:solidFill").Open("a:srgbClr").Attr("val", Rgb(rgb)).Close().Close();
}

std::string Stem(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const auto dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

void WriteDrawingPart(ooxml::PartStream& out, const Worksheet& sheet) {
  const SheetModel& model = sheet.Model();
  ooxml::XmlWriter xml(out);
  xml.Declaration();
  xml.Open("xdr:wsDr").Attr("xmlns:xdr", kSpreadsheetDrawing).Attr("xmlns:a", kDrawingMain);
  for (long i = 1; i <= sheet.Shapes.Count(); ++i) {
    const Shape& shape = sheet.Shapes(i);
    const detail::ShapeData& d = shape.Data();
    xml.Open("xdr:twoCellAnchor");
    WriteMarker(xml, "xdr:from", model, d.from);
    WriteMarker(xml, "xdr:to", model, d.to);
    xml.Open("xdr:sp").Attr("macro", "").Attr("textlink", "");
    xml.Open("xdr:nvSpPr");
    xml.Open("xdr:cNvPr").Attr("id", i + 1).Attr("name", "Rectangle " + std::to_string(i)).Close();
    xml.Open("xdr:cNvSpPr").Close();
    xml.Close();
    xml.Open("xdr:spPr");
    xml.Open("a:xfrm");
    xml.Open("a:off").Attr("x", Emu(shape.Left())).Attr("y", Emu(shape.Top())).Close();
    xml.Open("a:ext").Attr("cx", Emu(shape.Width())).Attr("cy", Emu(shape.Height())).Close();
    xml.Close();
    xml.Open("a:prstGeom").Attr("prst", "rect").Open("a:avLst").Close().Close();
    if (!d.fill_visible) {
      xml.Open("a:noFill").Close();
    } else {
      WriteSolidFill(xml, d.scheme_color < 0 ? kDefaultFill : IndexedColorRgb(d.scheme_color));
    }
    xml.Open("a:ln").Attr("w", kDefaultOutlineEmu);
    WriteSolidFill(xml, kDefaultOutline);
    xml.Close();
    xml.Close();  // spPr
    xml.Close();  // sp
    xml.Open("xdr:clientData").Close();
    xml.Close();  // anchor
  }
  xml.Close();
}

FooterPictureParts WriteFooterPictureParts(const Worksheet& sheet) {
  const detail::PageSetupData& page = sheet.PageSetup.Data();
  struct Placed {
    const char* id;  // the footer section the picture stands in
    const detail::FooterPictureData* picture;
  };
  std::vector<Placed> placed;
  auto shows = [](const std::string& section, const detail::FooterPictureData& p) {
    return !p.jpeg.empty() && FooterSection(section, false) != section;
  };
  if (shows(page.left_footer, page.left_footer_picture)) {
    placed.push_back({"LF", &page.left_footer_picture});
  }
  if (shows(page.right_footer, page.right_footer_picture)) {
    placed.push_back({"RF", &page.right_footer_picture});
  }
  FooterPictureParts parts;
  if (placed.empty()) return parts;

  ooxml::XmlWriter vml(parts.vml);
  vml.Open("xml")
      .Attr("xmlns:v", "urn:schemas-microsoft-com:vml")
      .Attr("xmlns:o", "urn:schemas-microsoft-com:office:office")
      .Attr("xmlns:x", "urn:schemas-microsoft-com:office:excel");
  vml.Open("o:shapelayout").Attr("v:ext", "edit");
  vml.Open("o:idmap").Attr("v:ext", "edit").Attr("data", 1).Close();
  vml.Close();
  vml.Raw(
      "<v:shapetype id=\"_x0000_t75\" coordsize=\"21600,21600\" o:spt=\"75\" "
      "o:preferrelative=\"t\" path=\"m@4@5l@4@11@9@11@9@5xe\" filled=\"f\" stroked=\"f\">"
      "<v:stroke joinstyle=\"miter\"/><v:formulas>"
      "<v:f eqn=\"if lineDrawn pixelLineWidth 0\"/><v:f eqn=\"sum @0 1 0\"/>"
      "<v:f eqn=\"sum 0 0 @1\"/><v:f eqn=\"prod @2 1 2\"/>"
      "<v:f eqn=\"prod @3 21600 pixelWidth\"/><v:f eqn=\"prod @3 21600 pixelHeight\"/>"
      "<v:f eqn=\"sum @0 0 1\"/><v:f eqn=\"prod @6 1 2\"/>"
      "<v:f eqn=\"prod @7 21600 pixelWidth\"/><v:f eqn=\"sum @8 21600 0\"/>"
      "<v:f eqn=\"prod @7 21600 pixelHeight\"/><v:f eqn=\"sum @10 21600 0\"/></v:formulas>"
      "<v:path o:extrusionok=\"f\" gradientshapeok=\"t\" o:connecttype=\"rect\"/>"
      "<o:lock v:ext=\"edit\" aspectratio=\"t\"/></v:shapetype>");

  ooxml::XmlWriter rels(parts.rels);
  rels.Declaration();
  rels.Open("Relationships").Attr("xmlns", ooxml::kPackageRelationshipsNamespace);

  for (std::size_t i = 0; i < placed.size(); ++i) {
    const auto& p = *placed[i].picture;
    const std::string rid = "rId" + std::to_string(i + 1);
    const std::string image = "image" + std::to_string(i + 1) + ".jpeg";
    const std::string style =
        "position:absolute;margin-left:0;margin-top:0;width:" + ooxml::FormatDouble(p.width) +
        "pt;height:" + ooxml::FormatDouble(p.height) + "pt;z-index:" + std::to_string(i + 1);
    vml.Open("v:shape")
        .Attr("id", placed[i].id)
        .Attr("o:spid", "_x0000_s" + std::to_string(1025 + i))
        .Attr("type", "#_x0000_t75")
        .Attr("style", style);
    vml.Open("v:imagedata").Attr("o:relid", rid).Attr("o:title", Stem(p.file_name)).Close();
    vml.Open("o:lock").Attr("v:ext", "edit").Attr("rotation", "t").Close();
    vml.Close();
    rels.Open("Relationship")
        .Attr("Id", rid)
        .Attr("Type", kImageRelationship)
        .Attr("Target", "../media/" + image)
        .Close();
    parts.images.emplace_back("xl/media/" + image, p.jpeg);
  }
  vml.Close();
  rels.Close();
  return parts;
}

}  // namespace taskvane::excel
