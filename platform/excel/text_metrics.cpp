#include "platform/excel/text_metrics.h"

#include <algorithm>
#include <cstring>

#include "platform/excel/geometry.h"

namespace taskvane::excel {

namespace {

// Decodes one UTF-8 character (invalid bytes count as one narrow character).
char32_t Next(std::string_view text, std::size_t& i) {
  const auto b = static_cast<unsigned char>(text[i]);
  int len = b < 0x80             ? 1
            : (b & 0xE0) == 0xC0 ? 2
            : (b & 0xF0) == 0xE0 ? 3
            : (b & 0xF8) == 0xF0 ? 4
                                 : 1;
  if (i + len > text.size()) len = 1;
  char32_t cp = len == 1 ? b : b & (0x7F >> len);
  for (int k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  i += len;
  return cp;
}

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Width of a character in digit widths.
double Units(char32_t c) {
  if (IsWide(c)) return 2.0;
  if (c >= 0x80) return (c >= 0x300 && c <= 0x36F) ? 0.0 : 1.0;
  if (c >= '0' && c <= '9') return 1.0;
  if (std::strchr("iljI.,;:'!|`", static_cast<int>(c)) != nullptr && c != 0) return 0.5;
  if (c == ' ') return 0.5;
  if (std::strchr("mwMW@", static_cast<int>(c)) != nullptr && c != 0) return 1.5;
  if (c >= 'A' && c <= 'Z') return 1.15;
  if (c >= 'a' && c <= 'z') return 0.95;
  if (c < 0x20) return 0.0;
  return 0.75;
}

double Scale(double font_size, bool bold) {
  return kMaxDigitWidth * font_size / 11.0 * (bold ? 1.07 : 1.0);
}

}  // namespace

double TextPixels(std::string_view text, double font_size, bool bold) {
  double units = 0;
  for (std::size_t i = 0; i < text.size();) units += Units(Next(text, i));
  return units * Scale(font_size, bold);
}

int WrappedLines(std::string_view text, double font_size, bool bold, double width) {
  const double scale = Scale(font_size, bold);
  width = std::max(width, scale);  // at least one character per line
  int lines = 1;
  double line = 0;         // width of the current line
  double since_break = 0;  // width after the last break opportunity
  bool has_break = false;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = Next(text, i);
    if (c == '\n') {
      ++lines;
      line = since_break = 0;
      has_break = false;
      continue;
    }
    const double w = Units(c) * scale;
    const bool wide = IsWide(c);
    if (wide) {  // a break may come before a wide character
      has_break = line > 0;
      since_break = 0;
    }
    if (line + w > width && line > 0 && c != ' ') {
      ++lines;
      line = has_break ? since_break : 0;
      since_break = line;
      has_break = false;
    }
    line += w;
    since_break += w;
    if (c == ' ' || wide) {  // and after a blank or a wide character
      has_break = true;
      since_break = 0;
    }
  }
  return lines;
}

}  // namespace taskvane::excel
