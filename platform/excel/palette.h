#pragma once

#include <cstdint>

namespace taskvane::excel {

// The legacy indexed colours as RRGGBB: 0..7 fixed colours, 8..63 the 56-colour palette,
// so ColorIndex k (1..56) is indexed colour k + 7, and a shape's SchemeColor n is
// indexed colour n.
std::uint32_t IndexedColorRgb(int indexed);

inline constexpr int kIndexedSystemForeground = 64;  // "automatic" lines, patterns, fonts
inline constexpr int kIndexedSystemBackground = 65;

}  // namespace taskvane::excel
