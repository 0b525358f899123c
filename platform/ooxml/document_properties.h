#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ooxml/xml_writer.h"

namespace taskvane::ooxml {

class Package;

// What a document says about itself in docProps/core.xml and docProps/app.xml.
struct DocumentProperties {
  std::string title;  // "" leaves the title out
  std::chrono::system_clock::time_point created;
  // Elements of app.xml after the application's name, such as {"Slides", "2"}.
  std::vector<std::pair<std::string, std::string>> statistics;
  // The parts the application lists by kind, such as {"Worksheets", {"Sheet1"}}.
  std::vector<std::pair<std::string, std::vector<std::string>>> parts_by_kind;
};

inline constexpr std::string_view kApplicationName = "Taskvane";

// Adds docProps/core.xml (title, creation and last change at the creation time) and
// docProps/app.xml (application Taskvane and the rest of `properties`) to `package`.
void AddDocumentProperties(Package& package, const DocumentProperties& properties);

// The package relationships (_rels/.rels): the main part, then both property parts.
std::string PackageRelationships(std::string_view main_part);

// The <Override> content types of the two property parts, for [Content_Types].xml.
void WriteDocumentPropertyTypes(XmlWriter& types);

// A time as W3CDTF in UTC to the second: "2025-06-30T08:15:00Z".
std::string W3cdtfTime(std::chrono::system_clock::time_point time);

}  // namespace taskvane::ooxml
