#include <string>
#include <string_view>

#include "platform/ooxml/document_properties.h"
#include "platform/ooxml/package_names.h"
#include "platform/ooxml/xml_writer.h"
#include "platform/powerpoint/pptx_writer.h"

namespace taskvane::ppt {

namespace {

using ooxml::XmlWriter;

constexpr std::string_view kNsRels = ooxml::kPackageRelationshipsNamespace;
constexpr std::string_view kNsTypes = ooxml::kContentTypesNamespace;
constexpr std::string_view kRel = ooxml::kOfficeRelationshipType;
constexpr std::string_view kType = ooxml::kOfficeContentType;

// Slide ids start at 256; master and layout ids share the range from 2^31.
constexpr int kFirstSlideId = 256;
constexpr long long kMasterId = 2147483648LL;
constexpr long long kLayoutId = 2147483649LL;

constexpr std::string_view kXmlHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

constexpr std::string_view kGroupHeader =
    "<p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr>"
    "<p:grpSpPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"0\" cy=\"0\"/>"
    "<a:chOff x=\"0\" y=\"0\"/><a:chExt cx=\"0\" cy=\"0\"/></a:xfrm></p:grpSpPr>";

constexpr std::string_view kNamespaces =
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\"";

// Default character formatting of one list level, in the theme's fonts.
std::string LevelStyle(int level, long long indent, int size, std::string_view fonts) {
  const std::string f(fonts);
  return "<a:lvl" + std::to_string(level) + "pPr marL=\"" + std::to_string(indent) +
         "\" algn=\"l\" defTabSz=\"914400\" rtl=\"0\" eaLnBrk=\"1\" latinLnBrk=\"0\" "
         "hangingPunct=\"1\"><a:defRPr sz=\"" +
         std::to_string(size) +
         "\" kern=\"1200\"><a:solidFill><a:schemeClr val=\"tx1\"/></a:solidFill>"
         "<a:latin typeface=\"+" +
         f + "-lt\"/><a:ea typeface=\"+" + f + "-ea\"/><a:cs typeface=\"+" + f +
         "-cs\"/></a:defRPr></a:lvl" + std::to_string(level) + "pPr>";
}

void Relationship(XmlWriter& xml, std::string_view id, std::string_view type,
                  std::string_view target) {
  xml.Open("Relationship").Attr("Id", id).Attr("Type", type).Attr("Target", target).Close();
}

std::string Relationships(
    std::initializer_list<std::pair<std::string_view, std::string_view>> type_and_target) {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("Relationships").Attr("xmlns", kNsRels);
  int id = 1;
  for (const auto& [type, target] : type_and_target) {
    Relationship(xml, "rId" + std::to_string(id++), std::string(kRel) + std::string(type), target);
  }
  xml.Close();
  return out;
}

std::string SlideName(int number) {
  return "slide" + std::to_string(number) + ".xml";
}

std::string ContentTypes(int slide_count) {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("Types").Attr("xmlns", kNsTypes);
  xml.Open("Default")
      .Attr("Extension", "rels")
      .Attr("ContentType", "application/vnd.openxmlformats-package.relationships+xml")
      .Close();
  xml.Open("Default").Attr("Extension", "xml").Attr("ContentType", "application/xml").Close();
  auto override_part = [&](const std::string& part, std::string_view type) {
    xml.Open("Override")
        .Attr("PartName", part)
        .Attr("ContentType", std::string(kType) + std::string(type))
        .Close();
  };
  override_part("/ppt/presentation.xml", "presentationml.presentation.main+xml");
  override_part("/ppt/slideMasters/slideMaster1.xml", "presentationml.slideMaster+xml");
  override_part("/ppt/slideLayouts/slideLayout1.xml", "presentationml.slideLayout+xml");
  override_part("/ppt/theme/theme1.xml", "theme+xml");
  override_part("/ppt/presProps.xml", "presentationml.presProps+xml");
  override_part("/ppt/viewProps.xml", "presentationml.viewProps+xml");
  override_part("/ppt/tableStyles.xml", "presentationml.tableStyles+xml");
  for (int n = 1; n <= slide_count; ++n) {
    override_part("/ppt/slides/" + SlideName(n), "presentationml.slide+xml");
  }
  ooxml::WriteDocumentPropertyTypes(xml);
  xml.Close();
  return out;
}

// rId1 master, rId2 theme, rId3..rId5 properties, then the slides from rId6.
constexpr int kFirstSlideRelationship = 6;

std::string PresentationRelationships(int slide_count) {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("Relationships").Attr("xmlns", kNsRels);
  const std::string rel(kRel);
  Relationship(xml, "rId1", rel + "slideMaster", "slideMasters/slideMaster1.xml");
  Relationship(xml, "rId2", rel + "theme", "theme/theme1.xml");
  Relationship(xml, "rId3", rel + "presProps", "presProps.xml");
  Relationship(xml, "rId4", rel + "viewProps", "viewProps.xml");
  Relationship(xml, "rId5", rel + "tableStyles", "tableStyles.xml");
  for (int n = 1; n <= slide_count; ++n) {
    Relationship(xml, "rId" + std::to_string(kFirstSlideRelationship + n - 1), rel + "slide",
                 "slides/" + SlideName(n));
  }
  xml.Close();
  return out;
}

std::string PresentationXml(int slide_count) {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("p:presentation")
      .Attr("xmlns:a", kNsA)
      .Attr("xmlns:r", kNsR)
      .Attr("xmlns:p", kNsP)
      .Attr("saveSubsetFonts", 1);
  xml.Open("p:sldMasterIdLst")
      .Open("p:sldMasterId")
      .Attr("id", kMasterId)
      .Attr("r:id", "rId1")
      .Close()
      .Close();
  if (slide_count > 0) {
    xml.Open("p:sldIdLst");
    for (int n = 1; n <= slide_count; ++n) {
      xml.Open("p:sldId")
          .Attr("id", kFirstSlideId + n - 1)
          .Attr("r:id", "rId" + std::to_string(kFirstSlideRelationship + n - 1))
          .Close();
    }
    xml.Close();
  }
  xml.Open("p:sldSz")
      .Attr("cx", ToEmu(Presentation::kSlideWidth))
      .Attr("cy", ToEmu(Presentation::kSlideHeight))
      .Attr("type", "screen4x3")
      .Close();
  xml.Open("p:notesSz")
      .Attr("cx", ToEmu(Presentation::kSlideHeight))
      .Attr("cy", ToEmu(Presentation::kSlideWidth))
      .Close();
  xml.Raw("<p:defaultTextStyle><a:defPPr><a:defRPr lang=\"ko-KR\"/></a:defPPr>" +
          LevelStyle(1, 0, 1800, "mn") + "</p:defaultTextStyle>");
  xml.Close();
  return out;
}

}  // namespace

std::string SlideMasterXml() {
  std::string out(kXmlHeader);
  out += "<p:sldMaster";
  out += kNamespaces;
  out += "><p:cSld><p:bg><p:bgRef idx=\"1001\"><a:schemeClr val=\"bg1\"/></p:bgRef></p:bg>";
  out += "<p:spTree>";
  out += kGroupHeader;
  out += "</p:spTree></p:cSld>";
  out +=
      "<p:clrMap bg1=\"lt1\" tx1=\"dk1\" bg2=\"lt2\" tx2=\"dk2\" accent1=\"accent1\" "
      "accent2=\"accent2\" accent3=\"accent3\" accent4=\"accent4\" accent5=\"accent5\" "
      "accent6=\"accent6\" hlink=\"hlink\" folHlink=\"folHlink\"/>";
  out += "<p:sldLayoutIdLst><p:sldLayoutId id=\"" + std::to_string(kLayoutId) +
         "\" r:id=\"rId1\"/></p:sldLayoutIdLst>";
  out += "<p:txStyles><p:titleStyle>" + LevelStyle(1, 0, 4400, "mj") + "</p:titleStyle>";
  out += "<p:bodyStyle>" + LevelStyle(1, 0, 2800, "mn") + "</p:bodyStyle>";
  out += "<p:otherStyle><a:defPPr><a:defRPr lang=\"ko-KR\"/></a:defPPr>" +
         LevelStyle(1, 0, 1800, "mn") + "</p:otherStyle></p:txStyles>";
  out += "</p:sldMaster>";
  return out;
}

std::string SlideLayoutXml() {
  std::string out(kXmlHeader);
  out += "<p:sldLayout";
  out += kNamespaces;
  out += " type=\"blank\" preserve=\"1\"><p:cSld name=\"Blank\"><p:spTree>";
  out += kGroupHeader;
  out += "</p:spTree></p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sldLayout>";
  return out;
}

std::string ThemeXml() {
  std::string out(kXmlHeader);
  auto color = [](std::string_view slot, std::string_view rgb) {
    return "<a:" + std::string(slot) + "><a:srgbClr val=\"" + std::string(rgb) +
           "\"/></a:" + std::string(slot) + ">";
  };
  const std::string fonts =
      "<a:latin typeface=\"맑은 고딕\"/><a:ea typeface=\"맑은 고딕\"/><a:cs typeface=\"\"/>";
  const std::string phc = "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>";
  out += "<a:theme xmlns:a=\"";
  out += kNsA;
  out += "\" name=\"Taskvane\"><a:themeElements><a:clrScheme name=\"Taskvane\">";
  out += "<a:dk1><a:sysClr val=\"windowText\" lastClr=\"000000\"/></a:dk1>";
  out += "<a:lt1><a:sysClr val=\"window\" lastClr=\"FFFFFF\"/></a:lt1>";
  out += color("dk2", "44546A") + color("lt2", "E7E6E6") + color("accent1", "4472C4") +
         color("accent2", "ED7D31") + color("accent3", "A5A5A5") + color("accent4", "FFC000") +
         color("accent5", "5B9BD5") + color("accent6", "70AD47") + color("hlink", "0563C1") +
         color("folHlink", "954F72");
  out += "</a:clrScheme><a:fontScheme name=\"Taskvane\"><a:majorFont>" + fonts +
         "</a:majorFont><a:minorFont>" + fonts + "</a:minorFont></a:fontScheme>";
  out += "<a:fmtScheme name=\"Taskvane\"><a:fillStyleLst>" + phc + phc + phc +
         "</a:fillStyleLst><a:lnStyleLst>";
  for (int width : {6350, 12700, 19050}) {
    out += "<a:ln w=\"" + std::to_string(width) + "\">" + phc + "</a:ln>";
  }
  out += "</a:lnStyleLst><a:effectStyleLst>";
  for (int i = 0; i < 3; ++i) out += "<a:effectStyle><a:effectLst/></a:effectStyle>";
  out += "</a:effectStyleLst><a:bgFillStyleLst>" + phc + phc + phc +
         "</a:bgFillStyleLst></a:fmtScheme></a:themeElements>";
  out += "<a:objectDefaults/><a:extraClrSchemeLst/></a:theme>";
  return out;
}

ooxml::Package PresentationPackage(const Presentation& presentation) {
  const int slides = presentation.Slides.Count;
  ooxml::Package package;
  package.Add("[Content_Types].xml", ContentTypes(slides));
  package.Add("_rels/.rels", ooxml::PackageRelationships("ppt/presentation.xml"));
  package.Add("ppt/presentation.xml", PresentationXml(slides));
  package.Add("ppt/_rels/presentation.xml.rels", PresentationRelationships(slides));
  package.Add("ppt/slideMasters/slideMaster1.xml", SlideMasterXml());
  package.Add("ppt/slideMasters/_rels/slideMaster1.xml.rels",
              Relationships({{"slideLayout", "../slideLayouts/slideLayout1.xml"},
                             {"theme", "../theme/theme1.xml"}}));
  package.Add("ppt/slideLayouts/slideLayout1.xml", SlideLayoutXml());
  package.Add("ppt/slideLayouts/_rels/slideLayout1.xml.rels",
              Relationships({{"slideMaster", "../slideMasters/slideMaster1.xml"}}));
  package.Add("ppt/theme/theme1.xml", ThemeXml());
  package.Add("ppt/presProps.xml",
              std::string(kXmlHeader) + "<p:presentationPr" + std::string(kNamespaces) + "/>");
  package.Add("ppt/viewProps.xml",
              std::string(kXmlHeader) + "<p:viewPr" + std::string(kNamespaces) + "/>");
  package.Add("ppt/tableStyles.xml", std::string(kXmlHeader) + "<a:tblStyleLst xmlns:a=\"" +
                                         std::string(kNsA) +
                                         "\" def=\"{5C22544A-7EE6-4342-B048-85BDC9FD1C3A}\"/>");
  for (int n = 1; n <= slides; ++n) {
    package.AddStreamed(
        "ppt/slides/" + SlideName(n),
        [&slide = presentation.Slides(n)](ooxml::PartStream& out) { WriteSlideXml(out, slide); });
    package.Add("ppt/slides/_rels/" + SlideName(n) + ".rels",
                Relationships({{"slideLayout", "../slideLayouts/slideLayout1.xml"}}));
  }
  ooxml::AddDocumentProperties(
      package,
      {.title = presentation.Title,
       .created = presentation.Created,
       .statistics = {{"Slides", std::to_string(slides)}, {"Notes", "0"}, {"HiddenSlides", "0"}},
       .parts_by_kind = {}});
  return package;
}

}  // namespace taskvane::ppt
