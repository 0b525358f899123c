#include "platform/ooxml/document_properties.h"

#include <cstdio>
#include <ctime>

#include "platform/ooxml/package.h"
#include "platform/ooxml/package_names.h"

namespace taskvane::ooxml {

namespace {

constexpr const char* kCore =
    "http://schemas.openxmlformats.org/package/2006/metadata/core-properties";
constexpr const char* kExtended =
    "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties";
constexpr const char* kVariantTypes =
    "http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes";

std::string CoreXml(const DocumentProperties& properties) {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("cp:coreProperties")
      .Attr("xmlns:cp", kCore)
      .Attr("xmlns:dc", "http://purl.org/dc/elements/1.1/")
      .Attr("xmlns:dcterms", "http://purl.org/dc/terms/")
      .Attr("xmlns:dcmitype", "http://purl.org/dc/dcmitype/")
      .Attr("xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance");
  if (!properties.title.empty()) xml.Element("dc:title", properties.title);
  const std::string created = W3cdtfTime(properties.created);
  for (const char* name : {"dcterms:created", "dcterms:modified"}) {
    xml.Open(name).Attr("xsi:type", "dcterms:W3CDTF").Text(created).Close();
  }
  xml.Close();
  return out;
}

std::string AppXml(const DocumentProperties& properties) {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("Properties").Attr("xmlns", kExtended).Attr("xmlns:vt", kVariantTypes);
  xml.Element("Application", kApplicationName);
  xml.Element("DocSecurity", "0");
  for (const auto& [name, value] : properties.statistics) xml.Element(name, value);
  xml.Element("ScaleCrop", "false");
  if (!properties.parts_by_kind.empty()) {
    xml.Open("HeadingPairs").Open("vt:vector");
    xml.Attr("size", static_cast<long long>(2 * properties.parts_by_kind.size()));
    xml.Attr("baseType", "variant");
    std::size_t count = 0;
    for (const auto& [kind, names] : properties.parts_by_kind) {
      xml.Open("vt:variant").Element("vt:lpstr", kind).Close();
      xml.Open("vt:variant").Element("vt:i4", std::to_string(names.size())).Close();
      count += names.size();
    }
    xml.Close().Close();
    xml.Open("TitlesOfParts").Open("vt:vector");
    xml.Attr("size", static_cast<long long>(count)).Attr("baseType", "lpstr");
    for (const auto& [kind, names] : properties.parts_by_kind) {
      for (const std::string& name : names) xml.Element("vt:lpstr", name);
    }
    xml.Close().Close();
  }
  xml.Element("LinksUpToDate", "false");
  xml.Element("SharedDoc", "false");
  xml.Element("HyperlinksChanged", "false");
  xml.Close();
  return out;
}

}  // namespace

std::string W3cdtfTime(std::chrono::system_clock::time_point time) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", utc.tm_year + 1900,
                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
  return text;
}

void AddDocumentProperties(Package& package, const DocumentProperties& properties) {
  package.Add("docProps/core.xml", CoreXml(properties));
  package.Add("docProps/app.xml", AppXml(properties));
}

std::string PackageRelationships(std::string_view main_part) {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("Relationships").Attr("xmlns", kPackageRelationshipsNamespace);
  auto relationship = [&](const char* id, const std::string& type, std::string_view target) {
    xml.Open("Relationship").Attr("Id", id).Attr("Type", type).Attr("Target", target).Close();
  };
  relationship("rId1", std::string(kOfficeRelationshipType) + "officeDocument", main_part);
  relationship("rId2", std::string(kPackageRelationshipsNamespace) + "/metadata/core-properties",
               "docProps/core.xml");
  relationship("rId3", std::string(kOfficeRelationshipType) + "extended-properties",
               "docProps/app.xml");
  xml.Close();
  return out;
}

void WriteDocumentPropertyTypes(XmlWriter& types) {
  types.Open("Override")
      .Attr("PartName", "/docProps/core.xml")
      .Attr("ContentType", "application/vnd.openxmlformats-package.core-properties+xml")
      .Close();
  types.Open("Override")
      .Attr("PartName", "/docProps/app.xml")
      .Attr("ContentType", std::string(kOfficeContentType) + "extended-properties+xml")
      .Close();
}

}  // namespace taskvane::ooxml
