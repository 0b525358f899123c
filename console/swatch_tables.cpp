#include "console/swatch_tables.h"

#include <charconv>

#include "platform/runtime/automation_error.h"

namespace taskvane {
namespace {

// Row by row as the chooser shows them, six to a row. The tiles are drawings of Excel's
// patterns at 8 x 8 pixels; xlSolid shows plain white, as the pattern colour is white.
constexpr std::array<PatternCell, kPatternCellCount> kPatterns{{
    {"xlSolid", 1, {0, 0, 0, 0, 0, 0, 0, 0}},
    {"xlGray75", -4126, {0xEE, 0xBB, 0xEE, 0xBB, 0xEE, 0xBB, 0xEE, 0xBB}},
    {"xlGray50", -4125, {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}},
    {"xlGray25", -4124, {0x88, 0x22, 0x88, 0x22, 0x88, 0x22, 0x88, 0x22}},
    {"xlGray16", 17, {0x88, 0x00, 0x22, 0x00, 0x88, 0x00, 0x22, 0x00}},
    {"xlGray8", 18, {0x88, 0x00, 0x00, 0x00, 0x22, 0x00, 0x00, 0x00}},
    {"xlHorizontal", -4128, {0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00}},
    {"xlVertical", -4166, {0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC}},
    {"xlDown", -4121, {0xCC, 0x66, 0x33, 0x99, 0xCC, 0x66, 0x33, 0x99}},
    {"xlUp", -4162, {0x33, 0x66, 0xCC, 0x99, 0x33, 0x66, 0xCC, 0x99}},
    {"xlChecker", 9, {0xCC, 0xCC, 0x33, 0x33, 0xCC, 0xCC, 0x33, 0x33}},
    {"xlSemiGray75", 10, {0xFF, 0x66, 0xFF, 0x99, 0xFF, 0x66, 0xFF, 0x99}},
    {"xlLightHorizontal", 11, {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00}},
    {"xlLightVertical", 12, {0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88}},
    {"xlLightDown", 13, {0x88, 0x44, 0x22, 0x11, 0x88, 0x44, 0x22, 0x11}},
    {"xlLightUp", 14, {0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88}},
    {"xlGrid", 15, {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88}},
    {"xlCrissCross", 16, {0x99, 0x66, 0x66, 0x99, 0x99, 0x66, 0x66, 0x99}},
}};

// Row by row as the chooser shows them, eight to a row.
constexpr std::array<ColorCell, kColorCellCount> kColors{{
    {1, 8, 0x000000},   {53, 60, 0x993300}, {52, 59, 0x333300}, {51, 58, 0x003300},
    {49, 56, 0x003366}, {11, 18, 0x000080}, {55, 62, 0x333399}, {56, 63, 0x333333},
    {9, 16, 0x800000},  {46, 53, 0xFF6600}, {12, 19, 0x808000}, {10, 17, 0x008000},
    {14, 21, 0x008080}, {5, 12, 0x0000FF},  {47, 54, 0x666699}, {16, 23, 0x808080},
    {3, 10, 0xFF0000},  {45, 52, 0xFF9900}, {43, 50, 0x99CC00}, {50, 57, 0x339966},
    {42, 49, 0x33CCCC}, {41, 48, 0x3366FF}, {13, 20, 0x800080}, {48, 55, 0x969696},
    {7, 14, 0xFF00FF},  {44, 51, 0xFFCC00}, {6, 13, 0xFFFF00},  {4, 11, 0x00FF00},
    {8, 15, 0x00FFFF},  {33, 40, 0x00CCFF}, {54, 61, 0x993366}, {15, 22, 0xC0C0C0},
    {38, 45, 0xFF99CC}, {40, 47, 0xFFCC99}, {36, 43, 0xFFFF99}, {35, 42, 0xCCFFCC},
    {34, 41, 0xCCFFFF}, {37, 44, 0x99CCFF}, {39, 46, 0xCC99FF}, {2, 9, 0xFFFFFF},
}};

constexpr std::array<const char*, 4> kDefaultSwatchTags{"16,14", "40,2", "14,12", "25,14"};

std::size_t Slot(int cell, int count) {
  if (cell < 1 || cell > count) {
    throw AutomationError(kErrSubscript, "첨자 사용이 잘못되었습니다.");
  }
  return static_cast<std::size_t>(cell - 1);
}

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  auto [end, error] = std::from_chars(first, last, value);
  if (text.empty() || error != std::errc{} || end != last) return std::nullopt;
  return value;
}

}  // namespace

const PatternCell& PatternTable(int cell) {
  return kPatterns[Slot(cell, kPatternCellCount)];
}

const ColorCell& ColorTable(int cell) {
  return kColors[Slot(cell, kColorCellCount)];
}

std::string PatternCellTag(int cell) {
  const PatternCell& pattern = PatternTable(cell);
  return std::string(pattern.name) + "," + std::to_string(pattern.constant);
}

std::string ColorCellTag(int cell) {
  const ColorCell& color = ColorTable(cell);
  return std::to_string(color.color_index) + "," + std::to_string(color.scheme_color);
}

const char* DefaultSwatchTag(int slot) {
  return kDefaultSwatchTags.at(Slot(slot, 4));
}

std::optional<int> SwatchTagCell(const std::string& tag, int slot) {
  const auto comma = tag.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const std::string_view text(tag);
  const auto cell = WholeNumber(text.substr(0, comma));
  if (!cell || !WholeNumber(text.substr(comma + 1))) return std::nullopt;
  const int cells = slot == 1 ? kPatternCellCount : kColorCellCount;
  if (*cell < 1 || *cell > cells) return std::nullopt;
  return cell;
}

}  // namespace taskvane
