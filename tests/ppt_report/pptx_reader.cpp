#include "tests/ppt_report/pptx_reader.h"

#include <zip.h>

#include <pugixml.hpp>

namespace taskvane::testing {

namespace {

std::string ParagraphsText(const pugi::xml_node& body) {
  std::string text;
  bool first = true;
  for (pugi::xml_node p : body.children("a:p")) {
    if (!first) text += "\r";
    first = false;
    for (pugi::xml_node r : p.children("a:r")) text += r.child("a:t").text().get();
  }
  return text;
}

int FirstRunSize(const pugi::xml_node& body) {
  pugi::xml_node props = body.select_node(".//a:rPr").node();
  if (!props) props = body.select_node(".//a:endParaRPr").node();
  return props.attribute("sz").as_int();
}

}  // namespace

std::map<std::string, std::string> ReadPackage(const std::string& path) {
  std::map<std::string, std::string> parts;
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (archive == nullptr) return parts;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t stat;
    if (zip_stat_index(archive, i, 0, &stat) != 0) continue;
    std::string content(stat.size, '\0');
    zip_file_t* file = zip_fopen_index(archive, i, 0);
    if (file == nullptr) continue;
    const zip_int64_t read = zip_fread(file, content.data(), stat.size);
    zip_fclose(file);
    if (read == static_cast<zip_int64_t>(stat.size)) parts[stat.name] = std::move(content);
  }
  zip_close(archive);
  return parts;
}

std::vector<std::vector<std::string>> SlideTable::Texts() const {
  std::vector<std::vector<std::string>> texts;
  for (const auto& row : rows) {
    auto& out = texts.emplace_back();
    for (const SlideCell& cell : row) out.push_back(cell.covered ? "~" : cell.text);
  }
  return texts;
}

SlideContent ReadSlide(const std::string& slide_xml) {
  SlideContent content;
  pugi::xml_document doc;
  if (!doc.load_string(slide_xml.c_str())) return content;
  pugi::xml_node tree = doc.child("p:sld").child("p:cSld").child("p:spTree");
  for (pugi::xml_node shape : tree.children()) {
    const std::string kind = shape.name();
    if (kind == "p:graphicFrame") {
      SlideTable& table = content.tables.emplace_back();
      pugi::xml_node offset = shape.child("p:xfrm").child("a:off");
      table.x = offset.attribute("x").as_llong();
      table.y = offset.attribute("y").as_llong();
      pugi::xml_node tbl = shape.select_node(".//a:tbl").node();
      for (pugi::xml_node col : tbl.child("a:tblGrid").children("a:gridCol")) {
        table.column_widths.push_back(col.attribute("w").as_llong());
      }
      for (pugi::xml_node tr : tbl.children("a:tr")) {
        table.row_heights.push_back(tr.attribute("h").as_llong());
        auto& row = table.rows.emplace_back();
        for (pugi::xml_node tc : tr.children("a:tc")) {
          SlideCell cell;
          cell.text = ParagraphsText(tc.child("a:txBody"));
          cell.grid_span = tc.attribute("gridSpan").as_int(1);
          cell.row_span = tc.attribute("rowSpan").as_int(1);
          cell.covered = tc.attribute("hMerge").as_bool() || tc.attribute("vMerge").as_bool();
          cell.size = FirstRunSize(tc.child("a:txBody"));
          row.push_back(cell);
        }
      }
    } else if (kind == "p:sp") {
      SlideTextBox& box = content.text_boxes.emplace_back();
      pugi::xml_node body = shape.child("p:txBody");
      box.text = ParagraphsText(body);
      pugi::xml_node properties = shape.child("p:spPr");
      box.fill = properties.child("a:solidFill").child("a:srgbClr").attribute("val").value();
      box.outline = !properties.child("a:ln").child("a:noFill");
      box.y = properties.child("a:xfrm").child("a:off").attribute("y").as_llong();
      pugi::xml_node run = body.select_node(".//a:rPr").node();
      box.bold = run.attribute("b").as_bool();
      box.size = run.attribute("sz").as_int();
      box.alignment = body.child("a:p").child("a:pPr").attribute("algn").value();
    }
  }
  return content;
}

std::vector<std::string> SlideParts(const std::map<std::string, std::string>& package) {
  std::vector<std::string> slides;
  auto presentation = package.find("ppt/presentation.xml");
  auto relationships = package.find("ppt/_rels/presentation.xml.rels");
  if (presentation == package.end() || relationships == package.end()) return slides;
  pugi::xml_document doc, rels;
  doc.load_string(presentation->second.c_str());
  rels.load_string(relationships->second.c_str());
  for (pugi::xml_node id : doc.child("p:presentation").child("p:sldIdLst").children("p:sldId")) {
    const std::string rid = id.attribute("r:id").value();
    for (pugi::xml_node rel : rels.child("Relationships").children("Relationship")) {
      if (rid == rel.attribute("Id").value()) {
        slides.push_back("ppt/" + std::string(rel.attribute("Target").value()));
      }
    }
  }
  return slides;
}

}  // namespace taskvane::testing
