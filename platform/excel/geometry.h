#pragma once

#include <cmath>

namespace taskvane::excel {

// Sheet geometry of a workbook whose Normal font is "맑은 고딕" 11 pt: its widest digit is
// 8 pixels at 96 pixels per inch, one pixel is 0.75 pt.
inline constexpr long kMaxDigitWidth = 8;
inline constexpr double kPointsPerPixel = 0.75;
// A column without a width of its own: 8 digits and padding, rounded up to 8 pixels
// (8.38 characters).
inline constexpr long kStandardColumnPixels = 72;
inline constexpr double kDefaultRowHeight = 16.5;
inline constexpr double kMaxColumnWidth = 255;
inline constexpr double kMaxRowHeight = 409.5;

// Pixels of a column `chars` digits wide (what the application shows for ColumnWidth).
inline long ColumnPixels(double chars) {
  if (chars <= 0) return 0;
  if (chars < 1) return std::lround(chars * (kMaxDigitWidth + 5));
  return std::lround(chars * kMaxDigitWidth) + 5;
}

// ColumnWidth as read back: the characters a pixel width shows, to two decimals.
inline double ColumnChars(long pixels) {
  double chars = pixels >= kMaxDigitWidth + 5 ? (pixels - 5.0) / kMaxDigitWidth
                                              : pixels / double(kMaxDigitWidth + 5);
  return std::round(chars * 100) / 100;
}

// The `width` written for a column: padding included, in 1/256 characters, so that a
// reader computes the same pixels back.
inline double FileColumnWidth(long pixels) {
  return std::trunc(pixels * 256.0 / kMaxDigitWidth) / 256.0;
}

// Row heights are shown in whole pixels.
inline double SnapToPixels(double points) {
  return std::round(points / kPointsPerPixel) * kPointsPerPixel;
}

// Height of one line of text of `size` points in the Normal font's family.
inline double LineHeight(double size) {
  return std::ceil(size * 1.5 / kPointsPerPixel - 1e-9) * kPointsPerPixel;
}

}  // namespace taskvane::excel
