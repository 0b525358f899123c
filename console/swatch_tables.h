#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace taskvane {

// The pattern chooser's 18 cells: Excel fill patterns with their constants. `rows` is an
// 8 x 8 tile of the pattern, one byte per row, the highest bit leftmost, 1 = black.
struct PatternCell {
  const char* name;
  int constant;
  std::array<std::uint8_t, 8> rows;
};

// The colour chooser's 40 cells: Excel palette colours. The scheme colour of a drawn shape
// is the colour index plus 7; `rgb` is the sample colour the cell shows, 0xRRGGBB.
struct ColorCell {
  int color_index;
  int scheme_color;
  std::uint32_t rgb;
};

inline constexpr int kPatternCellCount = 18;
inline constexpr int kColorCellCount = 40;
inline constexpr int kPatternColumns = 6;
inline constexpr int kColorColumns = 8;

// The cell that "채우기 없음" stands for in each chooser: xlSolid and white.
inline constexpr int kNoPatternCell = 1;
inline constexpr int kNoColorCell = 40;

// Cells are numbered from 1, as the chooser's control arrays.
const PatternCell& PatternTable(int cell);
const ColorCell& ColorTable(int cell);

// A cell's own tag: "xlLightUp,14" for a pattern cell, "5,12" (colour index, scheme
// colour) for a colour cell.
std::string PatternCellTag(int cell);
std::string ColorCellTag(int cell);

// The swatch tag a slot (1..4) starts with when no setting is stored.
const char* DefaultSwatchTag(int slot);

// The chooser cell that a swatch tag names: "<cell>,<value>" with two whole numbers and a
// cell of the slot's chooser (patterns for slot 1, colours for slots 2 to 4). Nothing for
// any other text.
std::optional<int> SwatchTagCell(const std::string& tag, int slot);

}  // namespace taskvane
