#pragma once

#include <string_view>

namespace taskvane::ooxml {

// The names every Open XML package writes: the namespaces of [Content_Types].xml and of
// the relationship parts, the stem of the officeDocument relationship types ("...worksheet",
// "...slide") and of the officedocument content types.
inline constexpr std::string_view kContentTypesNamespace =
    "http://schemas.openxmlformats.org/package/2006/content-types";
inline constexpr std::string_view kPackageRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr std::string_view kOfficeRelationshipType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
inline constexpr std::string_view kOfficeContentType =
    "application/vnd.openxmlformats-officedocument.";

}  // namespace taskvane::ooxml
