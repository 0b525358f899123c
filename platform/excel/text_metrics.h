#pragma once

#include <string_view>

namespace taskvane::excel {

// Estimated widths of text in the Normal font's family, in pixels at 96 per inch: a digit
// of the 11 pt font is 8 pixels; Hangul and other wide characters take about two digits,
// narrow letters and blanks about half of one. Sizes scale linearly, bold adds a little.
double TextPixels(std::string_view text, double font_size, bool bold);

// Lines that `text` takes when wrapped into `width` pixels: breaks at line feeds, after
// blanks and around wide characters; a word longer than the width is split.
int WrappedLines(std::string_view text, double font_size, bool bold, double width);

// Pixels of one indent level (three blanks of the Normal font).
inline constexpr double kIndentPixels = 12;

}  // namespace taskvane::excel
