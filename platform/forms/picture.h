#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace taskvane::forms {

// A small bitmap drawn in code (swatch cells, conversion-type illustrations). Pixels are
// 0xRRGGBB, row by row from the top. `Name` says what it shows, for tests and the driver.
struct Picture {
  std::string Name;
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;

  bool IsEmpty() const { return Width == 0 || Height == 0; }
  friend bool operator==(const Picture&, const Picture&) = default;
};

}  // namespace taskvane::forms
