#pragma once

#include <cstddef>
#include <string_view>

namespace taskvane::excel {

// The most text a cell holds, in UTF-16 units, as the spreadsheet application counts it.
inline constexpr std::size_t kMaxCellTextUnits = 32767;

// The length of a UTF-8 text in UTF-16 units: two for a character beyond the basic plane,
// one for any other.
std::size_t Utf16Units(std::string_view text);

// The longest start of `text` that a cell holds, ending between two whole characters: the
// text itself when it fits.
std::string_view CellTextPrefix(std::string_view text);

}  // namespace taskvane::excel
