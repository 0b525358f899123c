#pragma once

#include <map>
#include <string>
#include <vector>

namespace taskvane::testing {

// A saved presentation read back independently of the writer: the zip parts with libzip,
// the slides with pugixml.
std::map<std::string, std::string> ReadPackage(const std::string& path);

struct SlideCell {
  std::string text;  // paragraphs joined by "\r"
  int grid_span = 1;
  int row_span = 1;
  bool covered = false;  // hMerge or vMerge
  int size = 0;          // font size of the first run in hundredths of a point
};

struct SlideTable {
  long long x = 0, y = 0;                // EMU
  std::vector<long long> column_widths;  // EMU
  std::vector<long long> row_heights;    // EMU
  std::vector<std::vector<SlideCell>> rows;
  // Texts row by row; a covered cell reads "~".
  std::vector<std::vector<std::string>> Texts() const;
};

struct SlideTextBox {
  std::string text;
  std::string fill;  // srgbClr of the shape's solid fill
  bool outline = true;
  bool bold = false;
  int size = 0;
  std::string alignment;  // algn of the first paragraph
  long long y = 0;
};

struct SlideContent {
  std::vector<SlideTable> tables;
  std::vector<SlideTextBox> text_boxes;
};

SlideContent ReadSlide(const std::string& slide_xml);

// The slide parts the presentation lists, in show order.
std::vector<std::string> SlideParts(const std::map<std::string, std::string>& package);

inline constexpr long long kEmuPerPoint = 12700;

}  // namespace taskvane::testing
