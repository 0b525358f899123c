#pragma once

#include <cstdint>

namespace taskvane {

// Rounds to the given number of decimals, sending halves to the even neighbour.
double RoundHalfEven(double value, int decimals = 0);

// Converts to a whole number the way the language runtime does (halves to even). Raises
// AutomationError 6 (overflow) outside the 32-bit range.
std::int32_t CInt32(double value);

}  // namespace taskvane
