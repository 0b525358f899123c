#include "platform/excel/style.h"

#include <cstring>
#include <functional>

namespace taskvane::excel {

std::size_t StyleTable::Hash::operator()(const Style& s) const {
  std::size_t h = std::hash<double>()(s.font_size);
  auto mix = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
  mix(s.bold | (s.wrap << 1));
  mix(static_cast<std::uint16_t>(s.pattern) |
      (static_cast<std::size_t>(static_cast<std::uint16_t>(s.fill_color)) << 16));
  mix(static_cast<std::uint16_t>(s.horizontal) | (static_cast<std::size_t>(s.indent) << 16));
  mix(s.number_format);
  for (const auto& b : s.borders) {
    mix(static_cast<std::uint16_t>(b.line_style) |
        (static_cast<std::size_t>(static_cast<std::uint16_t>(b.weight)) << 16) |
        (static_cast<std::size_t>(static_cast<std::uint16_t>(b.color_index)) << 32));
  }
  return h;
}

StyleTable::StyleTable() {
  Intern(Style{});
  InternFormat(kGeneralFormat);
}

StyleId StyleTable::Intern(const Style& style) {
  auto [it, inserted] = ids_.try_emplace(style, static_cast<StyleId>(styles_.size()));
  if (inserted) {
    styles_.push_back(style);
    for (int side = 0; side < kSideCount; ++side) {
      if (!style.borders[side].IsNone()) sides_with_lines_ |= static_cast<std::uint8_t>(1u << side);
    }
  }
  return it->second;
}

std::uint32_t StyleTable::InternFormat(const std::string& code) {
  auto [it, inserted] = format_ids_.try_emplace(code, static_cast<std::uint32_t>(formats_.size()));
  if (inserted) formats_.push_back(code);
  return it->second;
}

}  // namespace taskvane::excel
