#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/excel/constants.h"

namespace taskvane::excel {

// One side of a cell's border. A side without a line keeps the defaults, so that equal
// looks intern to the same style.
struct BorderLine {
  std::int16_t line_style = static_cast<std::int16_t>(xlLineStyleNone);
  std::int16_t weight = static_cast<std::int16_t>(xlThin);
  std::int16_t color_index = static_cast<std::int16_t>(xlColorIndexAutomatic);

  bool IsNone() const { return line_style == xlLineStyleNone; }
  friend bool operator==(const BorderLine&, const BorderLine&) = default;
};

enum class Side : std::uint8_t { Left, Top, Bottom, Right, DiagonalDown, DiagonalUp };
inline constexpr int kSideCount = 6;

// Everything that formats a cell. Cells, rows and columns hold the id of their style in
// the sheet's StyleTable.
struct Style {
  double font_size = 11;
  bool bold = false;
  bool wrap = false;
  std::int16_t pattern = static_cast<std::int16_t>(xlNone);
  std::int16_t fill_color = static_cast<std::int16_t>(xlColorIndexNone);
  std::int16_t horizontal = static_cast<std::int16_t>(xlGeneral);
  std::int16_t indent = 0;
  std::uint32_t number_format = 0;  // id in StyleTable's format list; 0 = General
  std::array<BorderLine, kSideCount> borders{};

  BorderLine& border(Side s) { return borders[static_cast<int>(s)]; }
  const BorderLine& border(Side s) const { return borders[static_cast<int>(s)]; }
  friend bool operator==(const Style&, const Style&) = default;
};

using StyleId = std::uint32_t;

// Interned styles and number-format codes. Id 0 is the default style (Normal font, no
// fill, no border, General).
class StyleTable {
 public:
  StyleTable();

  StyleId Intern(const Style& style);
  const Style& Get(StyleId id) const { return styles_[id]; }
  std::size_t size() const { return styles_.size(); }
  // Whether any style of the table draws a line on side `s`.
  bool AnyLine(Side s) const { return (sides_with_lines_ >> static_cast<int>(s)) & 1u; }

  std::uint32_t InternFormat(const std::string& code);
  const std::string& Format(std::uint32_t id) const { return formats_[id]; }

 private:
  struct Hash {
    std::size_t operator()(const Style& s) const;
  };
  std::vector<Style> styles_;
  std::unordered_map<Style, StyleId, Hash> ids_;
  std::uint8_t sides_with_lines_ = 0;
  std::vector<std::string> formats_;
  std::unordered_map<std::string, std::uint32_t> format_ids_;
};

inline constexpr const char* kGeneralFormat = "General";

}  // namespace taskvane::excel
