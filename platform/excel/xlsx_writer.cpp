#include "platform/excel/xlsx_writer.h"

#include <memory>

#include "platform/excel/workbook.h"
#include "platform/excel/worksheet.h"
#include "platform/excel/xlsx_drawings.h"
#include "platform/excel/xlsx_sheet.h"
#include "platform/excel/xlsx_styles.h"
#include "platform/ooxml/document_properties.h"
#include "platform/ooxml/package_names.h"
#include "platform/ooxml/xml_writer.h"

namespace taskvane::excel {

namespace {

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const std::string kOfficeType(ooxml::kOfficeContentType);

struct Relationship {
  std::string id, type, target;
};

std::string Relationships(const std::vector<Relationship>& list) {
  std::string out;
  ooxml::XmlWriter xml(out);
  xml.Declaration();
  xml.Open("Relationships").Attr("xmlns", ooxml::kPackageRelationshipsNamespace);
  for (const auto& r : list) {
    xml.Open("Relationship")
        .Attr("Id", r.id)
        .Attr("Type", std::string(ooxml::kOfficeRelationshipType) + r.type)
        .Attr("Target", r.target)
        .Close();
  }
  xml.Close();
  return out;
}

// A sheet name as a formula takes it: quoted unless it is a plain identifier.
std::string QuotedSheetName(const std::string& name) {
  bool plain = !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0]));
  for (char c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') plain = false;
  }
  if (plain) return name;
  std::string quoted = "'";
  for (char c : name) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return quoted + "'";
}

std::string WorkbookXml(const Worksheet& sheet) {
  std::string out;
  ooxml::XmlWriter xml(out);
  xml.Declaration();
  xml.Open("workbook").Attr("xmlns", kMain).Attr("xmlns:r", kRelationships);
  xml.Open("bookViews").Open("workbookView").Close().Close();
  xml.Open("sheets");
  xml.Open("sheet").Attr("name", sheet.Name()).Attr("sheetId", 1).Attr("r:id", "rId1").Close();
  xml.Close();
  const auto& page = sheet.PageSetup.Data();
  if (page.title_row1 > 0) {
    xml.Open("definedNames");
    xml.Open("definedName").Attr("name", "_xlnm.Print_Titles").Attr("localSheetId", 0);
    xml.Text(QuotedSheetName(sheet.Name()) + "!" + page.print_title_rows);
    xml.Close().Close();
  }
  xml.Close();
  return out;
}

}  // namespace

ooxml::Package WriteWorkbookPackage(const Worksheet& sheet) {
  const SheetModel& model = sheet.Model();
  auto styles = std::make_shared<const StylesPart>(WriteStylesPart(model));
  auto strings = std::make_shared<const SharedStrings>(SharedStrings::Of(model));
  FooterPictureParts pictures = WriteFooterPictureParts(sheet);
  const bool has_drawing = sheet.Shapes.Count() > 0;

  std::vector<Relationship> sheet_rels;
  SheetLinks links;
  if (has_drawing) {
    links.drawing = "rId" + std::to_string(sheet_rels.size() + 1);
    sheet_rels.push_back({links.drawing, "drawing", "../drawings/drawing1.xml"});
  }
  if (!pictures.vml.empty()) {
    links.footer_pictures = "rId" + std::to_string(sheet_rels.size() + 1);
    sheet_rels.push_back({links.footer_pictures, "vmlDrawing", "../drawings/vmlDrawing1.vml"});
  }

  std::vector<Relationship> book_rels = {
      {"rId1", "worksheet", "worksheets/sheet1.xml"},
      {"rId2", "styles", "styles.xml"},
  };
  if (!strings->empty()) book_rels.push_back({"rId3", "sharedStrings", "sharedStrings.xml"});

  std::string types;
  {
    ooxml::XmlWriter xml(types);
    xml.Declaration();
    xml.Open("Types").Attr("xmlns", ooxml::kContentTypesNamespace);
    auto default_type = [&](const char* extension, const std::string& type) {
      xml.Open("Default").Attr("Extension", extension).Attr("ContentType", type).Close();
    };
    auto override_type = [&](const char* part, const std::string& type) {
      xml.Open("Override").Attr("PartName", part).Attr("ContentType", type).Close();
    };
    default_type("rels", "application/vnd.openxmlformats-package.relationships+xml");
    default_type("xml", "application/xml");
    if (!pictures.vml.empty()) {
      default_type("vml", kOfficeType + "vmlDrawing");
      default_type("jpeg", "image/jpeg");
    }
    override_type("/xl/workbook.xml", kOfficeType + "spreadsheetml.sheet.main+xml");
    override_type("/xl/worksheets/sheet1.xml", kOfficeType + "spreadsheetml.worksheet+xml");
    override_type("/xl/styles.xml", kOfficeType + "spreadsheetml.styles+xml");
    if (!strings->empty()) {
      override_type("/xl/sharedStrings.xml", kOfficeType + "spreadsheetml.sharedStrings+xml");
    }
    if (has_drawing) override_type("/xl/drawings/drawing1.xml", kOfficeType + "drawing+xml");
    ooxml::WriteDocumentPropertyTypes(xml);
    xml.Close();
  }

  // The sheet, its shared strings and its drawing are written as the package is saved,
  // straight from the sheet: the package must not outlive it.
  ooxml::Package package;
  package.Add("[Content_Types].xml", std::move(types));
  package.Add("_rels/.rels", ooxml::PackageRelationships("xl/workbook.xml"));
  package.Add("xl/workbook.xml", WorkbookXml(sheet));
  package.Add("xl/_rels/workbook.xml.rels", Relationships(book_rels));
  package.Add("xl/styles.xml", styles->xml);
  if (!strings->empty()) {
    package.AddStreamed("xl/sharedStrings.xml",
                        [strings](ooxml::PartStream& out) { strings->Write(out); });
  }
  package.AddStreamed("xl/worksheets/sheet1.xml",
                      [&sheet, styles, strings, links](ooxml::PartStream& out) {
                        WriteSheetPart(out, sheet, *styles, *strings, links);
                      });
  if (!sheet_rels.empty()) {
    package.Add("xl/worksheets/_rels/sheet1.xml.rels", Relationships(sheet_rels));
  }
  if (has_drawing) {
    package.AddStreamed("xl/drawings/drawing1.xml",
                        [&sheet](ooxml::PartStream& out) { WriteDrawingPart(out, sheet); });
  }
  if (!pictures.vml.empty()) {
    package.Add("xl/drawings/vmlDrawing1.vml", std::move(pictures.vml));
    package.Add("xl/drawings/_rels/vmlDrawing1.vml.rels", std::move(pictures.rels));
    for (auto& [name, bytes] : pictures.images) package.Add(name, std::move(bytes));
  }
  const Workbook& book = sheet.Parent();
  ooxml::AddDocumentProperties(package, {.title = book.Title,
                                         .created = book.Created,
                                         .statistics = {},
                                         .parts_by_kind = {{"Worksheets", {sheet.Name()}}}});
  return package;
}

}  // namespace taskvane::excel
