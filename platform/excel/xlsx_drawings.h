#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/ooxml/part_stream.h"

namespace taskvane::excel {

class Worksheet;

// xl/drawings/drawing1.xml: the sheet's shapes, each anchored to the cells it was placed
// on and carrying its position in points.
void WriteDrawingPart(ooxml::PartStream& out, const Worksheet& sheet);

// The legacy VML drawing that carries the page footer's pictures, its relationships and
// the pictures (part name, bytes). Empty when no footer section shows a picture.
struct FooterPictureParts {
  std::string vml;
  std::string rels;
  std::vector<std::pair<std::string, std::string>> images;
};

FooterPictureParts WriteFooterPictureParts(const Worksheet& sheet);

}  // namespace taskvane::excel
