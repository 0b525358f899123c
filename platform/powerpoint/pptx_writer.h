#pragma once

#include <string>
#include <string_view>

#include "platform/ooxml/package.h"
#include "platform/powerpoint/presentation.h"

namespace taskvane::ppt {

// The namespaces of the presentation parts: DrawingML, relationships, PresentationML.
inline constexpr std::string_view kNsA = "http://schemas.openxmlformats.org/drawingml/2006/main";
inline constexpr std::string_view kNsR =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr std::string_view kNsP =
    "http://schemas.openxmlformats.org/presentationml/2006/main";

// Lengths in the file are EMU: 12700 to the point.
long long ToEmu(double points);

// The Office Open XML presentation of `presentation`: [Content_Types].xml, the package
// and part relationships, ppt/presentation.xml (4:3 slide of 720 x 540 points), one slide
// master with one blank layout, the theme (fonts "맑은 고딕"), the presentation, view and
// table-style properties, ppt/slides/slideN.xml for each slide in show order, and the
// document properties (the presentation's title, creation time and slide count). The
// slides are written from the presentation while the package is saved, so the package
// must not outlive it.
ooxml::Package PresentationPackage(const Presentation& presentation);

// ppt/slides/slideN.xml of one slide, element by element into `out`: its tables as graphic frames
// (merges as gridSpan / rowSpan with hMerge / vMerge on the covered cells) and its text boxes, in
// the order added.
void WriteSlideXml(ooxml::PartStream& out, const Slide& slide);

// The parts that are the same in every presentation.
std::string SlideMasterXml();
std::string SlideLayoutXml();
std::string ThemeXml();

}  // namespace taskvane::ppt
